#include "gui/gui_options.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>

namespace pk {

GuiOptions ParseGuiOptions(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral("PK10 analysis tool"));
  parser.addHelpOption();
  parser.addVersionOption();
  const QCommandLineOption home(QStringLiteral("home"), QStringLiteral("Data folder (date.dat, UserDestop.ini, log)."),
                                QStringLiteral("DIR"));
  const QCommandLineOption screenshot(QStringLiteral("screenshot"),
                                      QStringLiteral("Start, save a picture of a window as PNG and exit."),
                                      QStringLiteral("FILE.png"));
  const QCommandLineOption screenshot_window(QStringLiteral("screenshot-window"),
                                             QStringLiteral("The window to picture (default MainWindow)."),
                                             QStringLiteral("NAME"), QStringLiteral("MainWindow"));
  const QCommandLineOption demo(QStringLiteral("demo"), QStringLiteral("Run against the built-in draw simulator."));
  const QCommandLineOption screenshot_draws(
      QStringLiteral("screenshot-draws"),
      QStringLiteral("With --demo, take the picture after the day fetch and this many live draws (default 2)."),
      QStringLiteral("N"), QStringLiteral("2"));
  parser.addOptions({home, screenshot, screenshot_window, demo, screenshot_draws});
  parser.process(arguments);

  GuiOptions options;
  options.home = parser.value(home);
  if (options.home.isEmpty()) options.home = qEnvironmentVariable("PKCALC_HOME");
  if (options.home.isEmpty()) options.home = QCoreApplication::applicationDirPath();
  options.screenshot = parser.value(screenshot);
  options.screenshot_window = parser.value(screenshot_window);
  options.demo = parser.isSet(demo);
  bool number = false;
  const int draws = parser.value(screenshot_draws).toInt(&number);
  if (!number || draws < 0) {
    std::fprintf(stderr, "pkcalc: --screenshot-draws needs a whole number of 0 or more\n");
    std::exit(1);
  }
  options.screenshot_draws = draws;
  return options;
}

}  // namespace pk
