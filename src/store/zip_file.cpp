#include "store/zip_file.h"

#include <zip.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <system_error>

namespace pk {

namespace {

// 2015-04-05 16:24:11 in MS-DOS form, the stamp of the data the archive carries.
constexpr zip_uint16_t kDosTime = (16 << 11) | (24 << 5) | (11 / 2);
constexpr zip_uint16_t kDosDate = ((2015 - 1980) << 9) | (4 << 5) | 5;

struct ArchiveCloser {
  void operator()(zip_t* archive) const { zip_discard(archive); }
};
struct EntryCloser {
  void operator()(zip_file_t* file) const { zip_fclose(file); }
};

}  // namespace

bool WriteSingleEntryZip(const std::string& zipPath, std::string_view entryName, std::string_view bytes) {
  int error = 0;
  zip_t* archive = zip_open(zipPath.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
  if (!archive) return false;
  zip_source_t* source = zip_source_buffer(archive, bytes.data(), bytes.size(), 0);
  if (!source) {
    zip_discard(archive);
    return false;
  }
  const std::string name(entryName);
  const zip_int64_t index = zip_file_add(archive, name.c_str(), source, ZIP_FL_OVERWRITE | ZIP_FL_ENC_UTF_8);
  if (index < 0) {
    zip_source_free(source);
    zip_discard(archive);
    return false;
  }
  if (zip_set_file_compression(archive, index, ZIP_CM_DEFLATE, 9) != 0 ||
      zip_file_set_dostime(archive, index, kDosTime, kDosDate, 0) != 0) {
    zip_discard(archive);
    return false;
  }
  if (zip_close(archive) != 0) {
    zip_discard(archive);
    return false;
  }
  return true;
}

bool ExtractZipEntry(const std::string& zipPath, std::string_view entryName, const std::string& destPath) {
  int error = 0;
  std::unique_ptr<zip_t, ArchiveCloser> archive(zip_open(zipPath.c_str(), ZIP_RDONLY | ZIP_CHECKCONS, &error));
  bool extracted = false;
  if (archive) {
    const std::string name(entryName);
    zip_stat_t stat;
    zip_stat_init(&stat);
    std::unique_ptr<zip_file_t, EntryCloser> entry(zip_fopen(archive.get(), name.c_str(), 0));
    if (entry && zip_stat(archive.get(), name.c_str(), 0, &stat) == 0 && (stat.valid & ZIP_STAT_SIZE)) {
      std::ofstream out(destPath, std::ios::binary | std::ios::trunc);
      char buffer[1 << 16];
      zip_uint64_t total = 0;
      zip_int64_t read = -1;
      // The entry's checksum is checked when its end is read; a mismatch reads as -1.
      while (out && (read = zip_fread(entry.get(), buffer, sizeof buffer)) > 0) {
        out.write(buffer, read);
        total += static_cast<zip_uint64_t>(read);
      }
      out.close();
      extracted = read == 0 && out && total == stat.size;
    }
  }
  if (!extracted) {
    std::error_code ignored;
    std::filesystem::remove(destPath, ignored);
  }
  return extracted;
}

}  // namespace pk
