// Automatic mode against the simulator: the JSON feed, the bulletin catch-up, the
// countdown from the servers' "Date:" headers, and every failure switch survived.
#include <chrono>

#include "base/page_fetcher.h"
#include "e2e_fixture.h"

namespace pk {
namespace {

struct AutoModeE2eTest : test::SimFixture {
  void SetUp() override {
    SimFixture::SetUp();
    DayFetch();
    ASSERT_EQ(program->history.size(), 200u);
  }
};

TEST_F(AutoModeE2eTest, FollowsTheDrawsWithTheCountdownOfTheServerClock) {
  Main().Get<ButtonModel>("按钮_自动").Click();
  EXPECT_EQ(program->app.AutoMode, 1);
  EXPECT_EQ(program->stats.Countdown, 280);  // 10:03:10 -> 10:07:30, plus 20
  EXPECT_FALSE(program->app.Tips.empty());   // the online bulletin was read on the way
  const int64_t before = NewestHeld();

  // The timer counts down one second per tick and shows it.
  Main().Get<TimerModel>("时钟_倒计时").Tick();
  EXPECT_EQ(Main().Get<LabelModel>("标签_倒计时").Text(), "279 秒");

  At(10, 7, 50);  // the 10:07:30 draw is out
  FeedStep();
  EXPECT_EQ(NewestHeld(), before + 1);
  EXPECT_EQ(program->stats.Countdown, 300);  // 10:07:50 -> 10:12:30, plus 20
  EXPECT_EQ(incrementalPasses, 1);
  ExpectHistoryMatchesSimulator();

  At(10, 12, 45);  // a step on time finds the next one
  FeedStep();
  EXPECT_EQ(NewestHeld(), before + 2);
  EXPECT_EQ(program->stats.Countdown, 305);

  At(10, 12, 58);  // nothing new: the same period again leads to the bulletin, which adds nothing
  FeedStep();
  EXPECT_EQ(NewestHeld(), before + 2);
  EXPECT_EQ(incrementalPasses, 3);  // the pass after the bulletin runs all the same

  At(23, 58, 0);  // after the day's last draw the countdown runs to tomorrow's first
  FeedStep();
  EXPECT_EQ(program->stats.Countdown, 32990);
  ExpectHistoryMatchesSimulator();
}

TEST_F(AutoModeE2eTest, AMissedDrawComesFromTheBulletinOldestFirst) {
  const int64_t before = NewestHeld();
  At(10, 12, 50);  // two draws out (10:07:30, 10:12:30): the JSON service names the second
  FeedStep();
  EXPECT_EQ(NewestHeld(), before + 2);
  ExpectHistoryMatchesSimulator();
  EXPECT_TRUE(Results().ends_with(ResultLine(program->history[200]) + ResultLine(program->history[201])));
  EXPECT_EQ(incrementalPasses, 1);
  EXPECT_EQ(program->stats.Countdown, 300);  // from the bulletin answer's "Date:"

  At(10, 17, 50);  // the JSON service answering a period ahead of its newest draw
  server.SetFailure("/pk10/ajax", sim::FailMode::Skip);
  FeedStep();
  EXPECT_EQ(NewestHeld(), before + 3);
  ExpectHistoryMatchesSimulator();
}

TEST_F(AutoModeE2eTest, EveryFailureSwitchIsSurvivedAndTheNextStepCatchesUp) {
  SetPageFetcherTimeout(std::chrono::seconds(2));
  server.SetHangLimit(std::chrono::seconds(4));
  const std::vector<sim::FailMode> modes = {sim::FailMode::Refuse, sim::FailMode::Hang, sim::FailMode::Error500,
                                            sim::FailMode::Truncate, sim::FailMode::Garbage};
  int minute = 7;
  for (sim::FailMode mode : modes) {
    const std::string before = Results();
    const size_t held = program->history.size();
    server.SetFailure("/pk10/ajax", mode);
    server.SetFailure("/bulletin/trax.html", mode);
    At(10, minute, 50);
    FeedStep();
    EXPECT_EQ(program->history.size(), held) << sim::FailModeName(mode);
    EXPECT_EQ(Results(), before) << sim::FailModeName(mode);
    server.ClearFailures();
    FeedStep();
    EXPECT_EQ(program->history.size(), held + 1) << sim::FailModeName(mode);
    minute += 5;
  }
  // A page padded to 50 MB still holds its draw.
  server.SetFailure("/pk10/ajax", sim::FailMode::Huge);
  At(10, minute, 50);
  FeedStep();
  ExpectHistoryMatchesSimulator();
  EXPECT_EQ(NewestHeld(), server.NewestPeriod());
  EXPECT_TRUE(platform.Messages().empty());  // automatic mode stays silent
  SetPageFetcherTimeout(std::chrono::seconds(18));
}

TEST_F(AutoModeE2eTest, TheKillFeedKeepsItsGridWhenTheServiceFails) {
  GridModel& grid = Main().Get<GridModel>("高级表格_杀一码");
  const std::string period = grid.CellText(100, 0);
  server.SetFailure("//ajax/shahao/PK10/100/n1", sim::FailMode::Garbage);
  Main().Get<ButtonModel>("按钮_九码一刷新").Click();
  program->workers.WaitIdle();
  EXPECT_EQ(grid.CellText(100, 0), period);
  server.ClearFailures();
  At(10, 7, 50);
  Main().Get<ButtonModel>("按钮_九码一刷新").Click();
  program->workers.WaitIdle();
  EXPECT_EQ(grid.CellText(100, 0), std::to_string(server.NewestPeriod() + 1));
}

}  // namespace
}  // namespace pk
