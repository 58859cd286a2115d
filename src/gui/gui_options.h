#pragma once
// The command line of the desktop program.
#include <QString>
#include <QStringList>

class QCoreApplication;

namespace pk {

struct GuiOptions {
  QString home;              // data folder
  QString screenshot;        // PNG to write after start-up; empty: run normally
  QString screenshot_window = QStringLiteral("MainWindow");
  bool demo = false;
  // With the demo, the picture waits for the day fetch and this many live draws.
  int screenshot_draws = 2;
};

// Parses the application's arguments; --help and --version print and exit, and an
// unknown option prints the error and exits with 1. The data folder is --home, else
// PKCALC_HOME, else the program's folder.
GuiOptions ParseGuiOptions(const QStringList& arguments);

}  // namespace pk
