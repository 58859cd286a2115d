#pragma once
// Hundred-period hot numbers: champion counts, hot/warm/cold classes, the bar chart,
// the first recommendation row, and the position ranking of the last 30 draws that
// the sky plans use.
#include <array>

#include "app/program.h"

namespace pk {

// Counts the champions of the last 100 draws (all draws when there are fewer) and
// shows them; rebuilds the position trace, ranking and flags.
void CountHotNumbers(Program& program);

// Walks the last 30 entries of the position trace (fewer when the trace is shorter),
// updating the position omissions, the ranking and one flag per following draw.
void TrackPositionGroups(PlanState& plans);

// Ranks the positions by their omission (two forward-moving rounds, not a full sort),
// puts position 1 last, and splits the ranking into the two group digit texts.
void RankPositions(PlanState& plans);

// The class of a champion count over 100 draws.
enum class HotClass { Hot, Warm, Cold };
HotClass ClassifyHotCount(int count);

}  // namespace pk
