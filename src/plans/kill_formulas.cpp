#include "plans/kill_formulas.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <optional>
#include <vector>

#include "app/ui/colour.h"
#include "app/ui/grid_model.h"
#include "app/ui/ui_registry.h"
#include "app/ui/ui_window.h"
#include "base/numbers.h"
#include "base/text.h"
#include "plans/plan_tracker.h"

namespace pk {

namespace {

constexpr const char* kGridName = "高级表格_九码二";
constexpr const char* kPending = "...";
constexpr int kResultColumn = 12;

// Whole numbers from cells; text that is no number, or one too large for an int, gives 0.
int WholeNumber(const std::string& text) {
  const double value = std::trunc(TextToNumber(text));
  if (!(std::fabs(value) <= std::numeric_limits<int>::max())) return 0;
  return static_cast<int>(value);
}

bool IsPosition(int value) { return value >= 1 && value <= 10; }

std::string Decimal(int value) { return NumberToText(value); }

// The second character of a cell ("0" of "10"); empty when the text is shorter.
std::string SecondChar(const std::string& text) {
  if (text.empty()) return "";
  const unsigned char lead = static_cast<unsigned char>(text[0]);
  const size_t first = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 1;
  if (text.size() <= first) return "";
  const unsigned char next = static_cast<unsigned char>(text[first]);
  const size_t length = next < 0x80 ? 1 : (next >> 5) == 0x6 ? 2 : (next >> 4) == 0xE ? 3 : (next >> 3) == 0x1E ? 4 : 1;
  return text.substr(first, length);
}

std::string PredictedPeriod(const DrawRecord& draw) { return NumberToText(TextToNumber(draw[kPeriodColumn]) + 1); }

// The champion as a position: "0" of the champion code stands for 10.
int ChampionPosition(const DrawRecord& draw) {
  const std::string& digit = draw[kChampionDigitColumn];
  if (!IsDigitString(digit)) return 0;
  const int value = WholeNumber(digit);
  return value == 0 ? 10 : value;
}

}  // namespace

std::array<std::string, 10> KillCodes(const DrawHistory& history, size_t index) {
  std::array<std::string, 10> codes;
  const DrawRecord& draw = history[index];
  const auto at = [&](int position) { return WholeNumber(draw[position]); };
  const int first = at(1), second = at(2), third = at(3);
  const int c = first;  // the champion number

  codes[0] = Decimal(std::max({first, second, third}) - std::min({first, second, third}));
  codes[1] = Decimal(std::abs(first - second));
  codes[2] = LastChar(PredictedPeriod(draw));
  if (index >= 10) codes[3] = history[index - 10][kChampionDigitColumn];
  if (index >= 1) {
    const int p = WholeNumber(history[index - 1][kChampionColumn]);
    codes[4] = Decimal(p >= 5 ? p - 5 : p + 5);
  }
  std::array<int, 3> top = {first, second, third};
  std::sort(top.begin(), top.end(), std::greater<>());
  const int s = top[0] + top[1];
  codes[5] = s < 10 ? Decimal(s) : LastChar(Decimal(s - 9));

  const int championAt = ChampionPosition(draw);
  if (IsPosition(championAt)) {
    const int x = at(championAt);
    if (IsPosition(x)) codes[6] = Decimal(std::abs(x - at(x)));
  }
  if (IsPosition(c)) {
    codes[7] = SecondChar(draw[c]);
    codes[8] = SecondChar(draw[11 - c]);
  }
  codes[9] = Decimal(std::abs(c - WholeNumber(LastChar(draw[kPeriodColumn]))));
  return codes;
}

namespace {

void BuildKillTable(const DrawHistory& history, KillFormulaState& state) {
  state.KillTable.clear();
  state.KillTable.reserve(history.size());
  state.Trackers = {};
  for (size_t j = 0; j < history.size(); ++j) {
    auto& row = state.KillTable.emplace_back();
    row[10][1] = PredictedPeriod(history[j]);
    const std::array<std::string, 10> codes = KillCodes(history, j);
    for (int k = 0; k < 10; ++k) row[k][0] = codes[k];
    if (j + 1 < history.size()) {
      const std::string& champion = history[j + 1][kChampionDigitColumn];
      int hits = 0;
      for (int k = 0; k < 10; ++k) {
        const bool hit = KillCodeHits(row[k][0], champion);
        row[k][1] = hit ? "对" : "错";
        RecordOutcome(state.Trackers[k], hit);
        if (hit) ++hits;
      }
      if (hits > 0) row[10][0] = NumberToText(hits);
    } else {
      for (int k = 0; k < 10; ++k) row[k][1] = kPending;
    }
  }
}

// Grid row i (1-based) from kill table row i; the newest row has no champion yet.
void WriteDataRow(GridModel& grid, const Program& program, int i, std::optional<Colour> killColour) {
  const auto& row = program.kills.KillTable[i - 1];
  const int drawCount = static_cast<int>(program.kills.KillTable.size());
  std::vector<std::string> texts{row[10][1], i < drawCount ? program.history[i][kChampionDigitColumn] : ""};
  for (int k = 0; k < 10; ++k) texts.push_back(row[k][0]);
  texts.push_back(FamilyResultText(row[10][0]));
  grid.SetRowTexts(i, 0, texts);
  if (i < drawCount) grid.SetTextColour(i, 1, kBlue);
  for (int k = 0; k < 10; ++k) {
    if (row[k][1] == "错") grid.SetBackColour(i, 2 + k, kMissPink);
    if (killColour) grid.SetTextColour(i, 2 + k, *killColour);
  }
  if (row[10][0] == "10") grid.SetBackColour(i, kResultColumn, kAllHitGreen);
}

}  // namespace

void RunKillFormulas(Program& program) {
  BuildKillTable(program.history, program.kills);
  GridModel& grid = program.ui().Window("MainWindow").Get<GridModel>(kGridName);
  const int drawCount = static_cast<int>(program.kills.KillTable.size());
  const bool full = program.kills.FullRun != 0;

  // The rows shown as pending by the last pass: the grid ends with its four statistics
  // rows, so the newest row it showed is four rows above its end.
  const int shownNewest = grid.RowCount() - 5;
  // A full run rewrites every row on a cleared grid, so no colour of an earlier history
  // stays behind on a cell that now means something else.
  if (full) grid.SetRowCount(1);
  grid.SetRowCount(drawCount + 5);

  if (full) {
    for (int i = 1; i <= drawCount; ++i) WriteDataRow(grid, program, i, i == drawCount ? std::optional(kBlue) : std::nullopt);
  } else if (drawCount >= 1) {
    // Normally only the row judged by the newest draw and the newest row change. When
    // several draws arrived since the last pass, the rows after the newest one shown
    // are judged as well, so that none of them keeps showing as pending.
    int first = drawCount - 1;
    if (shownNewest >= 1 && shownNewest < first) first = shownNewest;
    first = std::max(first, 1);
    for (int i = first; i <= drawCount; ++i) WriteDataRow(grid, program, i, i == drawCount ? kBlue : kBlack);
  }
  WriteTrackerRows(grid, drawCount + 1, program.kills.Trackers);
  if (!full) grid.EnsureRowVisible(drawCount + 4);
}

}  // namespace pk
