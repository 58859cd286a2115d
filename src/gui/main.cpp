// pkcalc, the desktop program.
#include <QApplication>

#include "app/program.h"
#include "app/ui/main_window_controls.h"
#include "app/version.h"
#include "gui/car_pictures.h"
#include "gui/demo_run.h"
#include "gui/desktop_startup.h"
#include "gui/gui_options.h"
#include "gui/gui_shell.h"
#include "gui/program_windows.h"
#include "gui/qt_platform.h"
#include "gui/qt_text.h"
#include "gui/screenshot.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("pkcalc"));
  QApplication::setApplicationVersion(pk::ToQString(pk::ProgramVersionText()));
  // The main window hides to the tray; the program ends through its exit, not when
  // its last window closes.
  QApplication::setQuitOnLastWindowClosed(false);
  const pk::GuiOptions options = pk::ParseGuiOptions(QApplication::arguments());
  pk::UseChineseFont();
  QApplication::setWindowIcon(pk::ProgramIcon());

  pk::QtPlatform platform;
  platform.SetUnattended(!options.screenshot.isEmpty());
  pk::Program program(platform, pk::ToUtf8(options.home));
  pk::PrepareMainWindow(program);

  pk::GuiShell shell(program.ui());
  pk::ConnectProgramWindows(shell, program);
  pk::WindowView* main_window = shell.View(pk::kMainWindow);
  platform.SetDialogParent(main_window);
  main_window->OnClosed([] { QCoreApplication::quit(); });

  if (!options.screenshot.isEmpty()) return pk::SaveScreenshot(shell, options.screenshot_window, options.screenshot, {});
  // Declared after the program and the windows, so that the demo (and its simulator) ends first.
  std::unique_ptr<pk::DemoRun> demo;
  if (options.demo) demo = std::make_unique<pk::DemoRun>(program);
  return QApplication::exec();
}
