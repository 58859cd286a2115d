#include "plans/trend_plans.h"

namespace pk {

void RunTrendPlans(Program&) {}

}  // namespace pk
