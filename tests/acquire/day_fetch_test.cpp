#include <gtest/gtest.h>

#include "acquire/day_fetch.h"
#include "acquire_fixture.h"

namespace pk {
namespace {

struct DayFetchTest : test::ProgramFixture {
  ButtonModel& FetchButton() { return Main().Get<ButtonModel>("按钮_获取数据"); }
  ButtonModel& AutoButton() { return Main().Get<ButtonModel>("按钮_自动"); }
};

TEST_F(DayFetchTest, ThePeriodModeLoadsNothingAndRunsNoPass) {
  LoadDay({{"123456", test::Rotated(2)}, {"123457", test::Rotated(3)}});
  Main().Get<ButtonModel>("单选框_期号").Click();
  FetchButton().Click();
  program.workers.WaitIdle();
  EXPECT_TRUE(program.history.empty());
  EXPECT_EQ(program.stats.DrawCount, 0);
  EXPECT_TRUE(program.plans.ChampionGapSeries.empty());
  EXPECT_EQ(Results(), "");
  EXPECT_EQ(Main().Get<StatusBarModel>("状态条1").PartText(0), kPeriodModeUnsupported);
  EXPECT_TRUE(FetchButton().Enabled());
  EXPECT_TRUE(AutoButton().Enabled());
  EXPECT_EQ(fullPasses, 0);
  EXPECT_TRUE(program.drawLock.try_lock());
  program.drawLock.unlock();
}

TEST_F(DayFetchTest, TheClickDisablesBothButtonsUntilTheWorkerEnds) {
  Main().Get<ButtonModel>("单选框_期号").Click();
  std::unique_lock hold(program.drawLock);  // a feed step still running
  FetchButton().Click();
  EXPECT_FALSE(FetchButton().Enabled());
  EXPECT_FALSE(AutoButton().Enabled());
  hold.unlock();
  program.workers.WaitIdle();
  EXPECT_TRUE(FetchButton().Enabled());
  EXPECT_TRUE(AutoButton().Enabled());
}

}  // namespace
}  // namespace pk
