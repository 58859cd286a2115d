// pk10sim: serves every web source of the program on a loopback port until interrupted.
#include <CLI/CLI.hpp>

#include <chrono>
#include <csignal>
#include <iostream>

#include "pk10sim/sim_server.h"

int main(int argc, char** argv) {
  CLI::App app{"pk10sim: a local simulator of the PK10 web sources"};
  pk::sim::SimOptions options;
  options.port = 8765;
  std::string start;
  app.add_option("--port", options.port, "loopback port to listen on (0: any free port)")->capture_default_str();
  app.add_option("--seed", options.seed, "seed of the draw stream")->capture_default_str();
  app.add_option("--start", start, "simulated start time \"YYYY-MM-DD HH:MM:SS\" in UTC+8 (default: now)");
  app.add_option("--speed", options.speed, "simulated seconds per real second (0 stands still)")
      ->capture_default_str()
      ->check(CLI::NonNegativeNumber);
  int hangLimitMs = 60000;
  app.add_option("--hang-limit", hangLimitMs, "milliseconds a hanging answer waits before it closes")
      ->capture_default_str()
      ->check(CLI::NonNegativeNumber);
  CLI11_PARSE(app, argc, argv);
  if (!start.empty()) {
    options.start = pk::ParseDateTimeText(start);
    if (!options.start) {
      std::cerr << "pk10sim: --start must read \"YYYY-MM-DD HH:MM:SS\"\n";
      return 2;
    }
  }

  // Block the stop signals before any thread starts, then wait for one here.
  sigset_t signals;
  sigemptyset(&signals);
  sigaddset(&signals, SIGINT);
  sigaddset(&signals, SIGTERM);
  pthread_sigmask(SIG_BLOCK, &signals, nullptr);

  pk::sim::SimServer server(options);
  server.SetHangLimit(std::chrono::milliseconds(hangLimitMs));
  try {
    server.Start();
  } catch (const std::exception& e) {
    std::cerr << e.what() << "\n";
    return 1;
  }
  std::cout << server.BaseAddress() << std::endl;

  int received = 0;
  sigwait(&signals, &received);
  server.Stop();
  return 0;
}
