#include "cli/commands.h"

namespace pk::cli {
void AddExtremesCommands(CLI::App&) {}
}  // namespace pk::cli
