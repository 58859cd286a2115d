#pragma once
// The desktop program's offline demo: the draw simulator runs in this process, every web
// source points at it, the day's draws are fetched and automatic mode follows new draws
// (one every few seconds).
#include <QTimer>
#include <memory>

#include "acquire/demo.h"

namespace pk {

class DemoRun {
 public:
  // Starts the simulator and points every source at it. Made before start-up, so that
  // start-up's bulletin and server date already come from the simulator.
  explicit DemoRun(Program& program);
  DemoRun(const DemoRun&) = delete;
  DemoRun& operator=(const DemoRun&) = delete;

  // After start-up: presses "获取" once start-up has loaded the extremes (the button is
  // enabled then); automatic mode starts once the fetch has loaded draws, and its
  // countdown runs as fast as the simulator's clock.
  void Start();
  // Starts nothing more (the program is ending); the simulator keeps answering.
  void Stop();

 private:
  // Polled on the GUI thread, which never waits for the draw lock.
  void Step();

  Program& program_;
  std::unique_ptr<DemoSources> sources_;
  QTimer poll_;
  // Ticks the countdown timer (speed - 1) more times a second than its own QTimer does.
  QTimer fast_countdown_;
  bool fetch_pressed_ = false;
};

}  // namespace pk
