// The main window's own behaviour: the tip line, the flashing tray icon, the tray clicks,
// closing and minimising with and without a system tray, exit and the about window.
#include <gtest/gtest.h>

#include <string>

#include "app/about_window.h"
#include "app/main_window_behaviour.h"
#include "app/program.h"
#include "app/recording_platform.h"
#include "app/ui/main_window_controls.h"
#include "app/ui/ui_models.h"

namespace pk {
namespace {

struct MainWindowBehaviourTest : testing::Test {
  RecordingPlatform platform;
  Program program{platform, ""};
  UiWindow& main = program.ui().Window(kMainWindow);
  WindowModel& window = main.Model();
  TrayIconModel& tray = main.Get<TrayIconModel>(kTrayIcon);
  TimerModel& flashing = main.Get<TimerModel>(kTrayFlashTimer);

  MainWindowBehaviourTest() { window.Show(); }
  std::string TipShown() { return main.Get<StatusBarModel>("状态条1").PartText(1); }
};

TEST_F(MainWindowBehaviourTest, TipsShowInTurnAndWrapToTheFirst) {
  TimerModel& tips = main.Get<TimerModel>(kTipTimer);
  tips.SetPeriod(10000);
  tips.Tick();  // no tips yet: nothing
  EXPECT_EQ(TipShown(), "");
  EXPECT_EQ(program.app.TipIndex, 0);

  program.app.Tips = {"a", "b", "c"};
  std::string seen;
  for (int i = 0; i < 5; ++i) {
    tips.Tick();
    seen += TipShown();
  }
  EXPECT_EQ(seen, "abcab");
  EXPECT_EQ(main.Get<StatusBarModel>("状态条1").PartText(0), "");  // messages keep their part

  program.app.Tips = {"x"};  // a shorter list from a later bulletin read
  tips.Tick();
  EXPECT_EQ(TipShown(), "x");
}

TEST_F(MainWindowBehaviourTest, FlashingAlternatesTheProgramAndChampionIconsWhileHiddenAndStopsWhenShown) {
  program.stats.LatestChampion = "07";
  flashing.SetPeriod(600);
  window.SetVisible(false);
  std::vector<int> icons;
  for (int i = 0; i < 4; ++i) {
    flashing.Tick();
    icons.push_back(tray.Icon());
  }
  EXPECT_EQ(icons, (std::vector<int>{kProgramIcon, 7, kProgramIcon, 7}));

  window.Show();
  flashing.Tick();
  EXPECT_FALSE(flashing.Running());
  EXPECT_EQ(tray.Icon(), 7);  // the click that shows the window puts the program icon back
}

TEST_F(MainWindowBehaviourTest, TrayLeftClickTogglesTheWindowUnlessLocked) {
  tray.RaiseEvent(kTrayLeftClick);
  EXPECT_FALSE(window.Visible());

  tray.SetIcon(4);
  flashing.SetPeriod(600);
  window.SetState(kWindowMinimised);
  program.app.Locked = 1;
  tray.RaiseEvent(kTrayLeftClick);
  EXPECT_FALSE(window.Visible());
  EXPECT_EQ(tray.Icon(), 4);

  program.app.Locked = 0;
  const int fronts = window.FrontRequests();
  tray.RaiseEvent(kTrayLeftClick);
  EXPECT_TRUE(window.Visible());
  EXPECT_EQ(window.State(), kWindowNormal);
  EXPECT_EQ(window.FrontRequests(), fronts + 1);
  EXPECT_EQ(tray.Icon(), kProgramIcon);
  EXPECT_FALSE(flashing.Running());

  tray.RaiseEvent(kTrayRightClick);  // the GUI pops up the menu named by the icon
  EXPECT_TRUE(window.Visible());
  EXPECT_EQ(tray.Menu(), "文件");
}

TEST_F(MainWindowBehaviourTest, CloseAndMinimiseHideIntoTheTray) {
  EXPECT_FALSE(window.RequestClose());
  EXPECT_FALSE(window.Visible());
  EXPECT_EQ(platform.EndRequests(), 0);

  window.Show();
  window.ChangeState(kWindowMinimised);
  EXPECT_FALSE(window.Visible());
}

TEST_F(MainWindowBehaviourTest, WithoutATrayCloseAndMinimiseLeaveTheWindowInTheTaskBar) {
  platform.SetSystemTray(false);
  EXPECT_FALSE(window.RequestClose());
  EXPECT_TRUE(window.Visible());
  EXPECT_EQ(window.State(), kWindowMinimised);

  window.ChangeState(kWindowNormal);
  window.ChangeState(kWindowMinimised);
  EXPECT_TRUE(window.Visible());
  EXPECT_EQ(platform.EndRequests(), 0);
}

TEST_F(MainWindowBehaviourTest, ExitAsksAndEndsOnlyOnYes) {
  tray.Add(kProgramIcon, "tip");
  main.ChooseMenu("退出");  // unanswered: No
  EXPECT_EQ(platform.EndRequests(), 0);
  EXPECT_TRUE(tray.Present());

  platform.QueueAnswer(MessageAnswer::Yes);
  main.ChooseMenu("退出");
  EXPECT_EQ(platform.EndRequests(), 1);
  EXPECT_FALSE(tray.Present());
  ASSERT_EQ(platform.Messages().size(), 2u);
  for (const auto& message : platform.Messages()) {
    EXPECT_EQ(message.text, "是否退出程序？");
    EXPECT_EQ(message.title, "退出");
    EXPECT_EQ(message.buttons, MessageButtons::YesNo);
  }
}

TEST_F(MainWindowBehaviourTest, AboutOpensModalWithTheVersionAndClosesOnItsButton) {
  program.app.ProgramVersion = "1.0.1.90";
  UiWindow& about = program.ui().Window(kAboutWindow);
  EXPECT_FALSE(about.Model().Visible());
  main.ChooseMenu("关于软件");
  EXPECT_TRUE(about.Model().Visible());
  EXPECT_TRUE(about.Model().Modal());
  EXPECT_EQ(about.Model().Caption(), "关于软件");
  EXPECT_EQ(about.Get<LabelModel>("标签_版本").Text(), "版本：1.0.1.90");
  about.Get<ButtonModel>(kAboutCloseButton).Click();
  EXPECT_FALSE(about.Model().Visible());
}

}  // namespace
}  // namespace pk
