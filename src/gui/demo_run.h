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
  // Starts the simulator, loads the extremes store, reads the bulletin's date into the
  // date box and presses "获取"; automatic mode starts once the fetch has loaded draws.
  explicit DemoRun(Program& program);
  DemoRun(const DemoRun&) = delete;
  DemoRun& operator=(const DemoRun&) = delete;

 private:
  // Polled on the GUI thread, which never waits for the draw lock.
  void StartAutoModeWhenFetched();

  Program& program_;
  std::unique_ptr<DemoSources> sources_;
  QTimer poll_;
};

}  // namespace pk
