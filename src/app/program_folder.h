#pragma once
// The folder of the running executable: the companion library lives under it.
#include <filesystem>

namespace pk {

// The folder that holds the running executable; the current folder when the system
// cannot tell.
std::filesystem::path ProgramFolder();

}  // namespace pk
