#pragma once
// Numbers held as text: the one way in and the one way out.
#include <string>
#include <string_view>

namespace pk {

// The leading decimal number of the text (blanks before it skipped, an optional sign,
// digits, an optional fraction); whatever follows is ignored, an exponent included
// ("12abc" is 12, "1e3" is 1). Empty or non-numeric text is 0. Independent of the locale.
double TextToNumber(std::string_view text);

// The value as decimal text with no decimals and no leading zeros ("-3", "0", "472781").
// A fraction is rounded to the nearest integer, halves away from zero.
std::string NumberToText(double value);

// Two numbers are equal when they differ by at most 1e-7.
bool NumbersEqual(double a, double b);

}  // namespace pk
