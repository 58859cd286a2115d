#pragma once
// The nine-code plan from the kill-number feed.
#include "app/program.h"

namespace pk {

void RunKillFeedPlan(Program& program);

}  // namespace pk
