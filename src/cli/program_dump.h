#pragma once
// The JSON dump of a program's state: every window control, the draw records, the
// champion gap series, the statements run, the alert text and the balloons shown.
#include <nlohmann/json.hpp>
#include <string>

#include "app/program.h"

namespace pk::cli {

nlohmann::json DumpProgram(Program& program);

// Writes the dump to a file ("-" for standard output); a UsageError when it cannot.
void WriteDump(Program& program, const std::string& path);

}  // namespace pk::cli
