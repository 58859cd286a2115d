#include "acquire/draw_checks.h"

#include <bitset>

#include "base/text.h"

namespace pk {

namespace {

int CarNumber(std::string_view text) {
  if (!IsCarNumberText(text)) return 0;
  return text.size() == 1 ? text[0] - '0' : (text[0] - '0') * 10 + (text[1] - '0');
}

}  // namespace

bool IsCarNumberText(std::string_view text) {
  if (text.empty() || text.size() > 2 || !IsDigitString(text)) return false;
  const int value = text.size() == 1 ? text[0] - '0' : (text[0] - '0') * 10 + (text[1] - '0');
  return value >= 1 && value <= 10;
}

bool IsValidDrawOrder(const std::array<std::string, 10>& numbers) {
  std::bitset<11> seen;
  for (const std::string& number : numbers) {
    const int car = CarNumber(number);
    if (car == 0 || seen[car]) return false;
    seen[car] = true;
  }
  return true;
}

bool IsPeriodText(std::string_view text) { return !text.empty() && text.size() <= 18 && IsDigitString(text); }

bool IsValidDayAnswer(std::string_view answer) {
  const std::vector<std::string> fields = Split(answer, " ");
  const size_t draws = fields.size() / 13;
  if (draws == 0) return false;
  for (size_t d = 0; d < draws; ++d) {
    const std::string* draw = &fields[d * 13];
    std::array<std::string, 10> numbers;
    for (int i = 0; i < 10; ++i) numbers[i] = draw[i];
    if (!IsValidDrawOrder(numbers) || !draw[10].empty() || !IsPeriodText(draw[11]) || !draw[12].empty()) return false;
  }
  return true;
}

}  // namespace pk
