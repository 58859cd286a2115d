#include "gui/gui_options.h"

#include <QCommandLineParser>
#include <QCoreApplication>

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
  parser.addOptions({home, screenshot, screenshot_window, demo});
  parser.process(arguments);

  GuiOptions options;
  options.home = parser.value(home);
  if (options.home.isEmpty()) options.home = qEnvironmentVariable("PKCALC_HOME");
  if (options.home.isEmpty()) options.home = QCoreApplication::applicationDirPath();
  options.screenshot = parser.value(screenshot);
  options.screenshot_window = parser.value(screenshot_window);
  options.demo = parser.isSet(demo);
  return options;
}

}  // namespace pk
