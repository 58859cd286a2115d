#include "simulated_history.h"

#include <limits>
#include <random>
#include <utility>

namespace pk::mkstore {

namespace {

// Uniform in [0, bound) by rejection, so no value is favoured.
uint64_t Below(std::mt19937_64& random, uint64_t bound) {
  const uint64_t max = std::numeric_limits<uint64_t>::max();
  const uint64_t limit = max - (max % bound + 1) % bound;
  uint64_t value;
  do {
    value = random();
  } while (value > limit);
  return value % bound;
}

}  // namespace

std::vector<SimulatedDraw> SimulateDraws(uint64_t seed, size_t count) {
  std::mt19937_64 random(seed);
  std::vector<SimulatedDraw> draws(count);
  for (SimulatedDraw& draw : draws) {
    for (uint8_t i = 0; i < 10; ++i) draw[i] = static_cast<uint8_t>(i + 1);
    for (size_t i = 9; i > 0; --i) std::swap(draw[i], draw[Below(random, i + 1)]);  // Fisher-Yates
  }
  return draws;
}

}  // namespace pk::mkstore
