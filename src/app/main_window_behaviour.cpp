#include "app/main_window_behaviour.h"

#include <vector>

#include "app/about_window.h"
#include "app/platform.h"
#include "app/program.h"
#include "app/ui/main_window_controls.h"
#include "app/ui/ui_models.h"
#include "base/numbers.h"

namespace pk {

namespace {

constexpr int kTipPart = 1;  // the second part of the status bar; the first carries messages

UiWindow& Main(Program& program) { return program.ui().Window(kMainWindow); }

// The icon of the newest champion; the program icon while there is none.
int ChampionIcon(const std::string& champion) {
  const int number = static_cast<int>(TextToNumber(champion));
  return number >= 1 && number <= 10 ? number : kProgramIcon;
}

// Closing the window: into the tray, or, with no tray to come back from, into the task bar.
bool RefuseClose(Program& program) {
  WindowModel& window = Main(program).Model();
  if (program.platform.HasSystemTray()) {
    window.SetVisible(false);
  } else {
    window.SetState(kWindowMinimised);
  }
  return false;
}

void StateChanged(Program& program, int state) {
  if (state == kWindowMinimised && program.platform.HasSystemTray()) Main(program).Model().SetVisible(false);
}

}  // namespace

void ShowNextTip(Program& program) {
  AppState& app = program.app;
  const std::vector<std::string> tips = app.Tips;
  if (tips.empty()) return;
  app.TipIndex += 1;
  if (app.TipIndex > static_cast<int32_t>(tips.size()) || app.TipIndex < 1) app.TipIndex = 1;
  Main(program).Get<StatusBarModel>("状态条1").SetPartText(kTipPart, tips[app.TipIndex - 1]);
}

void FlashTrayIcon(Program& program) {
  UiWindow& main = Main(program);
  if (main.Model().Visible()) {
    main.Get<TimerModel>(kTrayFlashTimer).SetPeriod(0);
    return;
  }
  TrayIconModel& tray = main.Get<TrayIconModel>(kTrayIcon);
  if (program.app.TrayFlashPhase != 1) {
    tray.SetIcon(kProgramIcon);
    program.app.TrayFlashPhase = 1;
  } else {
    tray.SetIcon(ChampionIcon(program.stats.LatestChampion));
    program.app.TrayFlashPhase = 0;
  }
}

void RestoreMainWindow(Program& program) {
  UiWindow& main = Main(program);
  WindowModel& window = main.Model();
  window.SetState(kWindowNormal);
  window.Show();
  window.BringToFront();
  main.Get<TrayIconModel>(kTrayIcon).SetIcon(kProgramIcon);
  main.Get<TimerModel>(kTrayFlashTimer).SetPeriod(0);
}

void HandleTrayEvent(Program& program, int code) {
  // A right click pops up the "文件" menu: the GUI does that from the icon's menu name.
  if (code != kTrayLeftClick) return;
  WindowModel& window = Main(program).Model();
  if (window.Visible()) {
    window.SetVisible(false);
  } else if (program.app.Locked == 0) {
    RestoreMainWindow(program);
  }
}

void AskExit(Program& program) {
  if (program.platform.ShowMessage(kExitQuestion, kExitTitle, MessageButtons::YesNo) != MessageAnswer::Yes) return;
  Main(program).Get<TrayIconModel>(kTrayIcon).Remove();
  program.platform.EndProgram();
}

void SetUpMainWindowBehaviour(Program& program) {
  UiWindow& main = Main(program);
  main.Get<TimerModel>(kTipTimer).OnTick([&program] { ShowNextTip(program); });
  main.Get<TimerModel>(kTrayFlashTimer).OnTick([&program] { FlashTrayIcon(program); });
  main.Get<TrayIconModel>(kTrayIcon).OnEvent([&program](int code) { HandleTrayEvent(program, code); });
  main.Model().OnCloseRequest([&program] { return RefuseClose(program); });
  main.Model().OnStateChange([&program](int state) { StateChanged(program, state); });
  main.OnMenu("退出", [&program] { AskExit(program); });
  main.OnMenu("关于软件", [&program] { ShowAboutWindow(program); });
}

}  // namespace pk
