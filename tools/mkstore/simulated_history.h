#pragma once
// A simulated draw history: every draw a uniformly random finishing order of the ten
// cars, from a fixed seed. The generator and the shuffle are spelled out here (not left
// to the library's distributions), so a seed gives the same history everywhere.
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace pk::mkstore {

// The cars at positions 1..10 (numbers 1..10); the champion is numbers[0].
using SimulatedDraw = std::array<uint8_t, 10>;

std::vector<SimulatedDraw> SimulateDraws(uint64_t seed, size_t count);

}  // namespace pk::mkstore
