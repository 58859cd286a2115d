#pragma once
// The draw snapshot of the extremes workshop: every stored draw, oldest first, in the
// compact form the extremes computations scan.
//
// A stored draw is ten texts (columns 一 … 十). The computations look at them in two ways
// only, and the snapshot keeps exactly that:
// - the champion's last character, which a combination text either contains or not: kept
//   as its digit 0..9 ("0" for car 10), or kNoDigit when the text does not end in a digit
//   (such a champion is in no combination);
// - the car at each position as an integer (the kill rules compare the next champion
//   with a car): kept as one byte, the integer part of the text's number. Values outside
//   0..254 never occur in a sound store (cars are 1..10); they are all kept as kOutOfRange.
#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace pk {

class WorkshopDraws {
 public:
  static constexpr uint8_t kNoDigit = 0xFF;
  static constexpr uint8_t kOutOfRange = 0xFF;
  static constexpr int kPositions = 10;

  // Appends a stored draw from the texts of its columns 一 … 十 (missing texts count
  // as empty).
  void AppendTexts(std::span<const std::string> texts);
  void AppendTexts(std::span<const std::string_view> texts);
  // Appends a draw given as the cars at positions 1..10, the same as their two-digit texts.
  void AppendNumbers(const std::array<uint8_t, kPositions>& cars);

  WorkshopDraws() = default;
  WorkshopDraws(const WorkshopDraws& other);
  WorkshopDraws& operator=(const WorkshopDraws& other);
  WorkshopDraws(WorkshopDraws&& other) noexcept;
  WorkshopDraws& operator=(WorkshopDraws&& other) noexcept;

  void Reserve(size_t draws);
  void Clear();

  // A number no other snapshot state of this process shares: it changes with every change
  // of the draws (and a copy gets its own), so that results derived from the draws can be
  // kept and reused while it stays the same.
  uint64_t Identity() const;

  size_t size() const { return champion_digits_.size(); }
  bool empty() const { return champion_digits_.empty(); }

  // Draws count from 0 here; positions from 1 to 10.
  uint8_t Car(size_t draw, int position) const {
    return cars_[draw * kPositions + static_cast<size_t>(position - 1)];
  }
  uint8_t ChampionDigit(size_t draw) const { return champion_digits_[draw]; }
  // The champion digits of all draws, for scans.
  std::span<const uint8_t> ChampionDigits() const { return champion_digits_; }
  // The ten cars of one draw, positions 1..10 at indexes 0..9.
  const uint8_t* Cars(size_t draw) const { return cars_.data() + draw * kPositions; }

 private:
  void Append(const std::array<uint8_t, kPositions>& cars, uint8_t champion_digit);

  std::vector<uint8_t> cars_;             // kPositions per draw
  std::vector<uint8_t> champion_digits_;  // one per draw
  mutable std::atomic<uint64_t> identity_{0};  // 0: not handed out since the last change
};

}  // namespace pk
