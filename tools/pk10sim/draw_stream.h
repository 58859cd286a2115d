#pragma once
// The simulated draw stream: the operator's schedule (179 draws a day, every five
// minutes from 09:07:30 to 23:57:30, UTC+8) with consecutive periods across days, and
// for every period a finishing order of the ten cars that follows from the seed and the
// period alone. The first draw of 2026-01-01 is period 1000000; earlier days count back.
#include <array>
#include <cstdint>

#include "base/time.h"

namespace pk::sim {

inline constexpr int kDrawsPerDay = 179;
inline constexpr int64_t kBasePeriod = 1000000;
inline constexpr int64_t kFirstDrawSecond = 9 * 3600 + 7 * 60 + 30;  // 09:07:30
inline constexpr int64_t kDrawInterval = 300;

struct Draw {
  int64_t period = 0;
  DateTime time;                // scheduled time, UTC+8
  std::array<int, 10> numbers;  // cars 1..10 in finishing order (positions 1..10)
};

class DrawStream {
 public:
  explicit DrawStream(uint64_t seed) : seed_(seed) {}

  uint64_t Seed() const { return seed_; }
  Draw At(int64_t period) const;

  // The newest period whose scheduled time is at or before `now`.
  static int64_t NewestAt(DateTime now);
  static DateTime TimeOf(int64_t period);
  // The period of the draw at slot 0..178 of the day that holds `day`.
  static int64_t PeriodOf(DateTime day, int slot);

 private:
  uint64_t seed_;
};

}  // namespace pk::sim
