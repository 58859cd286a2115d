#include "plans/bet_plan.h"

#include <gmock/gmock.h>

#include "plans_fixture.h"

namespace pk::test {
namespace {

using Rows = std::vector<std::vector<std::string>>;

struct BetPlanTest : PlansTest {
  // Chooses the items as the user does and clicks "生成".
  Rows Generate(int numbers, int periods, const std::string& factor, const std::string& stake) {
    Main().Get<ComboModel>("号数").Select(numbers - 1);
    Main().Get<ComboModel>("期数").Select(periods - 1);
    Main().Get<EditModel>("倍数框").SetText(factor);
    Main().Get<EditModel>("单注金额框").SetText(stake);
    Main().Get<ButtonModel>("按钮_生成").Click();
    return Main().Get<ReportListModel>("模式框").Rows();
  }
};

TEST_F(BetPlanTest, RowsOfStakeTotalAndProfit) {
  struct Case {
    int numbers, periods;
    std::string factor, stake;
    Rows rows;
  };
  const std::vector<Case> cases = {
      {1, 4, "2", "100",
       {{"1", "1", "100", "100", "900"},
        {"2", "2", "200", "300", "1700"},
        {"3", "4", "400", "700", "3300"},
        {"4", "8", "800", "1500", "6500"}}},
      {3, 2, "2", "10", {{"1", "1", "30", "30", "70"}, {"2", "2", "60", "90", "110"}}},
      // trunc(1 x 1.5) = 1: the multiplier never grows.
      {1, 3, "1.5", "100", {{"1", "1", "100", "100", "900"}, {"2", "1", "100", "200", "800"}, {"3", "1", "100", "300", "700"}}},
      {1, 1, "2", "2.5", {{"1", "1", "2", "2", "23"}}},  // B = 2, W = 25
  };
  for (const Case& c : cases) EXPECT_EQ(Generate(c.numbers, c.periods, c.factor, c.stake), c.rows) << c.factor << " " << c.stake;
}

TEST_F(BetPlanTest, FactorThreeMultipliesByThree) {
  const Rows rows = Generate(1, 4, "3", "100");
  ASSERT_EQ(rows.size(), 4u);
  EXPECT_EQ((std::vector<std::string>{rows[0][1], rows[1][1], rows[2][1], rows[3][1]}),
            (std::vector<std::string>{"1", "3", "9", "27"}));
}

TEST_F(BetPlanTest, SteepFactorKeepsGrowingPastThirtyTwoBits) {
  const Rows rows = Generate(9, 20, "10", "100");
  ASSERT_EQ(rows.size(), 20u);
  EXPECT_EQ(rows[19][1], "10000000000000000000");
  for (size_t i = 1; i < rows.size(); ++i) {
    EXPECT_NE(rows[i][2].front(), '-') << i;
    EXPECT_GT(std::stod(rows[i][3]), std::stod(rows[i - 1][3])) << i;
  }
}

TEST_F(BetPlanTest, EmptyInputsAreRefusedAfterTheListIsEmptied) {
  Generate(1, 4, "2", "100");
  EXPECT_TRUE(Generate(1, 4, "", "100").empty());
  EXPECT_TRUE(Generate(1, 4, "2", "").empty());
  const auto messages = platform.Messages();
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[0].text, "倍数不能为空!");
  EXPECT_EQ(messages[1].text, "请输入单注金额");
}

TEST_F(BetPlanTest, StartsWithOneNumberOverTenPeriods) {
  Main().Get<ButtonModel>("按钮_生成").Click();
  const Rows rows = Main().Get<ReportListModel>("模式框").Rows();
  ASSERT_EQ(rows.size(), 10u);
  EXPECT_EQ(rows[9], (std::vector<std::string>{"10", "512", "51200", "102300", "409700"}));
}

TEST_F(BetPlanTest, RadiosSwitchWhichListIsOnTop) {
  auto& box = Main().Get<ReportListModel>("推荐框");
  Main().Get<ButtonModel>("单选框_计算").Click();
  EXPECT_EQ(box.StackOrder(), Stacking::Bottom);
  Main().Get<ButtonModel>("单选框_推荐").Click();
  EXPECT_EQ(box.StackOrder(), Stacking::Top);
}

}  // namespace
}  // namespace pk::test
