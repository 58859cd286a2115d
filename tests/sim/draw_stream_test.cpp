#include "pk10sim/draw_stream.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

#include "pk10sim/sim_clock.h"

namespace pk::sim {
namespace {

TEST(DrawStream, FollowsTheDailyScheduleWithConsecutivePeriods) {
  const struct {
    int64_t period;
    DateTime time;
  } cases[] = {
      {1000000, MakeDateTime(2026, 1, 1, 9, 7, 30)},
      {1000001, MakeDateTime(2026, 1, 1, 9, 12, 30)},
      {1000178, MakeDateTime(2026, 1, 1, 23, 57, 30)},
      {1000179, MakeDateTime(2026, 1, 2, 9, 7, 30)},  // the next day goes on counting
      {999999, MakeDateTime(2025, 12, 31, 23, 57, 30)},
      {999821, MakeDateTime(2025, 12, 31, 9, 7, 30)},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DateTimeText(DrawStream::TimeOf(c.period)), DateTimeText(c.time)) << c.period;
    EXPECT_EQ(DrawStream::NewestAt(c.time), c.period) << c.period;
    EXPECT_EQ(DrawStream::NewestAt(DateTime{c.time.seconds - 1}), c.period - 1) << c.period;
  }
  // 179 draws a day, the last at 23:57:30, none after it until 09:07:30.
  const DateTime day = MakeDateTime(2026, 5, 20);
  EXPECT_EQ(DrawStream::PeriodOf(day, 178) - DrawStream::PeriodOf(day, 0) + 1, 179);
  EXPECT_EQ(DrawStream::PeriodOf(MakeDateTime(2026, 5, 21), 0), DrawStream::PeriodOf(day, 178) + 1);
  EXPECT_EQ(DrawStream::NewestAt(MakeDateTime(2026, 5, 20, 23, 59, 59)), DrawStream::PeriodOf(day, 178));
  EXPECT_EQ(DrawStream::NewestAt(MakeDateTime(2026, 5, 21, 9, 7, 29)), DrawStream::PeriodOf(day, 178));
}

TEST(DrawStream, EveryDrawIsAPermutationThatFollowsFromSeedAndPeriod) {
  const DrawStream stream(7), same(7), other(8);
  int differentFromOtherSeed = 0;
  for (int64_t period = 1000000; period < 1000200; ++period) {
    auto numbers = stream.At(period).numbers;
    EXPECT_EQ(numbers, same.At(period).numbers);
    if (numbers != other.At(period).numbers) ++differentFromOtherSeed;
    std::sort(numbers.begin(), numbers.end());
    std::array<int, 10> expected;
    std::iota(expected.begin(), expected.end(), 1);
    EXPECT_EQ(numbers, expected) << period;
  }
  EXPECT_GT(differentFromOtherSeed, 190);
}

TEST(HttpDateText, WritesTheOperatorTimeInGmt) {
  EXPECT_EQ(HttpDateText(MakeDateTime(2026, 3, 1, 10, 3, 10)), "Sun, 01 Mar 2026 02:03:10 GMT");
  EXPECT_EQ(HttpDateText(MakeDateTime(2014, 3, 2, 0, 0, 0)), "Sat, 01 Mar 2014 16:00:00 GMT");
  EXPECT_EQ(HttpDateText(MakeDateTime(1970, 1, 1, 7, 0, 0)), "Wed, 31 Dec 1969 23:00:00 GMT");
}

}  // namespace
}  // namespace pk::sim
