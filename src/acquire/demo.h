#pragma once
// The offline demo: the draw simulator runs in this process on a free loopback port,
// a draw every few seconds, and every web source of the program points at it.
#include <memory>
#include <string>

#include "app/program.h"

namespace pk {

namespace sim {
class SimServer;
}
class SourceOverride;

// Simulated seconds per real second: a draw every five seconds.
inline constexpr double kDemoSpeed = 60.0;

class DemoSources {
 public:
  DemoSources(Program& program, double speed);
  ~DemoSources();  // stops the simulator
  DemoSources(const DemoSources&) = delete;
  DemoSources& operator=(const DemoSources&) = delete;

  std::string BaseAddress() const;
  double Speed() const { return speed_; }
  sim::SimServer& Server() { return *server_; }

 private:
  double speed_;
  std::unique_ptr<sim::SimServer> server_;
  std::unique_ptr<SourceOverride> sources_;
};

// Starts the simulator at 10:00 of today's operator date, so that the day already has
// draws and the next ones follow every few seconds, and points the program at it. The
// program keeps the result for as long as it runs.
std::unique_ptr<DemoSources> StartDemoSources(Program& program, double speed = kDemoSpeed);

}  // namespace pk
