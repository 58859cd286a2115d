#include "gui/screenshot.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPixmap>
#include <QThread>
#include <cstdio>
#include <memory>
#include <mutex>

#include "acquire/help_window.h"
#include "app/program.h"
#include "app/ui/main_window_controls.h"
#include "app/ui/ui_models.h"
#include "gui/gui_options.h"
#include "gui/gui_shell.h"
#include "gui/program_windows.h"
#include "gui/qt_text.h"
#include "settings/settings_window.h"
#include "stats/log_window.h"
#include "workshop/extremes_window.h"

namespace pk {

namespace {

// How long the demo may take for its day fetch and live draws, and the extremes
// window for its update and computation.
constexpr int kDemoLimitMs = 180000;
constexpr int kWorkshopLimitMs = 300000;

// The number of draws held, or -1 while a job holds the draw lock (the GUI thread never
// waits for it).
int HeldDraws(Program& program) {
  std::unique_lock lock(program.drawLock, std::try_to_lock);
  if (!lock.owns_lock()) return -1;
  return static_cast<int>(program.history.size());
}

// Waits until the day fetch has loaded draws and `draws` more have arrived after it.
bool WaitForDemoDraws(GuiShell& shell, Program& program, int draws) {
  int fetched = -1;
  return WaitUntilIdle(
      shell,
      [&] {
        const int held = HeldDraws(program);
        if (held <= 0 || program.workers.Running() > 0) return false;
        if (fetched < 0) fetched = held;
        return held >= fetched + draws;
      },
      kDemoLimitMs);
}

// The extremes window after a computation of the two- and three-code and kill-rule
// kinds, so that its labels and bars have been through a whole run. The history update
// is left out: the demo's staging table starts far behind the simulator's periods.
void RunExtremesWorkshop(GuiShell& shell, Program& program, std::unique_ptr<ExtremesWorkshop>& own) {
  UiWindow& main = program.ui().Window(kMainWindow);
  if (program.app.AutoMode.load() != 0) main.Get<ButtonModel>("按钮_自动").Click();
  // The program's own workshop opens from its menu; a program without one gets one here.
  if (program.ui().HasWindow(kExtremesWindow)) {
    main.ChooseMenu("演算极限");
  } else {
    own = std::make_unique<ExtremesWorkshop>(program);
    ConnectProgramWindows(shell, program);
    own->Open();
  }
  UiWindow& window = program.ui().Window(kExtremesWindow);
  for (const char* box : {"选择框_二码", "选择框_三码", "选择框_杀一码"}) window.Get<ButtonModel>(box).SetChecked(true);
  window.Get<ButtonModel>("按钮_开始演算").Click();
  WaitUntilIdle(shell, [&] { return window.Get<LabelModel>("透明标签2").Text() == "演算结束！"; }, kWorkshopLimitMs);
}

// Opens a window the way its menu does.
void OpenForPicture(GuiShell& shell, Program& program, const std::string& window,
                    std::unique_ptr<ExtremesWorkshop>& workshop) {
  UiWindow& main = program.ui().Window(kMainWindow);
  if (window == kSettingsWindow) {
    main.ChooseMenu("配置选项");
  } else if (window == kLogWindow) {
    main.ChooseMenu("日志记录");
  } else if (window == kHelpWindow) {
    main.ChooseMenu("使用帮助");
    TreeModel& tree = program.ui().Window(kHelpWindow).Get<TreeModel>(kHelpTree);
    if (!tree.Items().empty()) tree.Select(0);
  } else if (window == kExtremesWindow) {
    RunExtremesWorkshop(shell, program, workshop);
  }
}

}  // namespace

bool WaitUntilIdle(GuiShell& shell, const std::function<bool()>& ready, int limit_ms) {
  QElapsedTimer clock;
  clock.start();
  int quiet_rounds = 0;
  while (quiet_rounds < 2) {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    const bool quiet = !shell.Pending() && (!ready || ready());
    quiet_rounds = quiet ? quiet_rounds + 1 : 0;
    if (clock.elapsed() > limit_ms) return false;
    if (!quiet) QThread::msleep(10);
  }
  return true;
}

int SaveScreenshot(GuiShell& shell, const QString& window, const QString& file, const std::function<bool()>& ready) {
  WindowView* view = shell.View(ToUtf8(window));
  if (!view) {
    std::fprintf(stderr, "pkcalc: no window \"%s\"\n", qPrintable(window));
    return 1;
  }
  if (!WaitUntilIdle(shell, ready)) std::fprintf(stderr, "pkcalc: start-up did not settle; picturing the window as it is\n");
  if (ToUtf8(window) == kMainWindow) view->resize(kScreenshotSize);
  view->show();
  WaitUntilIdle(shell, {});
  const QPixmap picture = view->grab();
  if (picture.isNull() || !picture.save(file, "PNG")) {
    std::fprintf(stderr, "pkcalc: cannot write \"%s\"\n", qPrintable(file));
    return 1;
  }
  return 0;
}

int RunScreenshot(GuiShell& shell, Program& program, const GuiOptions& options) {
  const std::string window = ToUtf8(options.screenshot_window);
  if (options.demo && !WaitForDemoDraws(shell, program, options.screenshot_draws))
    std::fprintf(stderr, "pkcalc: the demo's draws did not all arrive; picturing what there is\n");
  std::unique_ptr<ExtremesWorkshop> workshop;
  if (program.ui().HasWindow(kMainWindow) && (program.ui().HasWindow(window) || window == kExtremesWindow))
    OpenForPicture(shell, program, window, workshop);
  const int result = SaveScreenshot(shell, options.screenshot_window, options.screenshot,
                                    [&program] { return program.workers.Running() == 0; });
  // A workshop made for the picture stops its jobs before the program ends.
  workshop.reset();
  return result;
}

}  // namespace pk
