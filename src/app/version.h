#pragma once
#include <string>

namespace pk {
// The file version text of the program, "1.0.1.90" style (the window title carries it).
std::string ProgramVersionText();
}  // namespace pk
