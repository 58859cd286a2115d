// pkcalc, the desktop program.
#include <QApplication>

#include "app/program.h"
#include "app/version.h"
#include "gui/car_pictures.h"
#include "gui/desktop_startup.h"
#include "gui/gui_options.h"
#include "gui/qt_text.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("pkcalc"));
  QApplication::setApplicationVersion(pk::ToQString(pk::ProgramVersionText()));
  // The main window hides to the tray; the program ends through its exit (or a second
  // instance, an update, the extremes window's shut-down), not when its last window closes.
  QApplication::setQuitOnLastWindowClosed(false);
  const pk::GuiOptions options = pk::ParseGuiOptions(QApplication::arguments());
  pk::UseChineseFont();
  QApplication::setWindowIcon(pk::ProgramIcon());
  return pk::RunDesktopProgram(options);
}
