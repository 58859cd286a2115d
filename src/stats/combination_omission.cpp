#include "stats/combination_omission.h"

#include <algorithm>
#include <string>

#include "app/ui/main_window_controls.h"
#include "app/ui/ui_models.h"
#include "base/numbers.h"
#include "base/text.h"
#include "stats/champion_omission.h"
#include "stats/recommendations.h"
#include "stats/sort_report_list.h"
#include "stats/stored_extreme.h"
#include "store/table_keys.h"

namespace pk {

namespace {

constexpr int kFullWindow = 100;  // draws a full pass counts over
constexpr int kDistanceColumn = 3;
constexpr int kNumberExtremeRow = 2;
constexpr int kPositionExtremeRow = 7;

// "二" .. "九" for sizes 2..9: the names of the remarks and lists.
const char* SizeNumeral(int size) {
  static constexpr const char* kNumerals[] = {"二", "三", "四", "五", "六", "七", "八", "九"};
  return kNumerals[size - kMinCombinationSize];
}

std::string RemarkText(int size) { return std::string(SizeNumeral(size)) + "码遗漏"; }
std::string ListName(int size) { return std::string("极限") + SizeNumeral(size) + "码列表框"; }

bool Holds(const std::string& combination, const std::string& championDigit) {
  return !championDigit.empty() && Contains(combination, championDigit);
}

// distance <= limit, equality within the number tolerance.
bool AtMost(double distance, double limit) { return distance < limit || NumbersEqual(distance, limit); }

}  // namespace

void UpdateCombinationOmission(Program& program, PassMode mode) {
  const int n = static_cast<int>(program.history.size());
  if (n == 0) return;
  // Draws counted, as indices into the history; a history shorter than the full window
  // is counted from its first draw.
  int first = n - 1;
  if (mode == PassMode::Full) {
    first = std::max(0, n - kFullWindow);
    program.stats.ComboWindowStart = first + 1;
  }

  auto& tables = program.stats.CombinationTable;
  size_t longest = 0;
  for (const auto& table : tables) longest = std::max(longest, table.size());

  for (size_t i = 0; i < longest; ++i) {
    for (int k = kMinCombinationSize; k <= kMaxCombinationSize; ++k) {
      auto& table = tables[k - kMinCombinationSize];
      if (i >= table.size()) continue;
      CombinationRow& row = table[i];
      for (int d = first; d < n; ++d) {
        row.current = Holds(row.combination, program.history[d][kChampionDigitColumn])
                          ? "0"
                          : NumberToText(TextToNumber(row.current) + 1);
      }
    }
    for (int k = kMinCombinationSize; k <= kMaxCombinationSize; ++k) {
      auto& table = tables[k - kMinCombinationSize];
      if (i >= table.size()) continue;
      CombinationRow& row = table[i];
      const double distance = TextToNumber(row.extreme) - TextToNumber(row.current);
      row.distance = NumberToText(distance);
      if (!AtMost(distance, program.distances[k - kMinCombinationSize])) continue;
      AddRecommendation(program, row.combination, row.extreme, row.current, row.distance, RemarkText(k));
      if (distance < 0 && !NumbersEqual(distance, 0)) {
        WriteStoredExtreme(program, CombinationTableName(k), kOmissionExtremeColumn, kCombinationKeyColumn,
                           row.combination, row.current);
      }
    }
  }
}

void FillExtremeLists(Program& program) {
  UiWindow& main = program.ui().Window(kMainWindow);
  for (int k = kMinCombinationSize; k <= kMaxCombinationSize; ++k) {
    ReportListModel& list = main.Get<ReportListModel>(ListName(k));
    list.DeleteAll();
    for (const CombinationRow& row : program.stats.CombinationTable[k - kMinCombinationSize]) {
      list.SetItemTexts(list.InsertItem(), {row.combination, row.extreme, row.current, row.distance});
    }
    SortReportList(list, kDistanceColumn, true, false, kSortNumericAlias);
  }

  GridModel& grid = main.Get<GridModel>(kChampionOmissionGrid);
  const auto& table = program.stats.ChampionOmissionTable;
  for (int j = 1; j <= 10; ++j) {
    grid.SetCellText(kNumberExtremeRow, j, NumberToText(table[kNumberExtreme][j - 1]));
    grid.SetCellText(kPositionExtremeRow, j, NumberToText(table[kPositionExtreme][j - 1]));
  }
}

}  // namespace pk
