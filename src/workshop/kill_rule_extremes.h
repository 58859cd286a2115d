#pragma once
// Consecutive opens of a kill rule over the whole snapshot: for each rule, the longest run
// of consecutive draws whose champion stood, in the draw before, at the position the rule
// named for it.
//
// A rule's positions are the digits of its key in key order ("0" standing for position 10;
// any other character names no position). With n positions, the rule is run in phases
// a = 1 … n: pairs (draw i, draw i + 1) for i = a, a + 1, … while i < v (draws counted from
// 1), the positions taken cyclically p1, p2, …, pn, p1, … from p1 at every phase. A pair
// whose next champion equals (as integers) the car at the current position extends the run;
// any other pair ends it; the run starts from 0 at each phase. Only the last phase's run
// still open at the end counts as well, so the maximum is 0 at least. It is new when the
// stored value's integer part is below it; the result row then has key and shown name the
// rule's key and column 连开极限.
//
// v is the bound the workshop takes from its staging table (its row count − 1). The
// snapshot may be older than the table, so v is cut to the snapshot's draws − 1: a pair
// always lies inside the snapshot.
// Progress: one unit per rule, total = the number of rules.
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "workshop/extremes_records.h"
#include "workshop/workshop_draws.h"

namespace pk {

ExtremesOutcome ComputeKillRuleExtremes(const WorkshopDraws& draws, std::span<const StoredExtreme> rules, int64_t v,
                                        const ExtremesControl& control,
                                        ExtremesMethod method = ExtremesMethod::kFast);

namespace detail {
ExtremesOutcome KillRuleExtremesFast(const WorkshopDraws& draws, std::span<const StoredExtreme> rules, int64_t v,
                                     const ExtremesControl& control);
ExtremesOutcome KillRuleExtremesReference(const WorkshopDraws& draws, std::span<const StoredExtreme> rules,
                                          int64_t v, const ExtremesControl& control);
// The pair bound actually used: v cut to the snapshot's draws − 1.
int64_t KillPairBound(const WorkshopDraws& draws, int64_t v);
// The positions 1..10 of a rule key; 0 for a character that names no position.
std::vector<int> KillRulePositions(std::string_view key);
}  // namespace detail

}  // namespace pk
