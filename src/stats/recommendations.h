#pragma once
// The recommendation box: reset, rows added by the modules, shown at the end of a pass.
#include "app/program.h"

namespace pk {

void ResetRecommendations(Program& program);
void ShowRecommendations(Program& program);

}  // namespace pk
