#pragma once
// One connection to a store file (the extremes store date.dat or the staging store
// PK10date_new.dll). Opening never creates the file: a missing, truncated, foreign or
// wrongly keyed file gives a store that cannot be read, whose reads are empty and whose
// statements fail. Safe to call from any thread; calls are serialised.
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>

#include "store/table_snapshot.h"

namespace pk {

class CipherDatabase;
class StatementLog;

enum class StatementResult {
  Failed = 0,
  Succeeded = 1,
  Refused = 2,  // a value was not a plain digit string; nothing was run
};

class DrawStore {
 public:
  // log (optional) receives the text of every statement executed on this connection.
  DrawStore(std::string path, std::string_view password, StatementLog* log = nullptr);
  ~DrawStore();
  DrawStore(const DrawStore&) = delete;
  DrawStore& operator=(const DrawStore&) = delete;

  // date.dat and PK10date_new.dll in the data folder, each with its password.
  static std::unique_ptr<DrawStore> OpenExtremes(const std::string& home, StatementLog* log = nullptr);
  static std::unique_ptr<DrawStore> OpenStaging(const std::string& home, StatementLog* log = nullptr);

  const std::string& Path() const { return path_; }

  // False when the file could not be opened and read with its password; the caller tells
  // the user once.
  bool IsReadable() const;

  // 1 when the statement succeeded, 0 when it failed. The text is logged whether or not
  // it succeeds. Exactly one statement is run.
  int Execute(std::string_view statement);

  // Runs a statement built by statements.h; Refused, with nothing run or logged, when the
  // builder refused its values.
  StatementResult Run(const std::optional<std::string>& statement);

  // A transaction around several statements of one job (not logged: they are no
  // statements of the program's own). Commit is false when the changes did not land;
  // Rollback undoes everything since Begin. Only one job may write between the two.
  bool Begin();
  bool Commit();
  void Rollback();
  // SELECT * FROM "table" ORDER BY rowid; false and an empty snapshot when it cannot be read.
  bool ReadTable(std::string_view table, TableSnapshot& out);

 private:
  mutable std::mutex mutex_;
  std::string path_;
  std::unique_ptr<CipherDatabase> db_;  // null when the file could not be read
  StatementLog* log_;
};

}  // namespace pk
