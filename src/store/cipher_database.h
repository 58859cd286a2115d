#pragma once
// One connection to an encrypted SQLite file (SQLCipher), keyed with the file's password
// right after opening. Used by the store's connections and by the code that writes new
// store files; not thread-safe on its own (its owners serialise their calls).
#include <memory>
#include <string>
#include <string_view>

#include "store/table_snapshot.h"

struct sqlite3;

namespace pk {

class CipherDatabase {
 public:
  // Opens an existing file read-write; never creates one. Null when the file is missing
  // or cannot be opened. The password is only checked by the first read.
  static std::unique_ptr<CipherDatabase> OpenExisting(const std::string& path, std::string_view password);
  // Creates a new, empty encrypted file; null when the path already exists or cannot be written.
  static std::unique_ptr<CipherDatabase> CreateNew(const std::string& path, std::string_view password);

  ~CipherDatabase();
  CipherDatabase(const CipherDatabase&) = delete;
  CipherDatabase& operator=(const CipherDatabase&) = delete;

  // True when the password opens the file and it holds at least one table. A missing
  // key, a wrong password, a truncated or foreign file all read as false.
  bool HoldsTables();

  // Runs exactly one statement. A text holding a second statement after the first is
  // refused without running anything, so a value smuggled into a statement cannot
  // append statements of its own.
  bool ExecuteOne(std::string_view sql);

  // Runs a script of several statements; only for texts the program writes itself.
  bool ExecuteScript(const std::string& sql);

  // SELECT * FROM "table" ORDER BY rowid. False (and an empty snapshot) when the table
  // cannot be read.
  bool ReadTable(std::string_view table, TableSnapshot& out);

  // The text of the last error, for tools and diagnostics.
  std::string LastError() const;

 private:
  explicit CipherDatabase(sqlite3* db) : db_(db) {}
  static std::unique_ptr<CipherDatabase> Open(const std::string& path, std::string_view password, int flags);

  sqlite3* db_;
};

}  // namespace pk
