#include "stats/champion_omission.h"

namespace pk {

void UpdateChampionOmission(Program&, PassMode) {}

}  // namespace pk
