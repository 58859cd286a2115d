#pragma once
// The simulator's clock: operator time (UTC+8) running from a set moment at a set speed
// (1 is real time, 60 a simulated minute per second, 0 stands still). Thread-safe.
#include <chrono>
#include <mutex>
#include <string>

#include "base/time.h"

namespace pk::sim {

class SimClock {
 public:
  SimClock(DateTime start, double speed);

  DateTime Now() const;
  double Speed() const;
  // From this moment the clock reads `now` and runs at `speed`.
  void Set(DateTime now, double speed);

 private:
  mutable std::mutex mutex_;
  DateTime anchor_;
  std::chrono::steady_clock::time_point anchorReal_;
  double speed_;
};

// The text of an HTTP "Date:" header for an operator time: the same moment in GMT,
// "Thu, 01 Jan 2026 01:07:30 GMT".
std::string HttpDateText(DateTime operatorTime);

}  // namespace pk::sim
