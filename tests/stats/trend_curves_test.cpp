#include <gtest/gtest.h>

#include <vector>

#include "stats/trend_curves.h"
#include "stats_test_support.h"

namespace pk {
namespace {

using test::StatsTest;

struct TrendCurvesTest : StatsTest {
  std::vector<double> Values(const char* chart) {
    std::vector<double> values;
    for (const ChartPoint& point : Main().Get<ChartModel>(chart).Points()) values.push_back(point.value);
    return values;
  }
};

TEST_F(TrendCurvesTest, ThirtyNewestDrawsWithSpansReachingBeforeTheWindow) {
  // Draw 1 (champion 10) lies outside the window; draw 2 is the oldest plotted.
  std::vector<int> champions = {10, 3, 10, 3, 3};
  while (champions.size() < 31) champions.push_back(champions.size() % 10 + 1);
  for (int c : champions) AddChampion(c);

  ShowTrendCurves(program);

  const std::vector<double> plotted = Values("曲线图控件_奖号");
  const std::vector<double> spans = Values("曲线图控件_跨度");
  ASSERT_EQ(plotted.size(), 30u);
  ASSERT_EQ(spans.size(), 30u);
  EXPECT_EQ(plotted.front(), 3);
  EXPECT_EQ(plotted.back(), champions.back());
  EXPECT_EQ((std::vector<double>(spans.begin(), spans.begin() + 4)), (std::vector<double>{7, 7, 7, 0}));
  const auto& points = program.stats.TrendCurvePoints;
  EXPECT_EQ(points[0], (std::array<int32_t, 2>{3, 7}));
  EXPECT_EQ(points[29][0], champions.back());
}

TEST_F(TrendCurvesTest, FewerDrawsPlotWhatThereIsWithAZeroFirstSpan) {
  for (int c : {4, 9, 2}) AddChampion(c);
  program.stats.TrendCurvePoints[5] = {8, 8};

  ShowTrendCurves(program);

  EXPECT_EQ(Values("曲线图控件_奖号"), (std::vector<double>{4, 9, 2}));
  EXPECT_EQ(Values("曲线图控件_跨度"), (std::vector<double>{0, 5, 7}));
  EXPECT_EQ(program.stats.TrendCurvePoints[5], (std::array<int32_t, 2>{0, 0}));
}

}  // namespace
}  // namespace pk
