#pragma once
// Hit and miss runs of a plan, and the statistics block under a kill-number plan grid.
#include <array>
#include <string>

#include "app/records.h"

namespace pk {

class GridModel;

// Applies one judged period (oldest first) to a plan's runs.
void RecordOutcome(PlanTracker& tracker, bool hit);

// A kill code hits when it is not the champion code of the judged draw (compared as
// text, so a two-character code such as "10" always hits).
bool KillCodeHits(const std::string& killCode, const std::string& championDigit);

// The "结果" text of a family of ten plans from its hit count text: "全对" when all ten
// hit, otherwise the count as it stands.
std::string FamilyResultText(const std::string& hitCount);
inline constexpr const char* kAllHit = "全对";

// The four statistics rows of a kill-number plan grid from `firstRow` on: the labels in
// column 0 and each plan's counter in columns 2 to 11.
void WriteTrackerRows(GridModel& grid, int firstRow, const std::array<PlanTracker, 10>& trackers);

}  // namespace pk
