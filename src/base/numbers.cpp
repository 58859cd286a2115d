#include "base/numbers.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace pk {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

double TextToNumber(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  // Only plain digits with an optional fraction count; an exponent or anything else
  // ends the number, as in the runtime the stored texts were written for.
  const size_t start = i;
  while (i < text.size() && IsDigit(text[i])) ++i;
  const size_t integerDigits = i - start;
  size_t fractionDigits = 0;
  if (i < text.size() && text[i] == '.') {
    size_t j = i + 1;
    while (j < text.size() && IsDigit(text[j])) ++j;
    fractionDigits = j - i - 1;
    if (integerDigits + fractionDigits > 0) i = j;
  }
  if (integerDigits + fractionDigits == 0) return 0.0;

  double value = 0.0;
  const char* first = text.data() + start;
  const char* last = text.data() + i;
  const auto [end, error] = std::from_chars(first, last, value, std::chars_format::fixed);
  if (error == std::errc::result_out_of_range) {
    // Hundreds of digits: the value is beyond double; tiny fractions are 0.
    value = integerDigits > 0 && std::string_view(first, integerDigits).find_first_not_of('0') != std::string_view::npos
                ? std::numeric_limits<double>::infinity()
                : 0.0;
  } else if (error != std::errc() || end != last) {
    return 0.0;
  }
  return negative ? -value : value;
}

std::string NumberToText(double value) {
  // Halves away from zero; adding 0.0 turns -0 into 0 so that "-0" never appears.
  const double rounded = std::round(value) + 0.0;
  char buffer[400];
  const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, rounded, std::chars_format::fixed, 0);
  if (error != std::errc()) return "0";
  return std::string(buffer, end);
}

bool NumbersEqual(double a, double b) { return std::fabs(a - b) <= 1e-7; }

}  // namespace pk
