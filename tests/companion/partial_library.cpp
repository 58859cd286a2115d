// A stand-in companion library that has some exports but not the sky nine-code one.
#include <atomic>
#include <chrono>
#include <thread>

namespace {
std::atomic<int> callsInside{0};
}  // namespace

// Answers "stand-in", or "overlap" when another call ran at the same time: the library's
// state is unguarded, so the program must never let two calls overlap.
extern "C" __attribute__((visibility("default"))) const char* LocationMov() {
  const bool aloneAtStart = callsInside.fetch_add(1) == 0;
  std::this_thread::sleep_for(std::chrono::microseconds(500));
  const bool aloneAtEnd = callsInside.load() == 1;
  callsInside.fetch_sub(1);
  return aloneAtStart && aloneAtEnd ? "stand-in" : "overlap";
}
