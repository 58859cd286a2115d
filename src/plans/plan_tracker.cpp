#include "plans/plan_tracker.h"

#include <vector>

#include "app/ui/grid_model.h"
#include "base/numbers.h"

namespace pk {

void RecordOutcome(PlanTracker& tracker, bool hit) {
  if (hit) {
    ++tracker.CurrentHits;
    tracker.CurrentMisses = 0;
    if (tracker.MaxHits < tracker.CurrentHits) tracker.MaxHits = tracker.CurrentHits;
  } else {
    ++tracker.CurrentMisses;
    tracker.CurrentHits = 0;
    if (tracker.MaxMisses < tracker.CurrentMisses) tracker.MaxMisses = tracker.CurrentMisses;
  }
}

bool KillCodeHits(const std::string& killCode, const std::string& championDigit) { return killCode != championDigit; }

std::string FamilyResultText(const std::string& hitCount) { return hitCount == "10" ? kAllHit : hitCount; }

void WriteTrackerRows(GridModel& grid, int firstRow, const std::array<PlanTracker, 10>& trackers) {
  struct Counter {
    const char* label;
    int32_t PlanTracker::*field;
  };
  static constexpr Counter kCounters[] = {{"当前连对", &PlanTracker::CurrentHits},
                                          {"当前连错", &PlanTracker::CurrentMisses},
                                          {"最大连对", &PlanTracker::MaxHits},
                                          {"最大连错", &PlanTracker::MaxMisses}};
  int row = firstRow;
  for (const Counter& counter : kCounters) {
    std::vector<std::string> texts{counter.label, ""};
    for (const PlanTracker& tracker : trackers) texts.push_back(NumberToText(tracker.*counter.field));
    texts.push_back("");
    grid.SetRowTexts(row++, 0, texts);
  }
}

}  // namespace pk
