// Runs every Qt Test class of the desktop program in one QApplication.
#include <QApplication>
#include <atomic>
#include <cstdio>

#include "gui/desktop_startup.h"

int RunAdapterTests(int argc, char** argv);
int RunMainWindowTests(int argc, char** argv);
int RunPlatformTests(int argc, char** argv);
int RunSettingsWindowTests(int argc, char** argv);
int RunLogWindowTests(int argc, char** argv);
int RunHelpWindowTests(int argc, char** argv);
int RunExtremesWindowTests(int argc, char** argv);
int RunShellTests(int argc, char** argv);
int RunShellWindowTests(int argc, char** argv);
int RunLockTrayTests(int argc, char** argv);

namespace {

// Qt's own thread checks: a widget, pixmap or timer touched off the GUI thread makes Qt
// warn; any such warning fails the run.
std::atomic<int> thread_warnings{0};
QtMessageHandler previous_handler = nullptr;

void CountThreadWarnings(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  static const char* const kThreadWarnings[] = {"outside the GUI thread", "outside the main thread",
                                                "different thread", "another thread"};
  if (type != QtDebugMsg && type != QtInfoMsg)
    for (const char* warning : kThreadWarnings)
      if (message.contains(QLatin1String(warning), Qt::CaseInsensitive)) ++thread_warnings;
  if (previous_handler)
    previous_handler(type, context, message);
  else
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

}  // namespace

int main(int argc, char** argv) {
  previous_handler = qInstallMessageHandler(CountThreadWarnings);
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
  failures += RunShellTests(argc, argv);
  failures += RunShellWindowTests(argc, argv);
  failures += RunLockTrayTests(argc, argv);
  if (thread_warnings > 0) std::fprintf(stderr, "gui_tests: %d warnings of Qt's thread checks\n", thread_warnings.load());
  return failures == 0 && thread_warnings == 0 ? 0 : 1;
}
