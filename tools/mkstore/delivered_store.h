#pragma once
// The tables of the delivered extremes store and their starting values, computed over a
// simulated history with the program's own extremes computations.
#include <cstdint>
#include <span>
#include <string>

#include "simulated_history.h"

namespace pk::mkstore {

// The history the delivered values come from (see docs/store.md).
inline constexpr uint64_t kDefaultSeed = 20150405;
inline constexpr size_t kDefaultDraws = 500000;

// The SQL that creates and fills every table.
std::string DeliveredStoreScript(std::span<const SimulatedDraw> draws);

}  // namespace pk::mkstore
