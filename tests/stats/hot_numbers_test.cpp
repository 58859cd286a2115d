#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "stats/hot_numbers.h"
#include "stats/recommendations.h"
#include "stats_test_support.h"

namespace pk {
namespace {

using test::StatsTest;

std::vector<int> Labels(const PlanState& plans) {
  std::vector<int> labels;
  for (const PositionOmission& entry : plans.HotRanking) labels.push_back(entry.position);
  return labels;
}

std::vector<int> Values(const PlanState& plans) {
  std::vector<int> values;
  for (const PositionOmission& entry : plans.HotRanking) values.push_back(entry.omission);
  return values;
}

TEST(RankPositionsTest, TwoRoundsReverseEqualOmissionsAndPutPositionOneLast) {
  PlanState plans;
  const int omissions[10] = {3, 5, 5, 0, 2, 9, 9, 1, 4, 4};
  for (int p = 0; p < 10; ++p) plans.RecentPositionOmission[p] = {p + 1, omissions[p]};

  RankPositions(plans);

  EXPECT_EQ(Labels(plans), (std::vector<int>{7, 6, 3, 2, 10, 9, 5, 8, 4, 1}));
  EXPECT_EQ(Values(plans), (std::vector<int>{9, 9, 5, 5, 4, 4, 2, 1, 0, 3}));
  EXPECT_EQ(plans.HotGroupDigits[0], "76320");
  EXPECT_EQ(plans.HotGroupDigits[1], "95841");
}

TEST(RankPositionsTest, PositionOneIsLastEvenWithTheLargestOmission) {
  PlanState plans;
  for (int p = 0; p < 10; ++p) plans.RecentPositionOmission[p] = {p + 1, p == 0 ? 50 : p};
  RankPositions(plans);
  EXPECT_EQ(Labels(plans), (std::vector<int>{10, 9, 8, 7, 6, 5, 4, 3, 2, 1}));
  EXPECT_EQ(plans.HotRanking[9].omission, 50);
  EXPECT_EQ(plans.HotGroupDigits[0], "09876");
}

// Worked by hand: each step's omissions, the ranking after it, and whether the next
// draw's position was in the first group.
TEST(TrackPositionGroupsTest, FollowsTheTraceAndFlagsTheNextDraw) {
  struct Case {
    std::vector<std::string> trace;
    std::vector<int> labels, values, flags;
  };
  const std::vector<Case> cases = {
      {{"3", "3", "2"}, {10, 9, 8, 7, 6, 5, 4, 3, 2, 1}, {3, 3, 3, 3, 3, 3, 3, 1, 0, 3}, {2, 1}},
      // The digit 0 is position 10.
      {{"0"}, {2, 3, 4, 5, 6, 7, 8, 9, 10, 1}, {1, 1, 1, 1, 1, 1, 1, 1, 0, 1}, {}},
      // The first draw of a day load has no previous position: every omission grows.
      {{"", "2"}, {10, 9, 8, 7, 6, 5, 4, 3, 2, 1}, {2, 2, 2, 2, 2, 2, 2, 2, 0, 2}, {1}},
  };
  for (const Case& c : cases) {
    PlanState plans;
    plans.PositionTrace = c.trace;
    TrackPositionGroups(plans);
    EXPECT_EQ(Labels(plans), c.labels) << c.trace.size();
    EXPECT_EQ(Values(plans), c.values) << c.trace.size();
    EXPECT_EQ(plans.HotColdFlags, c.flags) << c.trace.size();
  }
}

TEST(TrackPositionGroupsTest, OnlyTheLastThirtyDrawsCount) {
  PlanState full, recent;
  for (int r = 0; r < 100; ++r) full.PositionTrace.push_back(std::to_string((r * 7 + r / 3) % 10));
  recent.PositionTrace.assign(full.PositionTrace.end() - 30, full.PositionTrace.end());
  // Stale omissions from an earlier pass must not leak in either.
  for (auto& entry : full.RecentPositionOmission) entry.omission = 99;

  TrackPositionGroups(full);
  TrackPositionGroups(recent);

  EXPECT_EQ(Labels(full), Labels(recent));
  EXPECT_EQ(full.HotGroupDigits, recent.HotGroupDigits);
  EXPECT_EQ(full.HotColdFlags, recent.HotColdFlags);
  EXPECT_EQ(full.HotColdFlags.size(), 29u);
}

struct HotNumbersTest : StatsTest {
  GridModel& Grid() { return Main().Get<GridModel>("高级表格_热码"); }
};

TEST_F(HotNumbersTest, ClassesColoursChartAndFirstRecommendationRowOverTheLastHundredDraws) {
  // Older draws outside the window would make 4 hot if they were counted.
  for (int i = 0; i < 6; ++i) AddChampion(4);
  const std::vector<std::pair<int, int>> counts = {{1, 8}, {2, 10}, {3, 11}, {4, 7},  {5, 10},
                                                   {6, 10}, {7, 13}, {8, 10}, {9, 10}, {10, 11}};
  for (int round = 0; round < 13; ++round)
    for (auto [number, count] : counts)
      if (round < count) AddChampion(number);
  ASSERT_EQ(program.history.size(), 106u);
  ResetRecommendations(program);

  CountHotNumbers(program);

  struct Expected {
    const char* word;
    Colour colour;
  };
  const Expected expected[10] = {{"温", kOrange}, {"温", kOrange}, {"热", kRed}, {"冷", kBlue}, {"温", kOrange},
                                 {"温", kOrange}, {"热", kRed},    {"温", kOrange}, {"温", kOrange}, {"热", kRed}};
  const auto bars = Main().Get<ChartModel>("柱状图控件1").Points();
  ASSERT_EQ(bars.size(), 10u);
  for (int n = 1; n <= 10; ++n) {
    EXPECT_EQ(Grid().CellText(1, n), expected[n - 1].word) << n;
    EXPECT_EQ(Grid().TextColour(1, n), expected[n - 1].colour) << n;
    EXPECT_EQ(bars[n - 1], (ChartPoint{n < 10 ? "0" + std::to_string(n) : "10", double(counts[n - 1].second)})) << n;
    EXPECT_EQ(program.stats.HotNumbers.counts[n - 1][1], counts[n - 1].second) << n;
  }
  EXPECT_EQ(program.stats.HotNumbers.hotDigits, "370");
  EXPECT_EQ(Grid().CellText(1, 0), "370");
  EXPECT_EQ(program.stats.Recommendations[0], (RecommendationRowTexts{"370", "", "", "", "百期热码"}));
  EXPECT_EQ(program.plans.PositionTrace.size(), 100u);
  EXPECT_EQ(program.plans.HotColdFlags.size(), 29u);
}

TEST_F(HotNumbersTest, FewerThanAHundredDrawsCountFromTheFirstDraw) {
  for (int champion : {5, 5, 2, 9, 5, 1, 10, 10, 3, 3, 3, 3}) AddChampion(champion);
  ResetRecommendations(program);

  CountHotNumbers(program);

  EXPECT_EQ(program.stats.HotNumbers.counts[4][1], 3);
  EXPECT_EQ(program.stats.HotNumbers.counts[2][1], 4);
  EXPECT_EQ(program.plans.PositionTrace.size(), 12u);
  EXPECT_EQ(program.plans.HotColdFlags.size(), 11u);
  EXPECT_EQ(program.stats.HotNumbers.hotDigits, "");
  EXPECT_EQ(Grid().CellText(1, 5), "冷");
}

}  // namespace
}  // namespace pk
