#include "gui/screenshot.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPixmap>
#include <QThread>
#include <cstdio>

#include "gui/gui_shell.h"
#include "gui/qt_text.h"

namespace pk {

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
  view->resize(kScreenshotSize);
  view->show();
  WaitUntilIdle(shell, {});
  const QPixmap picture = view->grab();
  if (picture.isNull() || !picture.save(file, "PNG")) {
    std::fprintf(stderr, "pkcalc: cannot write \"%s\"\n", qPrintable(file));
    return 1;
  }
  return 0;
}

}  // namespace pk
