#include "store/table_keys.h"

#include <algorithm>
#include <array>
#include <bit>
#include <stdexcept>

namespace pk {

namespace {

constexpr std::array<std::string_view, 10> kChineseDigits = {"零", "一", "二", "三", "四",
                                                              "五", "六", "七", "八", "九"};

// Every rotation of `text` is at least `text` itself.
bool IsSmallestRotation(const std::string& text) {
  for (size_t shift = 1; shift < text.size(); ++shift) {
    const std::string rotated = text.substr(shift) + text.substr(0, shift);
    if (rotated < text) return false;
  }
  return true;
}

// Every string of `length` characters drawn from `alphabet` (ascending), that is the
// smallest of its own rotations, in ascending order.
std::vector<std::string> SmallestRotations(std::string_view alphabet, int length) {
  std::vector<std::string> keys;
  std::string text(static_cast<size_t>(length), alphabet.front());
  std::vector<size_t> digits(static_cast<size_t>(length), 0);
  while (true) {
    if (IsSmallestRotation(text)) keys.push_back(text);
    int at = length - 1;  // odometer over the alphabet, last place fastest: ascending order
    while (at >= 0 && digits[static_cast<size_t>(at)] + 1 == alphabet.size()) {
      digits[static_cast<size_t>(at)] = 0;
      text[static_cast<size_t>(at)] = alphabet.front();
      --at;
    }
    if (at < 0) break;
    text[static_cast<size_t>(at)] = alphabet[++digits[static_cast<size_t>(at)]];
  }
  return keys;
}

}  // namespace

std::string CombinationTableName(int size) {
  if (size < kMinCombinationSize || size > kMaxCombinationSize)
    throw std::out_of_range("combination tables hold 2 to 9 numbers");
  return std::string(kChineseDigits[static_cast<size_t>(size)]) + "码极限";
}

std::string TrendTableName(int size) {
  if (size < kMinTrendSize || size > kMaxTrendSize)
    throw std::out_of_range("trend tables hold combinations of 5 to 7 numbers");
  return std::string(kChineseDigits[static_cast<size_t>(size)]) + "码走势极限";
}

std::string CombinationText(std::vector<int> numbers) {
  std::sort(numbers.begin(), numbers.end());
  std::string text;
  for (int number : numbers) text += static_cast<char>('0' + number % 10);
  return text;
}

std::vector<std::string> CombinationKeys(int size) {
  std::vector<std::string> keys;
  if (size < 0 || size > 10) return keys;
  for (unsigned members = 0; members < (1u << 10); ++members) {
    if (std::popcount(members) != size) continue;
    std::vector<int> numbers;
    for (int number = 1; number <= 10; ++number)
      if (members & (1u << (number - 1))) numbers.push_back(number);
    keys.push_back(CombinationText(numbers));
  }
  std::sort(keys.begin(), keys.end());
  return keys;
}

std::vector<std::string> TrendPatterns() { return SmallestRotations("12", 9); }

std::vector<std::string> TrendColumns(int size) {
  if (size < kMinTrendSize || size > kMaxTrendSize)
    throw std::out_of_range("trend tables hold combinations of 5 to 7 numbers");
  std::vector<std::string> columns = CombinationKeys(size);
  if (size == 5) {
    static constexpr std::array<std::string_view, 6> kLeftOut = {"15790", "16780", "16789",
                                                                 "16790", "16890", "17890"};
    std::erase_if(columns, [](const std::string& key) {
      return key.find('1') == std::string::npos ||
             std::find(kLeftOut.begin(), kLeftOut.end(), key) != kLeftOut.end();
    });
  }
  return columns;
}

std::vector<std::string> KillRuleKeys(int length) {
  if (length <= 0) return {};
  return SmallestRotations("0123456789", length);
}

}  // namespace pk
