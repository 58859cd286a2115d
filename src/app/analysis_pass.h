#pragma once
// The fixed sequence of statistics and plan modules that runs whenever the draw
// history changes: in full after a day fetch, incrementally after appended draws.
// It runs on the caller's thread, inside the caller's hold of the draw lock.
#include "app/program.h"

namespace pk {

void RunFull(Program& program);
void RunIncremental(Program& program);

}  // namespace pk
