#pragma once
// The ten kill formulas: each names, from one draw, a champion code it expects not to
// win the next draw. Judged draw by draw over the whole history and shown in the grid
// "高级表格_九码二" with each formula's runs below the periods.
#include <array>
#include <string>

#include "app/program.h"

namespace pk {

// The kill codes of formulas 1 to 10 computed from draw `index` (0-based) of the
// history; a formula that does not apply leaves its code empty. Malformed cells never
// index outside a row: a position outside 1..10 gives an empty code.
std::array<std::string, 10> KillCodes(const DrawHistory& history, size_t index);

// Rebuilds the kill table and the trackers from the whole history and refreshes the
// grid: every row in a full run, the rows not yet shown as judged in an incremental one.
void RunKillFormulas(Program& program);

}  // namespace pk
