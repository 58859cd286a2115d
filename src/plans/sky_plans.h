#pragma once
// The sky plans: regularities in the champion gaps and in the hot/cold flags that, once
// they have held long enough, recommend the codes that would break them at the next
// draw; the sky nine-code plan from the companion library; and the two sky grids that
// list the recommendations and judge them when the next draw is known.
#include <functional>
#include <string>
#include <vector>

#include "app/program.h"

namespace pk {

// Runs every sky plan and updates both grids; the nine-code kills come from the
// companion library's export.
void RunSkyPlans(Program& program);

// The same with the nine-code kills taken from `nineCodeKills` (draws text, slot count,
// threshold offset) in place of the companion library.
using SkyNineSource = std::function<std::string(const std::string& draws, int slots, int offset)>;
void RunSkyPlans(Program& program, const SkyNineSource& nineCodeKills);

// The five codes of the hot group (ranks 1..5 of the position ranking) or the cold group
// (ranks 6..10): the last digits of the newest draw's numbers at those positions, in
// ascending order with 0 last. Empty when a ranked position is outside 1..10.
std::string HotColdCodes(const PlanState& plans, const DrawRecord& newest, bool hot);

// The companion library's input: each draw's period and ten numbers, blank-separated;
// empty with fewer than 16 draws.
std::string SkyNineInput(const DrawHistory& history);

// The kill digits of the companion answer ("第1名杀 3|第1名杀 8|"): the second
// blank-separated piece of every non-empty item; items without one are skipped.
std::vector<std::string> SkyNineKills(const std::string& answer);

}  // namespace pk
