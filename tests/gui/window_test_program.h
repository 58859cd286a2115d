#pragma once
// A program on screen for the window tests: its own data folder, a recording platform,
// optionally the in-process simulator as every web source, and the windows of its
// registry as the desktop program shows them.
#include <QTest>
#include <filesystem>
#include <memory>
#include <optional>
#include <stdexcept>

#include "app/companion_library.h"
#include "app/program.h"
#include "app/recording_platform.h"
#include "base/ini.h"
#include "base/web_sources.h"
#include "gui/gui_shell.h"
#include "gui/program_windows.h"
#include "gui/screenshot.h"
#include "gui/window_view.h"
#include "pk10sim/sim_server.h"
#include "support/temp_home.h"

namespace pk::test {

class WindowTestProgram {
 public:
  // With a simulator, its clock stands still at `start`.
  explicit WindowTestProgram(std::optional<sim::SimOptions> simulator = std::nullopt) {
    const std::string ini = (std::filesystem::path(home_.Path()) / "UserDestop.ini").string();
    if (simulator) {
      server_ = std::make_unique<sim::SimServer>(*simulator);
      server_->Start();
      SaveWebSources(IniFile(ini), WebSources::AllAt(server_->BaseAddress()));
    }
    program_ = std::make_unique<Program>(platform_, home_.Path());
    if (server_) {
      program_->companion().SetSourceFile(ini);
      program_->app.Clock.SetServerTime(server_->Now());
    }
  }
  ~WindowTestProgram() {
    shell_.reset();
    program_.reset();
    if (server_) server_->Stop();
  }

  // Puts the registry's windows on screen (call after creating any window of the test's own).
  void ShowWindows() {
    shell_ = std::make_unique<GuiShell>(program_->ui());
    ConnectProgramWindows(*shell_, *program_);
  }
  WindowView& View(const char* window) {
    WindowView* view = shell_->View(window);
    if (!view) throw std::logic_error(std::string("no view of ") + window);
    return *view;
  }
  template <class Widget>
  Widget* Find(const char* window, const char* name) {
    return View(window).findChild<Widget*>(QString::fromUtf8(name));
  }
  bool Settle() { return WaitUntilIdle(*shell_, {}, 5000); }

  Program& program() { return *program_; }
  RecordingPlatform& platform() { return platform_; }
  sim::SimServer& server() { return *server_; }
  const std::string& home() const { return home_.Path(); }

 private:
  TempHome home_;
  RecordingPlatform platform_;
  std::unique_ptr<sim::SimServer> server_;
  std::unique_ptr<Program> program_;
  std::unique_ptr<GuiShell> shell_;
};

}  // namespace pk::test
