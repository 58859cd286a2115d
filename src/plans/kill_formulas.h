#pragma once
// The ten kill formulas and their grid.
#include "app/program.h"

namespace pk {

void RunKillFormulas(Program& program);

}  // namespace pk
