#include "stats/recommendations.h"

namespace pk {

void ResetRecommendations(Program&) {}

void ShowRecommendations(Program&) {}

}  // namespace pk
