#pragma once
// Champion omission of every combination of two to nine codes against its stored
// extreme, and the extreme lists that show them.
#include "app/program.h"

namespace pk {

// Counts the champion omission of every combination over the last 100 draws (full; fewer
// when the history is shorter) or the newest draw (incremental). A combination within its
// warning distance of the extreme is recommended; one past it also has the new extreme
// written into the store.
void UpdateCombinationOmission(Program& program, PassMode mode);

// The eight extreme lists, each sorted by distance to the extreme, and the extreme rows
// of the champion omission grid.
void FillExtremeLists(Program& program);

}  // namespace pk
