#include <gtest/gtest.h>

#include <vector>

#include "acquire/auto_mode.h"

namespace pk {
namespace {

struct Example {
  int hour, minute, second;
  int32_t countdown;
};

TEST(CountdownFor, WorkedExamples) {
  const std::vector<Example> examples = {
      {10, 3, 10, 280}, {10, 2, 40, 310}, {10, 2, 20, 30}, {10, 8, 0, 290},    {10, 7, 45, 305},
      {10, 1, 45, 65},  {23, 58, 0, 32990}, {8, 0, 0, 4070}, {9, 7, 30, 20},    {10, 7, 30, 20},
      {23, 57, 30, 20}, {23, 57, 31, 33019}, {0, 0, 0, 32870}, {9, 7, 29, 21},   {23, 59, 59, 32871},
  };
  for (const Example& e : examples) {
    EXPECT_EQ(CountdownFor(MakeDateTime(2014, 3, 1, e.hour, e.minute, e.second)), e.countdown)
        << e.hour << ":" << e.minute << ":" << e.second;
  }
}

// The seconds from a time of day to 20 seconds after the next draw of the schedule,
// found by walking the day's 179 draw times.
int32_t ExpectedCountdown(int secondOfDay) {
  std::vector<int> draws;
  for (int i = 0; i < 179; ++i) draws.push_back(9 * 3600 + 7 * 60 + 30 + i * 300);
  for (int draw : draws)
    if (draw >= secondOfDay) return draw - secondOfDay + 20;
  return 86400 - secondOfDay + draws.front() + 20;
}

TEST(CountdownFor, EverySecondOfADayMatchesTheSchedule) {
  const DateTime midnight = MakeDateTime(2016, 2, 29);
  for (int s = 0; s < 86400; ++s) {
    const int32_t countdown = CountdownFor(DateTime{midnight.seconds + s});
    ASSERT_EQ(countdown, ExpectedCountdown(s)) << "second of day " << s;
  }
}

}  // namespace
}  // namespace pk
