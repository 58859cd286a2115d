#pragma once
// pk10sim: a local stand-in for every web source the program reads, serving a
// reproducible draw stream on the real schedule from a controllable clock. It listens
// on a loopback port in a background thread; tests and the demo run it in-process.
//
// Paths: "/pk10/ajax" (JSON service), "/bulletin/trax.html[?page=N]" (bulletin pages),
// "/pk10/kaijiang/" (draw page), "/lottery/draw/list/557?d=YYYY-MM-DD" (draws of a day),
// "//ajax/shahao/PK10/100/n1" (kill-number forecasts), "/special/time/" (web time),
// "/pkcalc/notice.html" (online bulletin). Every answer carries a "Date:" header: the
// simulated clock (UTC+8) written in GMT.
//
// Control paths (never subject to failure switches):
//   "/control/clock?time=YYYY-MM-DD HH:MM:SS&speed=F"  either part may be left out
//   "/control/fail?path=P&mode=M"  M: none|refuse|hang|error500|truncate|garbage|huge|skip
//   "/control/fail?mode=none"      clears every switch
//   "/control/status"              clock, speed, newest period, hang limit and switches as JSON
//   "/control/hang?ms=N"           a hanging answer lasts N real milliseconds
//   "/control/draws?from=P&to=Q"   the draw stream, one "PERIOD N1,...,N10" line per period
#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "base/time.h"
#include "pk10sim/draw_stream.h"
#include "pk10sim/failure_switches.h"

namespace pk::sim {

struct SimOptions {
  int port = 0;                   // 0: any free port
  uint64_t seed = 1;
  std::optional<DateTime> start;  // simulated operator time at start; default: now (UTC+8)
  double speed = 1.0;             // simulated seconds per real second; 0 stands still
  std::string version = "1.0.1.90";  // the latest version the online bulletin announces
};

class SimServer {
 public:
  explicit SimServer(SimOptions options = {});
  ~SimServer();  // stops
  SimServer(const SimServer&) = delete;
  SimServer& operator=(const SimServer&) = delete;

  // Binds 127.0.0.1 and serves in a background thread. Throws std::runtime_error when
  // the port cannot be bound.
  void Start();
  // Ends every pending answer (hanging ones included) and joins the threads.
  void Stop();

  int Port() const;
  std::string BaseAddress() const;  // "http://127.0.0.1:PORT"

  DateTime Now() const;
  void SetClock(DateTime now, double speed);
  // The newest published draw: the last one whose scheduled time has come.
  int64_t NewestPeriod() const;
  const DrawStream& Draws() const;

  void SetFailure(const std::string& path, FailMode mode);
  void ClearFailures();
  // How long a hanging answer waits before the connection is closed (60 s).
  void SetHangLimit(std::chrono::milliseconds limit);

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace pk::sim
