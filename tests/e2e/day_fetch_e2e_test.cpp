// The day fetch against the simulator, through the companion library's scrapers.
#include "e2e_fixture.h"

namespace pk {
namespace {

using DayFetchE2eTest = test::SimFixture;

TEST_F(DayFetchE2eTest, LoadsTheBulletinPagesAndRunsTheFullPass) {
  DayFetch();
  ASSERT_EQ(program->history.size(), 200u);  // four bulletin pages of 50 draws
  ExpectHistoryMatchesSimulator();
  EXPECT_EQ(NewestHeld(), server.NewestPeriod());
  EXPECT_EQ(program->stats.LatestPeriod, std::to_string(server.NewestPeriod()));
  EXPECT_EQ(program->stats.DrawCount, 200);
  EXPECT_EQ(program->history.front()[kPrevPositionColumn], "");
  EXPECT_EQ(program->plans.ChampionGapSeries.size(), 199u);
  EXPECT_EQ(fullPasses, 1);
  EXPECT_TRUE(Main().Get<ButtonModel>("按钮_获取数据").Enabled());
  EXPECT_TRUE(Main().Get<ButtonModel>("按钮_自动").Enabled());
  EXPECT_TRUE(Results().ends_with(ResultLine(program->history.back())));
  EXPECT_EQ(Split(Results(), "\r\n").size(), 201u);

  // The full pass filled the kill feed grid from the forecast service.
  GridModel& grid = Main().Get<GridModel>("高级表格_杀一码");
  ASSERT_EQ(grid.RowCount(), 105);
  EXPECT_EQ(grid.CellText(99, 0), std::to_string(server.NewestPeriod()));
  EXPECT_EQ(grid.CellText(100, 0), std::to_string(server.NewestPeriod() + 1));
  EXPECT_EQ(grid.CellText(104, 0), "最大连错");
  EXPECT_FALSE(grid.CellText(100, 2).empty());
  EXPECT_TRUE(platform.Messages().empty());
}

TEST_F(DayFetchE2eTest, FallsBackToTheDrawPageAndReportsWhenBothFail) {
  server.SetFailure("/bulletin/trax.html", sim::FailMode::Error500);
  DayFetch();
  ASSERT_EQ(program->history.size(), 179u);  // the draw page's rows
  ExpectHistoryMatchesSimulator();
  EXPECT_TRUE(platform.Messages().empty());

  server.SetFailure("/pk10/kaijiang/", sim::FailMode::Garbage);
  DayFetch();
  EXPECT_TRUE(program->history.empty());
  EXPECT_EQ(Results(), "");
  ASSERT_FALSE(platform.Messages().empty());
  EXPECT_EQ(platform.Messages().back().text, "获取数据失败，请重新获取！");
  EXPECT_TRUE(Main().Get<ButtonModel>("按钮_获取数据").Enabled());
  EXPECT_EQ(fullPasses, 1);
}

}  // namespace
}  // namespace pk
