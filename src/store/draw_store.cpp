#include "store/draw_store.h"

#include "store/cipher_database.h"
#include "store/statement_log.h"
#include "store/store_files.h"

namespace pk {

DrawStore::DrawStore(std::string path, std::string_view password, StatementLog* log)
    : path_(std::move(path)), db_(CipherDatabase::OpenExisting(path_, password)), log_(log) {
  // A file that does not open to tables is dropped at once: statements on it could only
  // fail, and an empty file would otherwise take whatever they wrote.
  if (db_ && !db_->HoldsTables()) db_.reset();
}

DrawStore::~DrawStore() = default;

std::unique_ptr<DrawStore> DrawStore::OpenExtremes(const std::string& home, StatementLog* log) {
  return std::make_unique<DrawStore>(DataFilePath(home, kExtremesFileName), kExtremesPassword, log);
}

std::unique_ptr<DrawStore> DrawStore::OpenStaging(const std::string& home, StatementLog* log) {
  return std::make_unique<DrawStore>(DataFilePath(home, kStagingFileName), kStagingPassword, log);
}

bool DrawStore::IsReadable() const {
  std::lock_guard lock(mutex_);
  return db_ != nullptr;
}

bool DrawStore::Begin() {
  std::lock_guard lock(mutex_);
  return db_ && db_->ExecuteOne("BEGIN IMMEDIATE");
}

bool DrawStore::Commit() {
  std::lock_guard lock(mutex_);
  return db_ && db_->ExecuteOne("COMMIT");
}

void DrawStore::Rollback() {
  std::lock_guard lock(mutex_);
  if (db_) db_->ExecuteOne("ROLLBACK");
}

int DrawStore::Execute(std::string_view statement) {
  std::lock_guard lock(mutex_);
  if (log_) log_->Add(std::string(statement));
  return db_ && db_->ExecuteOne(statement) ? 1 : 0;
}

StatementResult DrawStore::Run(const std::optional<std::string>& statement) {
  if (!statement) return StatementResult::Refused;
  return Execute(*statement) == 1 ? StatementResult::Succeeded : StatementResult::Failed;
}

bool DrawStore::ReadTable(std::string_view table, TableSnapshot& out) {
  std::lock_guard lock(mutex_);
  if (!db_) {
    out = TableSnapshot{};
    return false;
  }
  return db_->ReadTable(table, out);
}

}  // namespace pk
