#pragma once
// The constant code tables of the sky plans, indexed by the newest champion n (1..10)
// and a column 1..4. Every entry is a code text.
#include <array>
#include <string>
#include <string_view>

namespace pk {

using SkyTable = std::array<std::array<std::string_view, 4>, 10>;

// Three codes: column k holds the cars whose gap from n falls in the set "0", "14",
// "24" or "34".
extern const SkyTable kTripleTable;
// Columns 1..3: the two cars whose gap from n is exactly k; column 4: the one car at gap 4.
extern const SkyTable kPairTable;
// Column j: the cars whose gap from n is 0 or j.
extern const SkyTable kFiveTable;

// The twenty gap cycles of the ABC plan, in table order; each name is its three values.
extern const std::array<std::string_view, 20> kCycleNames;

enum class PickMode { In, Out };

// The entry at (n, column), or its complement. Empty when n or the column is out of range.
std::string PickCodes(const SkyTable& table, int column, int n, PickMode mode);

}  // namespace pk
