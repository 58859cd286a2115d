#include "stats/attribute_groups.h"

#include <algorithm>
#include <cmath>

#include "app/ui/colour.h"
#include "app/ui/main_window_controls.h"
#include "app/ui/ui_models.h"
#include "base/numbers.h"

namespace pk {

namespace {

constexpr int kColumns = 10;

bool IsOneOf(double x, std::initializer_list<int> values) {
  for (int v : values)
    if (NumbersEqual(x, v)) return true;
  return false;
}

GridModel& AttributeGrid(Program& program) {
  return program.ui().Window(kMainWindow).Get<GridModel>("高级表格_走势二");
}

// Writes the non-empty cells of a table row into a grid row; the first word of each
// pair is green, the second yellow.
void WriteGridRow(GridModel& grid, int gridRow, const std::array<std::string, 10>& cells) {
  for (int c = 0; c < kColumns; ++c) {
    if (cells[c].empty()) continue;
    grid.SetCellText(gridRow, c, cells[c]);
    if (c >= 2) grid.SetBackColour(gridRow, c, c % 2 == 0 ? kGreen : kYellow);
  }
}

}  // namespace

std::array<std::string, 10> AttributeRow(int rowNumber, const std::string& champion) {
  const double x = TextToNumber(champion);
  std::array<std::string, 10> row;
  row[0] = std::to_string(rowNumber);
  row[1] = champion;
  const bool small = x <= 5 || NumbersEqual(x, 5);
  (small ? row[2] : row[3]) = small ? "小" : "大";
  const bool middle = x > 3 && x < 8 && !NumbersEqual(x, 3) && !NumbersEqual(x, 8);
  (middle ? row[5] : row[4]) = middle ? "中" : "边";
  const bool even = NumbersEqual(std::fmod(std::round(x), 2.0), 0);
  (even ? row[7] : row[6]) = even ? "双" : "单";
  if (IsOneOf(x, {2, 3, 5, 7})) row[8] = "质";
  if (IsOneOf(x, {4, 6, 8, 9, 10})) row[9] = "合";
  return row;
}

void UpdateAttributeGroups(Program& program, PassMode mode) {
  auto& table = program.stats.AttributeTable;
  const auto& history = program.history;
  const int drawCount = static_cast<int>(history.size());

  if (mode == PassMode::Full) {
    table.assign(drawCount, {});
    for (int i = 0; i < drawCount; ++i) table[i] = AttributeRow(i + 1, history[i][kChampionColumn]);
    ShowAttributeGroups(program, mode);
    return;
  }

  // Every row not filled yet belongs to a draw appended since the last pass: one after a
  // live draw, several after the bulletin page caught up, none when nothing arrived.
  table.resize(drawCount);
  int firstNew = drawCount;
  while (firstNew > 0 && table[firstNew - 1][0].empty()) --firstNew;
  for (int i = firstNew; i < drawCount; ++i) table[i] = AttributeRow(i + 1, history[i][kChampionColumn]);
  ShowAttributeGroups(program, mode, drawCount - firstNew);
}

void ShowAttributeGroups(Program& program, PassMode mode, int newRows) {
  GridModel& grid = AttributeGrid(program);
  const auto& table = program.stats.AttributeTable;
  const int rows = static_cast<int>(table.size());

  if (mode == PassMode::Full) {
    grid.SetRowCount(1);
    grid.SetRowCount(rows + 1);
    for (int i = 0; i < rows; ++i) WriteGridRow(grid, rows - i, table[i]);
    return;
  }

  for (int i = std::max(0, rows - newRows); i < rows; ++i) {
    grid.InsertRow(1);
    WriteGridRow(grid, 1, table[i]);
  }
}

}  // namespace pk
