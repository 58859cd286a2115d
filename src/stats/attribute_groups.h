#pragma once
// Small/big, edge/middle, odd/even and prime/composite of every champion, shown as a
// trend table with the newest draw on top.
#include <array>
#include <string>

#include "app/program.h"

namespace pk {

// The ten texts of one draw's row: its row number, the champion text, and the
// attribute words that apply (empty cells for the others).
std::array<std::string, 10> AttributeRow(int rowNumber, const std::string& champion);

// Full mode rebuilds the table from every draw; incremental mode fills the rows of the
// draws appended since the last pass. Ends by showing them.
void UpdateAttributeGroups(Program& program, PassMode mode);

// Full mode redraws the grid "高级表格_走势二" from the table; incremental mode inserts
// the table's last newRows rows above row 1, the newest ending on top.
void ShowAttributeGroups(Program& program, PassMode mode, int newRows = 1);

}  // namespace pk
