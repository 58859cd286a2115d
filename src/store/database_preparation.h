#pragma once
// Start-up's preparation of the extremes store: the copy carried inside the program
// replaces date.dat in the data folder when it is newer than the one in place.
#include <optional>
#include <span>
#include <string>

#include "base/time.h"

namespace pk {

class IniFile;
class Platform;

// The stamp of the carried copy: 2015-04-05 16:24:11.
DateTime BuiltInDataStamp();

// The stamp of the date.dat in place, from UserDestop.ini; nullopt when missing or unreadable.
std::optional<DateTime> StoredLastUpdate(const IniFile& ini);

enum class PreparationResult {
  KeptExisting,    // date.dat in place is as new as the carried copy or newer
  NotDeletable,    // the older date.dat could not be deleted; the user was told, it stays in use
  Extracted,       // the carried copy was written as date.dat
  ExtractFailed,   // the carried copy could not be written; no date.dat, Last_Update unchanged
};

// home: the data folder; ini: UserDestop.ini there. The message goes through platform.
PreparationResult PrepareDatabaseFile(const std::string& home, DateTime builtInStamp, const IniFile& ini,
                                      Platform& platform);

// The same with an archive other than the carried one (tests).
PreparationResult PrepareDatabaseFile(const std::string& home, DateTime builtInStamp, const IniFile& ini,
                                      Platform& platform, std::span<const unsigned char> archive);

}  // namespace pk
