#pragma once
// The delivered extremes store, carried inside the program: a ZIP archive with one
// deflated entry, date.dat. Its bytes are generated at build time by mkstore.
#include <span>

namespace pk {

std::span<const unsigned char> EmbeddedExtremesArchive();

}  // namespace pk
