#pragma once
// Champion omission by number and by position, against the stored extremes.
#include "app/program.h"

namespace pk {

void UpdateChampionOmission(Program& program, PassMode mode);

}  // namespace pk
