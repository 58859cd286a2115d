#pragma once
// ZIP archives with one file in them: the delivered extremes store travels in one.
#include <string>
#include <string_view>

namespace pk {

// Writes an archive at zipPath holding bytes as one deflated entry named entryName. The
// entry's time is fixed, so the same bytes always give the same archive.
bool WriteSingleEntryZip(const std::string& zipPath, std::string_view entryName, std::string_view bytes);

// Extracts the entry named entryName of the archive into destPath (replacing it). The
// archive's checksum is verified; on any failure destPath is removed and false returned.
bool ExtractZipEntry(const std::string& zipPath, std::string_view entryName, const std::string& destPath);

}  // namespace pk
