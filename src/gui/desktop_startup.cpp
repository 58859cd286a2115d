#include "gui/desktop_startup.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QThread>

#include "app/about_window.h"
#include "app/program.h"
#include "app/start_up.h"
#include "app/ui/main_window_controls.h"
#include "app/ui/ui_registry.h"
#include "gui/about_view.h"
#include "gui/demo_run.h"
#include "gui/gui_shell.h"
#include "gui/program_windows.h"
#include "gui/qt_platform.h"
#include "gui/qt_text.h"
#include "gui/screenshot.h"

namespace pk {

void UseChineseFont() {
  const QString family = QStringLiteral("WenQuanYi Zen Hei");
  if (!QFontDatabase::families().contains(family)) return;
  QFont font(family);
  font.setPointSize(9);
  QApplication::setFont(font);
}

DesktopProgram::DesktopProgram(QtPlatform& platform, const GuiOptions& options) : platform_(platform) {
  program_ = std::make_unique<Program>(platform, ToUtf8(options.home));
  if (options.demo) demo_ = std::make_unique<DemoRun>(*program_);
  RunStartUp(*program_);
  if (platform.EndRequested()) return;  // a second instance

  shell_ = std::make_unique<GuiShell>(program_->ui());
  ConnectProgramWindows(*shell_, *program_);
  if (WindowView* about = shell_->View(kAboutWindow)) LayOutAboutWindow(*about);
  platform.SetDialogParent(shell_->View(kMainWindow));
  program_->ui().Window(kMainWindow).Model().Show();
  if (demo_) demo_->Start();
  started_ = true;
}

DesktopProgram::~DesktopProgram() {
  // No timer starts new work once the windows are gone; what the running jobs still
  // ask is answered without asking the user, who has left.
  shell_.reset();
  if (demo_) demo_->Stop();
  platform_.SetUnattended(true);
  while (program_->workers.Running() > 0) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    QThread::msleep(5);
  }
  program_.reset();
  demo_.reset();
}

int RunDesktopProgram(const GuiOptions& options) {
  QtPlatform platform;
  platform.SetUnattended(!options.screenshot.isEmpty());
  DesktopProgram desktop(platform, options);
  if (!desktop.Started()) return options.screenshot.isEmpty() ? 0 : 1;
  if (!options.screenshot.isEmpty()) {
    return RunScreenshot(desktop.shell(), desktop.program(), options);
  }
  return QApplication::exec();
}

}  // namespace pk
