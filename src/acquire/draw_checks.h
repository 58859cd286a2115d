#pragma once
// Checks on draws that come from outside (web pages, the companion library's answers)
// before they enter the history: a draw is ten different car numbers 1..10 and a period
// that is a plain number. A draw that fails them never enters.
#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace pk {

// A car number as a page writes it: one or two digits with the value 1..10 ("3", "03", "10").
bool IsCarNumberText(std::string_view text);

// Ten car numbers, each 1..10, none repeated.
bool IsValidDrawOrder(const std::array<std::string, 10>& numbers);

// A period: a plain digit string of at most 18 digits, so that it stays exact as a number.
bool IsPeriodText(std::string_view text);

// The companion library's day answer, 13 blank-separated fields per draw (ten numbers,
// an empty field, the period, an empty field); an incomplete tail is left out as the
// loader leaves it out. True when it holds at least one draw and every complete draw
// passes the checks with its two empty fields in place.
bool IsValidDayAnswer(std::string_view answer);

}  // namespace pk
