#include "champion_extremes.h"

#include <algorithm>

namespace pk::mkstore {

ChampionExtremes ComputeChampionExtremes(std::span<const SimulatedDraw> draws) {
  ChampionExtremes extremes;
  std::array<int, 10> numberRun{}, positionRun{};
  for (size_t k = 0; k < draws.size(); ++k) {
    for (int j = 0; j < 10; ++j) {
      numberRun[j] = draws[k][0] == j + 1 ? 0 : numberRun[j] + 1;
      extremes.number[j] = std::max(extremes.number[j], numberRun[j]);
    }
    if (k + 1 == draws.size()) break;  // the last draw has no following champion
    for (int p = 0; p < 10; ++p) {
      positionRun[p] = draws[k][p] == draws[k + 1][0] ? 0 : positionRun[p] + 1;
      extremes.position[p] = std::max(extremes.position[p], positionRun[p]);
    }
  }
  return extremes;
}

int LongestPositionRun(std::span<const SimulatedDraw> draws, std::span<const int> positions) {
  int run = 0, longest = 0;
  for (size_t k = 0; k + 1 < draws.size(); ++k) {
    const bool hit = std::any_of(positions.begin(), positions.end(),
                                 [&](int p) { return draws[k][p - 1] == draws[k + 1][0]; });
    run = hit ? run + 1 : 0;
    longest = std::max(longest, run);
  }
  return longest;
}

}  // namespace pk::mkstore
