#pragma once
// The desktop program started as pkcalc starts it, in a data folder of its own, with
// every web source pointing at an in-process simulator whose clock stands still at
// 10:03:10 operator time until a test moves it.
#include <QApplication>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <mutex>

#include "app/program.h"
#include "app/start_up.h"
#include "app/ui/main_window_controls.h"
#include "app/ui/ui_models.h"
#include "base/ini.h"
#include "base/web_sources.h"
#include "gui/desktop_startup.h"
#include "gui/gui_shell.h"
#include "gui/qt_platform.h"
#include "gui/screenshot.h"
#include "pk10sim/sim_server.h"
#include "settings/settings_file.h"

namespace pk::test {

inline const DateTime kShellSimStart = MakeDateTime(2026, 3, 1, 10, 3, 10);

// The desktop platform with the tray the test chooses, an end that is only counted (the
// test's own event loop goes on), and only this process running, so that another test
// program of the same name on the machine is no "second instance".
class ShellPlatform : public QtPlatform {
 public:
  bool tray = false;
  std::atomic<int> ends{0};
  bool HasSystemTray() override { return tray; }
  void EndProgram() override { ++ends; }
  std::vector<std::string> ProcessNames() override { return {OwnExecutableName()}; }
};

class ShellRun {
 public:
  explicit ShellRun(bool tray = false) {
    platform.tray = tray;
    server.Start();
    SaveWebSources(IniFile(SettingsFilePath(home.path().toStdString())), WebSources::AllAt(server.BaseAddress()));
    GuiOptions options;
    options.home = home.path();
    desktop = std::make_unique<DesktopProgram>(platform, options);
  }
  ~ShellRun() {
    desktop.reset();  // its jobs end first
    server.Stop();
  }

  Program& program() { return desktop->program(); }
  GuiShell& shell() { return desktop->shell(); }
  UiWindow& Main() { return program().ui().Window(kMainWindow); }
  WindowView* View(const std::string& window) { return shell().View(window); }
  template <class T>
  T* Widget(const std::string& window, const std::string& control) {
    ControlAdapter* adapter = View(window)->Adapter(control);
    return adapter ? qobject_cast<T*>(adapter->widget()) : nullptr;
  }
  // Lets the queued refreshes reach the widgets.
  bool Settle() { return WaitUntilIdle(shell(), {}, 5000); }
  // The draws held, or -1 while a job holds the draw lock (the GUI thread never waits).
  int HeldDraws() {
    std::unique_lock lock(program().drawLock, std::try_to_lock);
    return lock.owns_lock() ? static_cast<int>(program().history.size()) : -1;
  }
  // Start-up has loaded the stored extremes: the fetch button is enabled then.
  bool ExtremesLoaded() {
    return program().workers.Running() == 0 && Main().Get<ButtonModel>("按钮_获取数据").Enabled();
  }

  QTemporaryDir home;
  sim::SimServer server{sim::SimOptions{.seed = 5, .start = kShellSimStart, .speed = 0}};
  ShellPlatform platform;
  std::unique_ptr<DesktopProgram> desktop;
};

// Chooses a menu item through the window's real menu, as the user does.
inline void Choose(WindowView* view, const char* menu, const char* item) {
  QMenu* found = view->Menu(menu);
  QVERIFY(found);
  for (QAction* action : found->actions())
    if (action->text() == QString::fromUtf8(item)) return action->trigger();
  QFAIL(item);
}

}  // namespace pk::test
