#pragma once
// Champion omission of every combination of two to nine codes, and the extreme lists.
#include "app/program.h"

namespace pk {

void UpdateCombinationOmission(Program& program, PassMode mode);
void FillExtremeLists(Program& program);

}  // namespace pk
