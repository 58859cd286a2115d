#include "acquire/demo.h"

#include "acquire/source_override.h"
#include "base/time.h"
#include "pk10sim/sim_server.h"

namespace pk {

DemoSources::DemoSources(Program& program, double speed) : speed_(speed) {
  const DateParts today = SplitDateTime(ComputerTimeUtc8());
  sim::SimOptions options;
  options.start = MakeDateTime(today.year, today.month, today.day, 10, 0, 0);
  options.speed = speed;
  server_ = std::make_unique<sim::SimServer>(options);
  server_->Start();
  sources_ = std::make_unique<SourceOverride>(program, server_->BaseAddress());
}

DemoSources::~DemoSources() = default;

std::string DemoSources::BaseAddress() const { return server_->BaseAddress(); }

std::unique_ptr<DemoSources> StartDemoSources(Program& program, double speed) {
  return std::make_unique<DemoSources>(program, speed);
}

}  // namespace pk
