// The tool that builds the delivered store: its simulated history and the champion-omission
// extremes it computes itself.
#include <gtest/gtest.h>

#include <algorithm>

#include "champion_extremes.h"
#include "simulated_history.h"

namespace pk::mkstore {
namespace {

TEST(MkstoreHistoryTest, DrawsAreSeededPermutations) {
  const std::vector<SimulatedDraw> draws = SimulateDraws(7, 2000);
  EXPECT_EQ(draws, SimulateDraws(7, 2000));
  EXPECT_NE(draws, SimulateDraws(8, 2000));
  std::array<int, 11> champions{};
  for (SimulatedDraw draw : draws) {
    ++champions[draw[0]];
    std::sort(draw.begin(), draw.end());
    ASSERT_EQ(draw, (SimulatedDraw{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
  }
  for (int car = 1; car <= 10; ++car) EXPECT_NEAR(champions[car], 200, 60) << car;
}

TEST(MkstoreHistoryTest, ChampionOmissionExtremes) {
  const std::vector<SimulatedDraw> draws = {
      {1, 2, 3, 4, 5, 6, 7, 8, 9, 10},
      {2, 1, 3, 4, 5, 6, 7, 8, 9, 10},  // champion 2 stood at position 2
      {2, 3, 1, 4, 5, 6, 7, 8, 9, 10},  // champion 2 stood at position 1
      {3, 2, 1, 4, 5, 6, 7, 8, 9, 10},  // champion 3 stood at position 2
  };
  const ChampionExtremes extremes = ComputeChampionExtremes(draws);
  // Numbers: the run still open after the last draw counts (4..10 were never champion).
  EXPECT_EQ(extremes.number, (std::array<int, 10>{3, 1, 3, 4, 4, 4, 4, 4, 4, 4}));
  // Positions: three pairs of draws, the last draw has no following champion.
  EXPECT_EQ(extremes.position, (std::array<int, 10>{1, 1, 3, 3, 3, 3, 3, 3, 3, 3}));

  const int firstTwo[] = {1, 2};
  const int allButThree[] = {1, 2, 4, 5, 6, 7, 8, 9, 10};
  const int rest[] = {3, 4, 5, 6, 7, 8, 9, 10};
  EXPECT_EQ(LongestPositionRun(draws, firstTwo), 3);
  EXPECT_EQ(LongestPositionRun(draws, allButThree), 3);
  EXPECT_EQ(LongestPositionRun(draws, rest), 0);
  EXPECT_EQ(LongestPositionRun(std::span(draws).first(1), firstTwo), 0);
}

}  // namespace
}  // namespace pk::mkstore
