#include "stats/champion_omission.h"

#include "app/ui/main_window_controls.h"
#include "app/ui/ui_models.h"
#include "base/numbers.h"
#include "stats/stored_extreme.h"

namespace pk {

namespace {

constexpr int kWarnWithin = 30;  // draws to the extreme at which a cell turns red
constexpr int kNumberCurrentRow = 3;
constexpr int kPositionCurrentRow = 8;

double Number(const DrawRecord& draw, int column) { return TextToNumber(draw[column]); }

// One draw of the number row: the champion resets its number, the others count up and
// are marked in `missed`.
void CountNumbers(std::array<int32_t, 10>& current, const DrawRecord& draw, std::array<bool, 10>& missed) {
  const double champion = Number(draw, kChampionColumn);
  for (int j = 1; j <= 10; ++j) {
    missed[j - 1] = !NumbersEqual(champion, j);
    current[j - 1] = missed[j - 1] ? current[j - 1] + 1 : 0;
  }
}

void WriteIfPassed(Program& program, const char* column, int index, int32_t current, int32_t extreme) {
  if (current > extreme) {
    WriteStoredExtreme(program, kChampionOmissionTable, column, kChampionOmissionKeyColumn, NumberToText(index),
                       NumberToText(current));
  }
}

void FullPass(Program& program) {
  auto& table = program.stats.ChampionOmissionTable;
  const DrawHistory& history = program.history;
  const size_t n = history.size();
  std::array<bool, 10> missed{};
  for (size_t k = 0; k < n; ++k) {
    CountNumbers(table[kCurrentNumberOmission], history[k], missed);
    for (int j = 1; j <= 10; ++j) {
      if (missed[j - 1]) {
        WriteIfPassed(program, kNumberOmissionColumn, j, table[kCurrentNumberOmission][j - 1],
                      table[kNumberExtreme][j - 1]);
      }
    }
    // The position of a draw is judged by the next draw's champion; the newest has none yet.
    if (k + 1 >= n) continue;
    const double nextChampion = Number(history[k + 1], kChampionColumn);
    for (int p = 1; p <= 10; ++p) {
      int32_t& current = table[kCurrentPositionOmission][p - 1];
      if (NumbersEqual(Number(history[k], p), nextChampion)) {
        current = 0;
      } else {
        ++current;
        WriteIfPassed(program, kPositionOmissionColumn, p, current, table[kPositionExtreme][p - 1]);
      }
    }
  }
}

void IncrementalPass(Program& program) {
  auto& table = program.stats.ChampionOmissionTable;
  const DrawHistory& history = program.history;
  if (history.empty()) return;
  std::array<bool, 10> missed{};
  CountNumbers(table[kCurrentNumberOmission], history.back(), missed);
  // With a single draw there is no earlier draw to judge the positions by.
  if (history.size() < 2) return;
  const DrawRecord& previous = history[history.size() - 2];
  const double champion = Number(history.back(), kChampionColumn);
  for (int p = 1; p <= 10; ++p) {
    if (!NumbersEqual(Number(previous, p), champion)) continue;
    for (int other = 1; other <= 10; ++other) {
      int32_t& current = table[kCurrentPositionOmission][other - 1];
      current = other == p ? 0 : current + 1;
    }
    return;
  }
}

}  // namespace

void UpdateChampionOmission(Program& program, PassMode mode) {
  if (mode == PassMode::Full) {
    FullPass(program);
  } else {
    IncrementalPass(program);
  }
  ShowChampionOmission(program);
}

void ShowChampionOmission(Program& program) {
  GridModel& grid = program.ui().Window(kMainWindow).Get<GridModel>(kChampionOmissionGrid);
  const auto& table = program.stats.ChampionOmissionTable;
  const auto show = [&](int row, int currentRow, int extremeRow) {
    for (int j = 1; j <= 10; ++j) {
      const int32_t current = table[currentRow][j - 1];
      grid.SetCellText(row, j, NumberToText(current));
      const bool near = static_cast<int64_t>(table[extremeRow][j - 1]) - current <= kWarnWithin;
      grid.SetBackColour(row, j, near ? kRed : kWhite);
    }
  };
  show(kNumberCurrentRow, kCurrentNumberOmission, kNumberExtreme);
  show(kPositionCurrentRow, kCurrentPositionOmission, kPositionExtreme);
}

}  // namespace pk
