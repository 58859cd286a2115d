#pragma once
// Small draw histories for the sky nine-code tests.
#include <map>
#include <string>
#include <vector>

#include "companion/sky_nine_code.h"

namespace pk::test {

// "07" for 7.
inline std::string TwoDigits(int number) { return (number < 10 ? "0" : "") + std::to_string(number); }

// One draw with the given cars at the given positions; the other cars fill the
// remaining positions in ascending order.
inline SkyDrawNumbers Draw(const std::map<int, int>& carAtPosition) {
  std::vector<bool> placed(11, false);
  for (const auto& [position, car] : carAtPosition) placed[car] = true;
  SkyDrawNumbers numbers;
  int nextCar = 1;
  for (int position = 1; position <= 10; ++position) {
    if (const auto fixed = carAtPosition.find(position); fixed != carAtPosition.end()) {
      numbers[position - 1] = TwoDigits(fixed->second);
      continue;
    }
    while (placed[nextCar]) ++nextCar;
    numbers[position - 1] = TwoDigits(nextCar++);
  }
  return numbers;
}

// Draws whose champions are the given cars, oldest first.
inline std::vector<SkyDrawNumbers> ChampionDraws(const std::vector<int>& champions) {
  std::vector<SkyDrawNumbers> rows;
  for (const int champion : champions) rows.push_back(Draw({{1, champion}}));
  return rows;
}

// The draws text the program hands over: period, then the ten numbers, blank-separated.
inline std::string DrawsText(const std::vector<SkyDrawNumbers>& rows) {
  std::string text;
  int period = 1000;
  for (const SkyDrawNumbers& row : rows) {
    if (!text.empty()) text += " ";
    text += std::to_string(period++);
    for (const std::string& number : row) text += " " + number;
  }
  return text;
}

// Draws where the champion stays the same in the newest five (rule 1 at offset 0) and
// car 7 moves one position left per draw from position 6 to position 2 (rule 8, which
// with one slot reads position 2). Nothing else kills: "第1名杀 4|第1名杀 7|".
inline std::vector<SkyDrawNumbers> RepeatAndDiagonalDraws() {
  std::vector<SkyDrawNumbers> rows = ChampionDraws({1, 2, 3, 5, 6, 8, 9});
  for (int position = 6; position >= 2; --position) rows.push_back(Draw({{1, 4}, {position, 7}}));
  return rows;
}

}  // namespace pk::test
