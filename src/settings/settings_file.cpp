#include "settings/settings_file.h"

#include <cstdio>
#include <filesystem>
#include <random>

#include "base/files.h"
#include "settings/settings_text.h"

#if __has_include(<unistd.h>)
#include <unistd.h>
#endif

namespace pk {

namespace fs = std::filesystem;

std::string SettingsFilePath(const std::string& home) { return (fs::path(home) / kSettingsFileName).string(); }

std::string FreshSettingsFileBytes(DateTime lastUpdate) {
  return std::string("\xEF\xBB\xBF") + "\r\n" + "[" + kSettingsSection + "]\r\n" + "Last_Update=" +
         DateTimeText(lastUpdate) + "\r\n" + kConfigureKey + "=" + std::string(kDefaultSettingsText) + "\r\n" +
         kPartnerLinksKey + "=1\r\n";
}

bool WriteFreshSettingsFile(const std::string& path, DateTime lastUpdate) {
  std::error_code error;
  if (fs::exists(path, error)) return false;
  const std::string bytes = FreshSettingsFileBytes(lastUpdate);
  return ReplaceFile(path, bytes);
}

}  // namespace pk
