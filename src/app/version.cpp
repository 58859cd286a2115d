#include "app/version.h"

namespace pk {
std::string ProgramVersionText() { return PKCALC_VERSION_TEXT; }
}  // namespace pk
