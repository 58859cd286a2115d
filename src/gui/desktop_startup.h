#pragma once
// What the desktop program does around its event loop: start-up, the windows on screen,
// the demo and the screenshot runs, and the orderly end.
#include <memory>

#include "gui/gui_options.h"

namespace pk {

class DemoRun;
class GuiShell;
class QtPlatform;
struct Program;

// Gives the application a font with Chinese glyphs: WenQuanYi Zen Hei where it is
// installed (the offscreen platform finds no CJK font by itself).
void UseChineseFont();

// One started desktop program: the program's start-up has run (after the demo's
// simulator, when asked for, so that start-up reads the simulator's bulletin), its
// windows are on screen and the main window is shown. The QApplication must exist.
class DesktopProgram {
 public:
  DesktopProgram(QtPlatform& platform, const GuiOptions& options);
  // Lets the program's jobs finish (answering what they still ask) before the program
  // and its windows go.
  ~DesktopProgram();
  DesktopProgram(const DesktopProgram&) = delete;
  DesktopProgram& operator=(const DesktopProgram&) = delete;

  Program& program() { return *program_; }
  GuiShell& shell() { return *shell_; }
  // False when start-up ended the program (a second instance).
  bool Started() const { return started_; }

 private:
  QtPlatform& platform_;
  std::unique_ptr<Program> program_;
  // Made before start-up and ended before the program, so that the simulator outlives
  // every job that reads it.
  std::unique_ptr<DemoRun> demo_;
  std::unique_ptr<GuiShell> shell_;
  bool started_ = false;
};

// Starts the program as the options say and runs the event loop until the program is
// ended through the platform; returns the process exit code.
int RunDesktopProgram(const GuiOptions& options);

}  // namespace pk
