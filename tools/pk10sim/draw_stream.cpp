#include "pk10sim/draw_stream.h"

#include <algorithm>
#include <numeric>
#include <utility>

namespace pk::sim {

namespace {

constexpr int64_t kSecondsPerDay = 86400;
const int64_t kBaseDay = MakeDateTime(2026, 1, 1).seconds / kSecondsPerDay;

int64_t FloorDiv(int64_t a, int64_t b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }

// SplitMix64: a small, well-mixed step that keeps the stream the same on every platform
// (the standard distributions are not).
uint64_t Mix(uint64_t& state) {
  uint64_t z = (state += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

}  // namespace

Draw DrawStream::At(int64_t period) const {
  Draw draw;
  draw.period = period;
  draw.time = TimeOf(period);
  std::iota(draw.numbers.begin(), draw.numbers.end(), 1);
  uint64_t state = seed_ * 0x2545F4914F6CDD1Dull ^ static_cast<uint64_t>(period);
  Mix(state);
  for (int i = 9; i > 0; --i) {
    const int j = static_cast<int>(Mix(state) % static_cast<uint64_t>(i + 1));
    std::swap(draw.numbers[i], draw.numbers[j]);
  }
  return draw;
}

int64_t DrawStream::NewestAt(DateTime now) {
  const int64_t day = FloorDiv(now.seconds, kSecondsPerDay);
  const int64_t second = now.seconds - day * kSecondsPerDay;
  if (second < kFirstDrawSecond) return kBasePeriod + (day - kBaseDay) * kDrawsPerDay - 1;
  const int64_t slot = std::min<int64_t>(kDrawsPerDay - 1, (second - kFirstDrawSecond) / kDrawInterval);
  return kBasePeriod + (day - kBaseDay) * kDrawsPerDay + slot;
}

DateTime DrawStream::TimeOf(int64_t period) {
  const int64_t index = period - kBasePeriod;
  const int64_t day = FloorDiv(index, kDrawsPerDay);
  const int64_t slot = index - day * kDrawsPerDay;
  return DateTime{(kBaseDay + day) * kSecondsPerDay + kFirstDrawSecond + slot * kDrawInterval};
}

int64_t DrawStream::PeriodOf(DateTime day, int slot) {
  return kBasePeriod + (FloorDiv(day.seconds, kSecondsPerDay) - kBaseDay) * kDrawsPerDay + slot;
}

}  // namespace pk::sim
