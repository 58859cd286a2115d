#pragma once
// What the web commands do as the window would: start-up's bulletin read and the day
// fetch, and automatic mode driven by ticking its countdown timer by hand.
#include <string>
#include <vector>

#include "app/program.h"

namespace pk::cli {

// The extremes store as start-up has it: the delivered one when the data folder has
// none, opened and loaded, so that the passes compare with stored extremes.
void LoadExtremesStore(Program& program);

// Reads the online bulletin (server clock, date box) and runs the day fetch to its end.
// True when it loaded draws.
bool FetchDay(Program& program);

class AutoModeRun {
 public:
  // Starts automatic mode (the click on "按钮_自动").
  explicit AutoModeRun(Program& program);
  ~AutoModeRun();  // stops
  AutoModeRun(const AutoModeRun&) = delete;
  AutoModeRun& operator=(const AutoModeRun&) = delete;

  // One second of the countdown timer. Returns the result lines of the draws whose pass
  // has finished since the last call, oldest first.
  std::vector<std::string> Tick();
  // New draws whose pass has finished.
  int Appended() const { return seen_ - start_; }
  // Stops automatic mode and waits for the steps still running.
  void Stop();

 private:
  Program& program_;
  int start_ = 0;
  int seen_ = 0;
};

}  // namespace pk::cli
