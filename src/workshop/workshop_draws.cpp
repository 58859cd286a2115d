#include "workshop/workshop_draws.h"

#include <cmath>
#include <utility>

#include "base/numbers.h"

namespace pk {

namespace {

uint8_t CarOfText(std::string_view text) {
  const double value = std::trunc(TextToNumber(text));
  if (!(value >= 0 && value < WorkshopDraws::kOutOfRange)) return WorkshopDraws::kOutOfRange;
  return static_cast<uint8_t>(value);
}

uint8_t DigitOfLastCharacter(std::string_view text) {
  if (text.empty()) return WorkshopDraws::kNoDigit;
  const char last = text.back();  // a multi-byte character never ends in an ASCII byte
  return last >= '0' && last <= '9' ? static_cast<uint8_t>(last - '0') : WorkshopDraws::kNoDigit;
}

// The cars and the champion digit of a draw given by its column texts.
template <typename Text>
std::pair<std::array<uint8_t, WorkshopDraws::kPositions>, uint8_t> ReadTexts(std::span<const Text> texts) {
  std::array<uint8_t, WorkshopDraws::kPositions> cars{};
  for (size_t i = 0; i < cars.size(); ++i) cars[i] = CarOfText(i < texts.size() ? std::string_view(texts[i]) : "");
  return {cars, DigitOfLastCharacter(texts.empty() ? std::string_view() : std::string_view(texts[0]))};
}

}  // namespace

WorkshopDraws::WorkshopDraws(const WorkshopDraws& other)
    : cars_(other.cars_), champion_digits_(other.champion_digits_) {}

WorkshopDraws& WorkshopDraws::operator=(const WorkshopDraws& other) {
  cars_ = other.cars_;
  champion_digits_ = other.champion_digits_;
  identity_ = 0;
  return *this;
}

WorkshopDraws::WorkshopDraws(WorkshopDraws&& other) noexcept
    : cars_(std::move(other.cars_)), champion_digits_(std::move(other.champion_digits_)) {
  other.Clear();
}

WorkshopDraws& WorkshopDraws::operator=(WorkshopDraws&& other) noexcept {
  cars_ = std::move(other.cars_);
  champion_digits_ = std::move(other.champion_digits_);
  identity_ = 0;
  other.Clear();
  return *this;
}

uint64_t WorkshopDraws::Identity() const {
  static std::atomic<uint64_t> next{1};
  uint64_t identity = identity_.load();
  if (identity == 0) {
    const uint64_t fresh = next.fetch_add(1);
    identity = identity_.compare_exchange_strong(identity, fresh) ? fresh : identity;
  }
  return identity;
}

void WorkshopDraws::AppendTexts(std::span<const std::string> texts) {
  const auto [cars, champion_digit] = ReadTexts(texts);
  Append(cars, champion_digit);
}

void WorkshopDraws::AppendTexts(std::span<const std::string_view> texts) {
  const auto [cars, champion_digit] = ReadTexts(texts);
  Append(cars, champion_digit);
}

void WorkshopDraws::AppendNumbers(const std::array<uint8_t, kPositions>& cars) {
  // The two-digit text of a car ends in its last decimal digit.
  Append(cars, cars[0] == kOutOfRange ? kNoDigit : static_cast<uint8_t>(cars[0] % 10));
}

void WorkshopDraws::Reserve(size_t draws) {
  cars_.reserve(draws * kPositions);
  champion_digits_.reserve(draws);
}

void WorkshopDraws::Clear() {
  cars_.clear();
  champion_digits_.clear();
  identity_ = 0;
}

void WorkshopDraws::Append(const std::array<uint8_t, kPositions>& cars, uint8_t champion_digit) {
  cars_.insert(cars_.end(), cars.begin(), cars.end());
  champion_digits_.push_back(champion_digit);
  identity_.store(0, std::memory_order_relaxed);
}

}  // namespace pk
