#pragma once
// Code texts: a car written as one character of "1234567890" ("0" for car 10), a set of
// cars as a string of such characters.
#include <string>
#include <string_view>

namespace pk {

inline constexpr std::string_view kDigitAlphabet = "1234567890";

// The codes of the alphabet that the text does not contain, in alphabet order:
// the complement of "120" is "3456789".
std::string Complement(std::string_view codes);

}  // namespace pk
