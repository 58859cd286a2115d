#include "settings/settings_file.h"

#include <cstdio>
#include <filesystem>
#include <random>

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
  std::random_device random;
  const std::string temporary = path + "." + std::to_string(random()) + ".tmp";
  std::FILE* file = std::fopen(temporary.c_str(), "wbx");
  if (file == nullptr) return false;
  bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size() && std::fflush(file) == 0;
#if __has_include(<unistd.h>)
  ok = ok && ::fsync(::fileno(file)) == 0;
#endif
  ok = std::fclose(file) == 0 && ok;
  if (ok) {
    fs::rename(temporary, path, error);
    ok = !error;
  }
  if (!ok) fs::remove(temporary, error);
  return ok;
}

}  // namespace pk
