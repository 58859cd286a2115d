#pragma once
// Hundred-period hot numbers and the position ranking of the last 30 draws.
#include "app/program.h"

namespace pk {

void CountHotNumbers(Program& program);

}  // namespace pk
