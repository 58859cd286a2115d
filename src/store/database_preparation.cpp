#include "store/database_preparation.h"

#include <filesystem>
#include <fstream>
#include <system_error>

#include "app/platform.h"
#include "base/ini.h"
#include "store/embedded_archive.h"
#include "store/store_files.h"
#include "store/zip_file.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace pk {

namespace {

constexpr std::string_view kArchiveFileName = "date.zip";
constexpr std::string_view kIniSection = "Date";
constexpr std::string_view kIniKey = "Last_Update";

#ifdef _WIN32
void MarkHidden(const std::string& path) {
  const std::filesystem::path file(std::u8string(reinterpret_cast<const char8_t*>(path.data()), path.size()));
  const DWORD attributes = GetFileAttributesW(file.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES) SetFileAttributesW(file.c_str(), attributes | FILE_ATTRIBUTE_HIDDEN);
}
#else
// Linux file systems have no hidden flag (only a leading dot, and the name must stay
// date.dat): nothing to do.
void MarkHidden(const std::string&) {}
#endif

bool WriteBytes(const std::string& path, std::span<const unsigned char> bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  out.close();
  return static_cast<bool>(out);
}

}  // namespace

DateTime BuiltInDataStamp() { return MakeDateTime(2015, 4, 5, 16, 24, 11); }

std::optional<DateTime> StoredLastUpdate(const IniFile& ini) { return ParseDateTimeText(ini.Read(kIniSection, kIniKey)); }

PreparationResult PrepareDatabaseFile(const std::string& home, DateTime builtInStamp, const IniFile& ini,
                                      Platform& platform) {
  return PrepareDatabaseFile(home, builtInStamp, ini, platform, EmbeddedExtremesArchive());
}

PreparationResult PrepareDatabaseFile(const std::string& home, DateTime builtInStamp, const IniFile& ini,
                                      Platform& platform, std::span<const unsigned char> archive) {
  const std::string storePath = DataFilePath(home, kExtremesFileName);
  std::error_code error;
  if (std::filesystem::exists(storePath, error)) {
    // A missing or unreadable stamp counts as the earliest time: the carried copy is newer.
    const std::optional<DateTime> lastUpdate = StoredLastUpdate(ini);
    const bool carriedIsNewer = !lastUpdate || builtInStamp.seconds - lastUpdate->seconds > 0;
    if (!carriedIsNewer) return PreparationResult::KeptExisting;
    std::filesystem::remove(storePath, error);
    if (error) {
      platform.ShowMessage("请用管理员权限登录！", "", MessageButtons::Ok);
      return PreparationResult::NotDeletable;
    }
  }

  // Extracted under a temporary name and renamed, so that a crash never leaves a
  // half-written date.dat behind.
  const std::string archivePath = DataFilePath(home, kArchiveFileName);
  const std::string partialPath = storePath + ".part";
  bool extracted = WriteBytes(archivePath, archive) && ExtractZipEntry(archivePath, kExtremesFileName, partialPath);
  if (extracted) {
    std::filesystem::rename(partialPath, storePath, error);
    extracted = !error;
  }
  if (extracted) {
    MarkHidden(storePath);
    ini.Write(kIniSection, kIniKey, DateTimeText(builtInStamp));
  } else {
    std::filesystem::remove(partialPath, error);
  }
  std::filesystem::remove(archivePath, error);
  return extracted ? PreparationResult::Extracted : PreparationResult::ExtractFailed;
}

}  // namespace pk
