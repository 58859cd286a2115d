#pragma once
// The settings file UserDestop.ini in the data folder, section "Date".
#include <string>

#include "base/time.h"

namespace pk {

inline constexpr const char* kSettingsFileName = "UserDestop.ini";
inline constexpr const char* kSettingsSection = "Date";
inline constexpr const char* kConfigureKey = "Configure";
inline constexpr const char* kPartnerLinksKey = "Flink";

std::string SettingsFilePath(const std::string& home);

// The content of a fresh settings file: a UTF-8 byte-order mark, an empty line, the
// section "[Date]" with Last_Update, Configure (the default text) and Flink=1, CR LF
// after every line.
std::string FreshSettingsFileBytes(DateTime lastUpdate);

// Writes the fresh file at path unless a file is already there. It is written under a
// temporary name and renamed, so that no half file is ever seen. False on failure.
bool WriteFreshSettingsFile(const std::string& path, DateTime lastUpdate);

}  // namespace pk
