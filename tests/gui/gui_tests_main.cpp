// Runs every Qt Test class of the desktop program in one QApplication.
#include <QApplication>

#include "gui/desktop_startup.h"

int RunAdapterTests(int argc, char** argv);
int RunMainWindowTests(int argc, char** argv);
int RunPlatformTests(int argc, char** argv);
int RunSettingsWindowTests(int argc, char** argv);
int RunLogWindowTests(int argc, char** argv);
int RunHelpWindowTests(int argc, char** argv);
int RunExtremesWindowTests(int argc, char** argv);

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  pk::UseChineseFont();
  int failures = 0;
  failures += RunAdapterTests(argc, argv);
  failures += RunMainWindowTests(argc, argv);
  failures += RunPlatformTests(argc, argv);
  failures += RunSettingsWindowTests(argc, argv);
  failures += RunLogWindowTests(argc, argv);
  failures += RunHelpWindowTests(argc, argv);
  failures += RunExtremesWindowTests(argc, argv);
  return failures == 0 ? 0 : 1;
}
