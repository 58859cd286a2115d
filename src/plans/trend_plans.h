#pragma once
// The five-, six- and seven-code trend plans.
#include "app/program.h"

namespace pk {

void RunTrendPlans(Program& program);

}  // namespace pk
