#pragma once
// The log window's rows and the day log files.
#include "app/program.h"

namespace pk {

void LogRecommendations(Program& program);

}  // namespace pk
