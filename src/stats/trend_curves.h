#pragma once
// Champion and span curves of the last 30 draws.
#include "app/program.h"

namespace pk {

// Plots the champion of each of the last 30 draws (all draws when there are fewer) and
// its span, the distance to the champion of the draw before; the oldest plotted draw
// has span 0 when no draw precedes it.
void ShowTrendCurves(Program& program);

}  // namespace pk
