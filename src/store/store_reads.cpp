#include "store/store_reads.h"

#include <algorithm>

#include "store/record_set.h"
#include "store/store_files.h"

namespace pk {

namespace {

constexpr int64_t kKeptDraws = 9;

}  // namespace

std::string ReadLastPeriod(RecordSet& records) {
  records.Open(kStagingTable);
  records.MoveLast();
  return records.Text(kStagingPeriodColumn);
}

int64_t ReadAllDraws(RecordSet& records, const std::function<void(const std::array<std::string, 10>&)>& onDraw) {
  records.Open(kStagingTable);
  records.MoveFirst();
  const int64_t count = records.RecordCount();
  std::array<std::string, 10> numbers;
  for (int64_t row = 0; row < count; ++row) {
    for (int i = 0; i < 10; ++i) numbers[i] = records.TextAt(2 + i);
    onDraw(numbers);
    records.MoveNext();
  }
  return count;
}

std::vector<std::vector<std::string>> ReadNewestDraws(RecordSet& records) {
  records.Open(kStagingTable);
  // The move lands on the ninth row from the end; of the ten rows read from there the
  // tenth lies past the end and is left out, as are the missing ones of a shorter table.
  const int64_t count = records.RecordCount();
  const int64_t first = std::max<int64_t>(0, count - kKeptDraws);
  records.MoveFromFirst(first);
  const int fields = records.FieldCount();
  std::vector<std::vector<std::string>> rows;
  for (int64_t row = first; row < count; ++row) {
    std::vector<std::string>& texts = rows.emplace_back();
    for (int field = 1; field < fields; ++field) texts.push_back(records.TextAt(field));
    records.MoveNext();
  }
  return rows;
}

TableSnapshot ReadExtremeTable(RecordSet& records, std::string_view table) {
  records.Open(table);
  records.MoveFirst();
  TableSnapshot snapshot;
  snapshot.columns.reserve(records.FieldCount());
  for (int field = 0; field < records.FieldCount(); ++field) snapshot.columns.push_back(records.FieldName(field));
  for (int64_t row = 0; row < records.RecordCount(); ++row) {
    for (int field = 0; field < records.FieldCount(); ++field) {
      snapshot.cells += records.TextAt(field);
      snapshot.cellEnds.push_back(static_cast<uint32_t>(snapshot.cells.size()));
    }
    records.MoveNext();
  }
  return snapshot;
}

}  // namespace pk
