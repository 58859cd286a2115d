#pragma once
// Champion and span curves of the last 30 draws.
#include "app/program.h"

namespace pk {

void ShowTrendCurves(Program& program);

}  // namespace pk
