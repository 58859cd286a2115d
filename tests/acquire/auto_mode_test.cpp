#include <gtest/gtest.h>

#include "acquire/auto_mode.h"
#include "acquire/day_fetch.h"
#include "acquire_fixture.h"
#include "page_server.h"

namespace pk {
namespace {

struct AutoModeTest : test::ProgramFixture {
  test::PageServer server;
  AutoModeTest() { program.sources = WebSources::AllAt(server.Base()); }

  ButtonModel& Button() { return Main().Get<ButtonModel>("按钮_自动"); }
  TimerModel& Timer() { return Main().Get<TimerModel>("时钟_倒计时"); }
  std::string Label() { return Main().Get<LabelModel>("标签_倒计时").Text(); }
  bool DayControlsEnabled() {
    return Main().Find("日期框").Enabled() && Main().Find("单选框_冠军").Enabled() && Main().Find("单选框_期号").Enabled();
  }
};

TEST_F(AutoModeTest, StartingWithoutDrawsAsksForThemFirst) {
  Button().Click();
  ASSERT_EQ(platform.Messages().size(), 1u);
  EXPECT_EQ(platform.Messages()[0].text, "请先获取数据！");
  EXPECT_EQ(program.app.AutoMode, 0);
  EXPECT_FALSE(Timer().Running());
  EXPECT_EQ(Button().Caption(), "自动");
}

TEST_F(AutoModeTest, StartAndStopFollowTheServerClockOfTheBulletin) {
  LoadDay({{"123456", test::Rotated(2)}});
  server.Set("/pkcalc/notice.html", {"<p>最新版本-[1]</p>", 200, "Sat, 01 Mar 2014 02:02:40 GMT"});
  Button().Click();
  EXPECT_EQ(program.app.AutoMode, 1);
  EXPECT_EQ(Button().Caption(), "停止");
  EXPECT_FALSE(DayControlsEnabled());
  EXPECT_EQ(Timer().Period(), 1000);
  EXPECT_EQ(program.stats.Countdown, 310);  // 10:02:40 on the server

  // While it runs, the day fetch refuses.
  Main().Get<ButtonModel>("按钮_获取数据").Click();
  EXPECT_EQ(platform.Messages().back().text, "请先停止自动！");
  EXPECT_EQ(program.history.size(), 1u);

  Button().Click();
  EXPECT_EQ(program.app.AutoMode, 0);
  EXPECT_EQ(Button().Caption(), "自动");
  EXPECT_EQ(Label(), "点击自动");
  EXPECT_TRUE(DayControlsEnabled());
  EXPECT_FALSE(Timer().Running());
}

TEST_F(AutoModeTest, TheTimerCountsDownAndAtZeroStartsAFeedStep) {
  LoadDay({{"123456", test::Rotated(2)}});
  Timer().SetPeriod(1000);
  program.stats.Countdown = 2;
  Timer().Tick();
  EXPECT_EQ(Label(), "1 秒");
  Timer().Tick();
  EXPECT_EQ(Label(), "0 秒");
  EXPECT_TRUE(server.Requests().empty());

  Timer().Tick();  // zero: the step starts and the next one is 299 seconds away
  program.workers.WaitIdle();
  ASSERT_FALSE(server.Requests().empty());
  EXPECT_TRUE(server.Requests().front().starts_with("/pk10/ajax?"));
  EXPECT_EQ(program.stats.Countdown, 299);  // the answers (404) carried no server time
}

}  // namespace
}  // namespace pk
