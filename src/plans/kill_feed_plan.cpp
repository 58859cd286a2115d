#include "plans/kill_feed_plan.h"

namespace pk {

void RunKillFeedPlan(Program&) {}

}  // namespace pk
