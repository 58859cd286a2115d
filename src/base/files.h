#pragma once
// Whole-file writes that never leave half a file behind.
#include <string>

namespace pk {

// Writes the bytes to a new file beside path and renames it over path (keeping the old
// file's permissions), so that readers and a crash or full disk mid-write only ever see
// the old or the new file. False, with path untouched, when it cannot be written.
bool ReplaceFile(const std::string& path, const std::string& bytes);

}  // namespace pk
