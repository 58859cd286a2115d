#pragma once
// Champion-omission extremes of a history, as the full analysis pass would store them: the
// largest number of draws a number went without being champion, and a position without
// its car becoming the next draw's champion.
#include <array>
#include <span>
#include <vector>

#include "simulated_history.h"

namespace pk::mkstore {

struct ChampionExtremes {
  std::array<int, 10> number{};    // number 1..10
  std::array<int, 10> position{};  // position 1..10
};

ChampionExtremes ComputeChampionExtremes(std::span<const SimulatedDraw> draws);

// The longest run of consecutive draws whose champion stood, in the draw before, at one of
// the given positions (1..10).
int LongestPositionRun(std::span<const SimulatedDraw> draws, std::span<const int> positions);

}  // namespace pk::mkstore
