#include "store/staging_file.h"

#include <filesystem>
#include <system_error>

#include "store/cipher_database.h"
#include "store/store_files.h"

namespace pk {

const std::array<FreshStagingRow, 9> kFreshStagingRows = {{
    {"472538", {"04", "05", "08", "03", "01", "02", "07", "09", "10", "06"}},
    {"472539", {"09", "03", "02", "05", "06", "08", "01", "10", "07", "04"}},
    {"472540", {"02", "09", "06", "03", "07", "10", "04", "01", "08", "05"}},
    {"472541", {"09", "08", "05", "10", "03", "02", "04", "01", "07", "06"}},
    {"472542", {"03", "06", "05", "04", "01", "09", "02", "07", "08", "10"}},
    {"472543", {"07", "05", "01", "08", "09", "03", "10", "06", "02", "04"}},
    {"472544", {"03", "08", "05", "09", "01", "02", "06", "04", "10", "07"}},
    {"472545", {"10", "05", "03", "01", "06", "02", "07", "08", "04", "09"}},
    {"472546", {"10", "08", "09", "03", "01", "06", "05", "04", "02", "07"}},
}};

namespace {

// The table and its nine rows. Explicit 编号 values also set the table's sequence, so the
// next appended draw gets 472782.
std::string FreshStagingScript() {
  std::string sql = "BEGIN;CREATE TABLE " + std::string(kStagingTable) + " (" + std::string(kStagingIdColumn) +
                    " INTEGER PRIMARY KEY AUTOINCREMENT, " + std::string(kStagingPeriodColumn) + " TEXT(50)";
  for (std::string_view column : kStagingPositionColumns) sql += ", " + std::string(column) + " TEXT(50)";
  sql += ");";
  long long id = kFreshStagingFirstId;
  for (const FreshStagingRow& row : kFreshStagingRows) {
    sql += "INSERT INTO " + std::string(kStagingTable) + " VALUES (" + std::to_string(id++) + ", '\n" +
           std::string(row.period) + "\n'";
    for (std::string_view number : row.numbers) sql += ", '" + std::string(number) + "'";
    sql += ");";
  }
  return sql + "COMMIT;";
}

}  // namespace

bool WriteFreshStagingFile(const std::string& path) {
  std::error_code error;
  if (std::filesystem::exists(path, error) || error) return false;
  const std::string partial = path + ".part";
  std::filesystem::remove(partial, error);
  bool written = false;
  if (auto db = CipherDatabase::CreateNew(partial, kStagingPassword)) written = db->ExecuteScript(FreshStagingScript());
  if (written) {
    std::filesystem::rename(partial, path, error);
    written = !error;
  }
  if (!written) std::filesystem::remove(partial, error);
  return written;
}

bool EnsureStagingFile(const std::string& home) {
  const std::string path = DataFilePath(home, kStagingFileName);
  std::error_code error;
  if (std::filesystem::exists(path, error)) return true;
  return WriteFreshStagingFile(path);
}

}  // namespace pk
