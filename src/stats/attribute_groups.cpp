#include "stats/attribute_groups.h"

namespace pk {

void UpdateAttributeGroups(Program&, PassMode) {}

}  // namespace pk
