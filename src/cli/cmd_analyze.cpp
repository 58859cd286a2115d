#include "cli/commands.h"

namespace pk::cli {
void AddAnalyzeCommand(CLI::App&) {}
}  // namespace pk::cli
