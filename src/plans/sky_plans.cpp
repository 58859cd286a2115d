#include "plans/sky_plans.h"

namespace pk {

void RunSkyPlans(Program&) {}

}  // namespace pk
