#pragma once
// The five-, six- and seven-code trend plans: every candidate combination's per-draw hit
// values are matched against the 60 stored trend patterns of period 9; the pattern and
// phase whose current run comes closest to its stored record is recommended when it is
// within the warning distance, and a passed record is written back to the store.
#include "app/program.h"

namespace pk {

// Issues nothing while the history holds fewer than 60 draws or the trend tables are
// not loaded (60 patterns, every candidate, 60 stored records per family).
void RunTrendPlans(Program& program);

}  // namespace pk
