#include "app/records.h"

namespace pk {

StatsState::StatsState() {
  for (int k = 0; k < kCombinationSizes; ++k) CombinationTable[k].resize(kCombinationRows[k]);
  AttributeTable.resize(1);
  Recommendations.resize(1);
}

TrendPlanData::TrendPlanData() {
  for (int f = 0; f < 3; ++f) {
    Candidates[f].resize(kTrendCandidates[f]);
    HitTables[f].columns = kTrendCandidates[f];
  }
}

Settings::Settings()
    : entries{{{"二码极限", "7"}, {"三码极限", "6"}, {"四码极限", "5"}, {"五码极限", "4"},
               {"六码极限", "4"}, {"七码极限", "3"}, {"八码极限", "2"}, {"九码极限", "2"},
               {"五码走势", "4"}, {"六码走势", "3"}, {"七码走势", "2"}, {"天空九码", "0"}}} {}

}  // namespace pk
