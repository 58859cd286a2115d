#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "stats/recommendations.h"
#include "stats_test_support.h"

namespace pk {
namespace {

using test::StatsTest;

struct RecommendationsTest : StatsTest {
  void SetUp() override {
    AddChampion(5);
    ResetRecommendations(program);
  }
  ReportListModel& Box() { return Main().Get<ReportListModel>("推荐框"); }
  TimerModel& Flashing() { return Main().Get<TimerModel>("时钟_托盘图标闪动"); }
  TrayIconModel& Tray() { return Main().Get<TrayIconModel>("托盘图标"); }
  std::vector<std::string> Column(int column) {
    std::vector<std::string> texts;
    for (int i = 0; i < Box().ItemCount(); ++i) texts.push_back(Box().ItemText(i, column));
    return texts;
  }
  void HotRow(const std::string& digits) {
    program.stats.Recommendations[0] = {digits, "", "", "", "百期热码"};
  }
};

TEST_F(RecommendationsTest, AlertTextCountsTabsByGbkBytesAndLeavesOutTheHotRow) {
  HotRow("370");
  struct Case {
    std::string codes, tabs;
  };
  const std::vector<Case> cases = {
      {"12", "\t\t\t"},           // 2 bytes
      {"12345", "\t\t\t"},        // 5
      {"123456", "\t\t"},         // 6
      {"买：123456", "\t\t"},     // 10 in GBK, 12 in UTF-8
      {"买：1234567", "\t"},      // 11
  };
  std::string expected = "结果：05";
  for (const Case& c : cases) {
    AddRecommendation(program, c.codes, "9", "3", "6", "备注" + c.codes);
    expected += "\r\n" + c.codes + c.tabs + "备注" + c.codes;
  }

  ShowRecommendations(program);

  EXPECT_EQ(program.app.AlertText, expected);
  EXPECT_EQ(program.stats.RecommendationRow, 6);
  ASSERT_EQ(Box().ItemCount(), 6);
  EXPECT_EQ(Box().ItemTexts(0), (std::vector<std::string>{"370", "", "", "", "百期热码"}));
  EXPECT_EQ(Box().ItemTexts(5), (std::vector<std::string>{"买：1234567", "9", "3", "6", "备注买：1234567"}));
  EXPECT_EQ(Flashing().Period(), 600);
}

TEST_F(RecommendationsTest, OnlyTheHotRowStopsTheFlashingAndRestoresTheIcon) {
  HotRow("370");
  Flashing().SetPeriod(600);
  Tray().SetIcon(5);

  ShowRecommendations(program);

  EXPECT_EQ(program.app.AlertText, "结果：05");
  EXPECT_EQ(Box().ItemCount(), 1);
  EXPECT_EQ(Flashing().Period(), 0);
  EXPECT_EQ(Tray().Icon(), kProgramIcon);
}

TEST_F(RecommendationsTest, WithoutHotDigitsTheFirstAddedRowTakesTheFirstPlace) {
  HotRow("");
  AddRecommendation(program, "12", "9", "3", "6", "二码遗漏");
  EXPECT_EQ(program.stats.RecommendationRow, 1);
  EXPECT_EQ(program.stats.Recommendations.size(), 1u);

  ShowRecommendations(program);

  EXPECT_EQ(Box().ItemTexts(0), (std::vector<std::string>{"12", "9", "3", "6", "二码遗漏"}));
  EXPECT_EQ(program.app.AlertText, "结果：05");
  EXPECT_EQ(Flashing().Period(), 0);
}

TEST_F(RecommendationsTest, ResetEmptiesTableAndBox) {
  AddRecommendation(program, "12", "9", "3", "6", "二码遗漏");
  AddRecommendation(program, "34", "9", "3", "6", "二码遗漏");
  ShowRecommendations(program);

  ResetRecommendations(program);

  EXPECT_EQ(program.stats.Recommendations, (std::vector<RecommendationRowTexts>{{}}));
  EXPECT_EQ(program.stats.RecommendationRow, 1);
  EXPECT_EQ(Box().ItemCount(), 0);
}

TEST_F(RecommendationsTest, ColumnClickSortsTheBoxOnlyAsNumbersOrText) {
  HotRow("370");
  AddRecommendation(program, "12", "20", "10", "10", "二码遗漏");
  AddRecommendation(program, "345", "12", "9", "3", "三码遗漏");
  AddRecommendation(program, "买：4", "", "", "", "天空九码");
  AddRecommendation(program, "67", "15", "10", "5", "二码遗漏");
  ShowRecommendations(program);

  Box().ClickColumn(2);  // current omission, as numbers: "9" before "10"

  // Empty counts as 0; rows with equal values come out reversed.
  EXPECT_EQ(Column(0), (std::vector<std::string>{"买：4", "370", "345", "67", "12"}));
  EXPECT_EQ(program.stats.Recommendations[1][0], "12");  // the table keeps its order

  Box().ClickColumn(4);  // remarks, as text in GBK byte order
  EXPECT_EQ(Column(4), (std::vector<std::string>{"百期热码", "二码遗漏", "二码遗漏", "三码遗漏", "天空九码"}));
}

TEST_F(RecommendationsTest, ColumnClickOnABoxWithOneRowDoesNothing) {
  HotRow("370");
  ShowRecommendations(program);
  Box().ClickColumn(0);
  EXPECT_EQ(Box().ItemTexts(0), (std::vector<std::string>{"370", "", "", "", "百期热码"}));
}

}  // namespace
}  // namespace pk
