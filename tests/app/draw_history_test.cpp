#include <gtest/gtest.h>

#include "acquire/draw_intake.h"
#include "app/draw_history.h"
#include "app/recording_platform.h"
#include "support/temp_home.h"
#include "app/ui/ui_models.h"

namespace pk {
namespace {

// Ten number texts from "03 07 01 ..." shorthand.
std::array<std::string, 10> Order(std::initializer_list<int> cars) {
  std::array<std::string, 10> numbers;
  int i = 0;
  for (int car : cars) numbers[i++] = (car < 10 ? "0" : "") + std::to_string(car);
  return numbers;
}

std::string DayFields(const std::array<std::string, 10>& numbers, const std::string& period) {
  std::string text;
  for (const auto& n : numbers) text += n + " ";
  return text + " " + period + "  ";
}

struct HistoryTest : testing::Test {
  test::TempHome home;
  RecordingPlatform platform;
  Program program{platform, home.Path()};
};

TEST(ChampionGapTest, ShorterWayAroundTheCircle) {
  struct Case { int previous, current, gap; };
  for (const Case& c : {Case{10, 1, 0}, Case{1, 10, 0}, Case{1, 7, 3}, Case{1, 6, 4}, Case{3, 3, 0},
                        Case{7, 1, 3}, Case{2, 9, 2}, Case{5, 6, 0}, Case{6, 1, 4}}) {
    EXPECT_EQ(ChampionGap(c.previous, c.current), c.gap) << c.previous << " then " << c.current;
  }
}

TEST_F(HistoryTest, DayLoadCompletesRowsAndDropsIncompleteTail) {
  const std::string answer = DayFields(Order({3, 7, 1, 10, 5, 2, 9, 4, 6, 8}), "100") +
                             DayFields(Order({10, 3, 7, 1, 5, 2, 9, 4, 6, 8}), "101") +
                             DayFields(Order({1, 3, 7, 10, 5, 2, 9, 4, 6, 8}), "102") + "01 02 03";
  ASSERT_TRUE(LoadDayAnswer(program, answer));

  ASSERT_EQ(program.stats.DrawCount, 3);
  EXPECT_EQ(program.stats.LatestPeriod, "102");
  EXPECT_EQ(program.stats.LatestChampion, "01");
  EXPECT_EQ(program.history[0][kPrevPositionColumn], "");
  EXPECT_EQ(program.history[1][kChampionDigitColumn], "0");  // car 10
  EXPECT_EQ(program.history[1][kPrevPositionColumn], "4");   // car 10 stood fourth
  EXPECT_EQ(program.history[2][kPrevPositionColumn], "4");   // car 1 stood fourth
  EXPECT_EQ(program.plans.ChampionGapSeries, (std::vector<int32_t>{2, 0}));  // 3 -> 10, 10 -> 1
  EXPECT_EQ(program.ui().Window("MainWindow").Get<EditModel>("开奖结果框").Text(),
            "100 | 03 07 01 10 05 02 09 04 06 08 | 03\r\n"
            "101 | 10 03 07 01 05 02 09 04 06 08 | 10\r\n"
            "102 | 01 03 07 10 05 02 09 04 06 08 | 01\r\n");
}

TEST_F(HistoryTest, PreviousPositionTenIsWrittenAsZero) {
  ASSERT_TRUE(LoadDayAnswer(program, DayFields(Order({3, 7, 1, 10, 5, 2, 9, 4, 6, 8}), "1")));
  AppendFeedDraw(program, Order({8, 1, 2, 3, 4, 5, 6, 7, 9, 10}), "2");
  EXPECT_EQ(program.history[1][kPrevPositionColumn], "0");
  EXPECT_EQ(program.plans.ChampionGapSeries, (std::vector<int32_t>{4}));  // 3 -> 8
}

TEST_F(HistoryTest, AnswerWithoutCompleteDrawChangesNothing) {
  EXPECT_FALSE(LoadDayAnswer(program, ""));
  EXPECT_FALSE(LoadDayAnswer(program, "01 02 03 04 05 06 07 08 09 10  1"));
  EXPECT_EQ(program.stats.DrawCount, 0);
}

TEST_F(HistoryTest, AppendedDrawUpdatesHeaderHitsAndResultsBox) {
  SetTrendCandidates(program, kFiveCodes, {"12345", "67890"});
  ASSERT_TRUE(LoadDayAnswer(program, DayFields(Order({3, 7, 1, 10, 5, 2, 9, 4, 6, 8}), "123455")));
  AppendFeedDraw(program, Order({10, 7, 1, 3, 5, 2, 9, 4, 6, 8}), "123456");

  EXPECT_EQ(program.stats.DrawCount, 2);
  EXPECT_EQ(program.stats.LatestPeriod, "123456");
  EXPECT_EQ(program.stats.LatestChampion, "10");
  const TrendHitTable& five = program.trend.HitTables[kFiveCodes];
  ASSERT_EQ(five.Rows(), 2);
  EXPECT_EQ(five.Hit(0, 0), 1);  // "3" in 12345
  EXPECT_EQ(five.Hit(0, 1), 2);
  EXPECT_EQ(five.Hit(1, 0), 2);  // "0" not in 12345
  EXPECT_EQ(five.Hit(1, 1), 1);
  EXPECT_EQ(five.Hit(1, 2), 2);  // an empty candidate never holds the champion
  EXPECT_EQ(program.trend.HitTables[kSixCodes].Rows(), 2);

  auto& results = program.ui().Window("MainWindow").Get<EditModel>("开奖结果框");
  EXPECT_EQ(results.LineDownCount(), 1);
  const auto objects = program.ui().Window("MainWindow").Get<AnimationModel>("动画框1").Objects();
  ASSERT_EQ(objects.size(), 10u);
  EXPECT_EQ(objects[0], (AnimationObject{9, 4, 5}));     // car 10 first
  EXPECT_EQ(objects[9], (AnimationObject{7, 265, 5}));  // car 8 last, x = 9 * 29 + 4
}

TEST_F(HistoryTest, ResultLineRepeatsTheChampion) {
  DrawRecord row;
  const auto numbers = Order({3, 7, 1, 10, 5, 2, 9, 4, 6, 8});
  for (int c = 1; c <= 10; ++c) row[c] = numbers[c - 1];
  row[kPeriodColumn] = "123456";
  EXPECT_EQ(ResultLine(row), "123456 | 03 07 01 10 05 02 09 04 06 08 | 03\r\n");
}

TEST_F(HistoryTest, ResetEmptiesHistoryAndHitTables) {
  ASSERT_TRUE(LoadDayAnswer(program, DayFields(Order({3, 7, 1, 10, 5, 2, 9, 4, 6, 8}), "1")));
  ResetHistory(program);
  EXPECT_EQ(program.stats.DrawCount, 0);
  EXPECT_TRUE(program.history.empty());
  for (const auto& table : program.trend.HitTables) EXPECT_EQ(table.Rows(), 0);
}

}  // namespace
}  // namespace pk
