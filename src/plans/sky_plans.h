#pragma once
// The sky plans over the champion gaps and the hot/cold flags.
#include "app/program.h"

namespace pk {

void RunSkyPlans(Program& program);

}  // namespace pk
