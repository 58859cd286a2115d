#define SQLITE_HAS_CODEC 1  // exposes sqlite3_key in SQLCipher's header
#include "store/cipher_database.h"

#include <sqlite3.h>

#include <filesystem>
#include <limits>

namespace pk {

namespace {

// How long a connection waits for another connection of the program to finish writing.
constexpr int kBusyTimeoutMs = 5000;

struct Statement {
  sqlite3_stmt* stmt = nullptr;
  ~Statement() { sqlite3_finalize(stmt); }
};

bool OnlyBlanks(const char* text) {
  for (; *text; ++text) {
    if (*text != ' ' && *text != '\t' && *text != '\r' && *text != '\n' && *text != ';') return false;
  }
  return true;
}

std::string AlwaysQuoted(std::string_view name) {
  std::string quoted = "\"";
  for (char c : name) {
    quoted += c;
    if (c == '"') quoted += '"';
  }
  return quoted + "\"";
}

}  // namespace

std::unique_ptr<CipherDatabase> CipherDatabase::Open(const std::string& path, std::string_view password,
                                                     int flags) {
  sqlite3* db = nullptr;
  if (sqlite3_open_v2(path.c_str(), &db, flags | SQLITE_OPEN_FULLMUTEX, nullptr) != SQLITE_OK) {
    sqlite3_close(db);
    return nullptr;
  }
  if (sqlite3_key(db, password.data(), static_cast<int>(password.size())) != SQLITE_OK) {
    sqlite3_close(db);
    return nullptr;
  }
  sqlite3_busy_timeout(db, kBusyTimeoutMs);
  return std::unique_ptr<CipherDatabase>(new CipherDatabase(db));
}

std::unique_ptr<CipherDatabase> CipherDatabase::OpenExisting(const std::string& path, std::string_view password) {
  return Open(path, password, SQLITE_OPEN_READWRITE);
}

std::unique_ptr<CipherDatabase> CipherDatabase::CreateNew(const std::string& path, std::string_view password) {
  std::error_code error;
  if (std::filesystem::exists(path, error) || error) return nullptr;
  return Open(path, password, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
}

CipherDatabase::~CipherDatabase() { sqlite3_close(db_); }

bool CipherDatabase::HoldsTables() {
  Statement s;
  if (sqlite3_prepare_v2(db_, "SELECT count(*) FROM sqlite_master WHERE type='table'", -1, &s.stmt, nullptr) !=
      SQLITE_OK) {
    return false;
  }
  return sqlite3_step(s.stmt) == SQLITE_ROW && sqlite3_column_int64(s.stmt, 0) > 0;
}

bool CipherDatabase::ExecuteOne(std::string_view sql) {
  if (sql.size() > static_cast<size_t>(std::numeric_limits<int>::max())) return false;
  Statement s;
  const char* tail = nullptr;
  if (sqlite3_prepare_v2(db_, sql.data(), static_cast<int>(sql.size()), &s.stmt, &tail) != SQLITE_OK ||
      s.stmt == nullptr) {
    return false;
  }
  const std::string rest(tail, sql.data() + sql.size() - tail);
  if (!OnlyBlanks(rest.c_str())) return false;
  int rc;
  while ((rc = sqlite3_step(s.stmt)) == SQLITE_ROW) {
  }
  return rc == SQLITE_DONE;
}

bool CipherDatabase::ExecuteScript(const std::string& sql) {
  return sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK;
}

bool CipherDatabase::ReadTable(std::string_view table, TableSnapshot& out) {
  out = TableSnapshot{};
  Statement s;
  const std::string sql = "SELECT * FROM " + AlwaysQuoted(table) + " ORDER BY rowid";
  if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &s.stmt, nullptr) != SQLITE_OK) return false;
  const int columns = sqlite3_column_count(s.stmt);
  for (int c = 0; c < columns; ++c) {
    const char* name = sqlite3_column_name(s.stmt, c);
    out.columns.emplace_back(name ? name : "");
  }
  int rc;
  while ((rc = sqlite3_step(s.stmt)) == SQLITE_ROW) {
    for (int c = 0; c < columns; ++c) {
      const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(s.stmt, c));  // NULL reads as ""
      const int bytes = sqlite3_column_bytes(s.stmt, c);
      if (text) out.cells.append(text, bytes);
      if (out.cells.size() > std::numeric_limits<uint32_t>::max()) {
        out = TableSnapshot{};
        return false;
      }
      out.cellEnds.push_back(static_cast<uint32_t>(out.cells.size()));
    }
  }
  if (rc != SQLITE_DONE) {
    out = TableSnapshot{};
    return false;
  }
  return true;
}

std::string CipherDatabase::LastError() const { return sqlite3_errmsg(db_); }

}  // namespace pk
