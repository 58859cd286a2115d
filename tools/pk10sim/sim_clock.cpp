#include "pk10sim/sim_clock.h"

#include <cmath>
#include <cstdio>

namespace pk::sim {

SimClock::SimClock(DateTime start, double speed) { Set(start, speed); }

DateTime SimClock::Now() const {
  std::lock_guard lock(mutex_);
  const std::chrono::duration<double> real = std::chrono::steady_clock::now() - anchorReal_;
  return DateTime{anchor_.seconds + static_cast<int64_t>(std::floor(real.count() * speed_))};
}

double SimClock::Speed() const {
  std::lock_guard lock(mutex_);
  return speed_;
}

void SimClock::Set(DateTime now, double speed) {
  std::lock_guard lock(mutex_);
  anchor_ = now;
  anchorReal_ = std::chrono::steady_clock::now();
  speed_ = speed > 0 ? speed : 0;
}

std::string HttpDateText(DateTime operatorTime) {
  static constexpr const char* kWeekdays[] = {"Thu", "Fri", "Sat", "Sun", "Mon", "Tue", "Wed"};  // 1970-01-01 was a Thursday
  static constexpr const char* kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                            "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  const DateTime gmt{operatorTime.seconds - 8 * 3600};
  const DateParts p = SplitDateTime(gmt);
  int64_t day = gmt.seconds / 86400 - (gmt.seconds % 86400 < 0);
  const int weekday = static_cast<int>(((day % 7) + 7) % 7);
  char text[40];
  std::snprintf(text, sizeof text, "%s, %02d %s %04d %02d:%02d:%02d GMT", kWeekdays[weekday], p.day, kMonths[p.month - 1],
                p.year, p.hour, p.minute, p.second);
  return text;
}

}  // namespace pk::sim
