#pragma once
// A record set bound to a store connection: opens a whole table in stored order and walks
// its rows with a current-row cursor. Reads past the last row (or before the first) give
// empty text, as do unknown columns and positions. The rows are read once, when the table
// is opened; a later statement does not change them (delete-all empties them).
#include <cstdint>
#include <mutex>
#include <string>
#include <string_view>

#include "store/table_snapshot.h"

namespace pk {

class DrawStore;

class RecordSet {
 public:
  explicit RecordSet(DrawStore& store) : store_(&store) {}

  // Later opens use this connection.
  void Bind(DrawStore& store);

  // Reads every row of the table in stored order and makes the first row current. A table
  // that cannot be read gives an empty record set and false.
  bool Open(std::string_view table);

  void MoveFirst();
  void MoveLast();
  void MoveNext();
  // The row n places after the first becomes current (n = 0: the first row).
  void MoveFromFirst(int64_t n);

  int64_t RecordCount() const;
  int FieldCount() const;
  // The name of the field at position (from 0); empty when there is none.
  std::string FieldName(int position) const;

  // The current row's value as text.
  std::string Text(std::string_view column) const;
  std::string TextAt(int position) const;

  // True when the current row lies past the last row (or before the first).
  bool IsPastEnd() const;

  // Deletes every row of the open table ("delete from " + table): 1 on success, 0 on failure.
  int DeleteAll();

  std::string Table() const;

 private:
  bool OnRow() const { return current_ >= 0 && current_ < static_cast<int64_t>(rows_.RowCount()); }

  mutable std::mutex mutex_;
  DrawStore* store_;
  std::string table_;
  TableSnapshot rows_;
  int64_t current_ = 0;
};

}  // namespace pk
