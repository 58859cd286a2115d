#pragma once
// Small/big, edge/middle, odd/even and prime/composite of every champion.
#include "app/program.h"

namespace pk {

void UpdateAttributeGroups(Program& program, PassMode mode);

}  // namespace pk
