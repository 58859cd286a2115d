#include "store/record_set.h"

#include "store/draw_store.h"
#include "store/statements.h"

namespace pk {

void RecordSet::Bind(DrawStore& store) {
  std::lock_guard lock(mutex_);
  store_ = &store;
}

bool RecordSet::Open(std::string_view table) {
  std::lock_guard lock(mutex_);
  table_ = std::string(table);
  current_ = 0;
  return store_->ReadTable(table, rows_);
}

void RecordSet::MoveFirst() {
  std::lock_guard lock(mutex_);
  current_ = 0;
}

void RecordSet::MoveLast() {
  std::lock_guard lock(mutex_);
  // An empty table has no last row: the cursor stays past the end.
  current_ = rows_.RowCount() == 0 ? 0 : static_cast<int64_t>(rows_.RowCount()) - 1;
}

void RecordSet::MoveNext() {
  std::lock_guard lock(mutex_);
  if (current_ < static_cast<int64_t>(rows_.RowCount())) ++current_;
}

void RecordSet::MoveFromFirst(int64_t n) {
  std::lock_guard lock(mutex_);
  current_ = n;
}

int64_t RecordSet::RecordCount() const {
  std::lock_guard lock(mutex_);
  return static_cast<int64_t>(rows_.RowCount());
}

int RecordSet::FieldCount() const {
  std::lock_guard lock(mutex_);
  return static_cast<int>(rows_.columns.size());
}

std::string RecordSet::FieldName(int position) const {
  std::lock_guard lock(mutex_);
  if (position < 0 || position >= static_cast<int>(rows_.columns.size())) return "";
  return rows_.columns[position];
}

std::string RecordSet::Text(std::string_view column) const {
  std::lock_guard lock(mutex_);
  if (!OnRow()) return "";
  const int c = rows_.ColumnIndex(column);
  return c < 0 ? "" : std::string(rows_.Cell(current_, c));
}

std::string RecordSet::TextAt(int position) const {
  std::lock_guard lock(mutex_);
  if (!OnRow() || position < 0 || position >= static_cast<int>(rows_.columns.size())) return "";
  return std::string(rows_.Cell(current_, position));
}

bool RecordSet::IsPastEnd() const {
  std::lock_guard lock(mutex_);
  return !OnRow();
}

int RecordSet::DeleteAll() {
  std::lock_guard lock(mutex_);
  const int result = store_->Execute(DeleteAllStatement(table_));
  if (result == 1) {
    rows_.cells.clear();
    rows_.cellEnds.clear();
    current_ = 0;
  }
  return result;
}

std::string RecordSet::Table() const {
  std::lock_guard lock(mutex_);
  return table_;
}

}  // namespace pk
