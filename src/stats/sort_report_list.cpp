#include "stats/sort_report_list.h"

#include <cstdint>
#include <limits>
#include <list>
#include <vector>

#include "base/gbk.h"
#include "base/numbers.h"
#include "base/text.h"
#include "base/time.h"

namespace pk {

namespace {

struct SortKey {
  double number = 0;
  int64_t seconds = 0;
  std::string text;
};

SortKey MakeKey(const std::string& cell, int type, bool caseSensitive) {
  SortKey key;
  if (type == kSortNumeric) {
    key.number = TextToNumber(cell);
  } else if (type == kSortDateTime) {
    const std::optional<DateTime> when = ParseDateTimeText(cell);
    key.seconds = when ? when->seconds : std::numeric_limits<int64_t>::min();
  } else {
    key.text = caseSensitive ? cell : ToUpperAscii(cell);
  }
  return key;
}

// <0, 0 or >0 as a is below, equal to or above b.
int CompareKeys(const SortKey& a, const SortKey& b, int type) {
  if (type == kSortNumeric) {
    if (NumbersEqual(a.number, b.number)) return 0;
    return a.number < b.number ? -1 : 1;
  }
  if (type == kSortDateTime) return a.seconds < b.seconds ? -1 : a.seconds > b.seconds ? 1 : 0;
  return GbkCompare(a.text, b.text);
}

}  // namespace

std::string SortReportList(ReportListModel& list, int column, bool ascending, bool caseSensitive, int type) {
  if (!list.ReportStyle()) return kSortNotReportStyle;
  const int columns = list.ColumnCount();
  if (column < 0 || column > columns - 1) return kSortBadColumn;
  if (type != kSortNumericAlias && type != kSortNumeric && type != kSortDateTime && type != kSortText) {
    return kSortBadType;
  }
  if (type == kSortNumericAlias) type = kSortNumeric;

  std::vector<std::vector<std::string>> before = list.Rows();
  for (auto& row : before) row.resize(columns);

  struct Pending {
    SortKey key;
    int row;
  };
  std::list<Pending> pending;
  for (int row = 0; row < static_cast<int>(before.size()); ++row) {
    pending.push_back({MakeKey(before[row][column], type, caseSensitive), row});
  }

  std::vector<int> order;
  order.reserve(before.size());
  while (pending.size() >= 2) {
    auto choice = pending.begin();
    for (auto candidate = std::next(choice); candidate != pending.end(); ++candidate) {
      const int comparison = CompareKeys(candidate->key, choice->key, type);
      if (ascending ? comparison <= 0 : comparison >= 0) choice = candidate;
    }
    order.push_back(choice->row);
    pending.erase(choice);
  }
  if (!pending.empty()) order.push_back(pending.front().row);

  for (int row = 0; row < static_cast<int>(order.size()); ++row) {
    if (order[row] != row) list.SetItemTexts(row, before[order[row]]);
  }
  return kSortDone;
}

}  // namespace pk
