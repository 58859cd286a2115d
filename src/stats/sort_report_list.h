#pragma once
// Sorting a report list view by one column, as numbers, date-times or texts.
#include <string>

#include "app/ui/report_list_model.h"

namespace pk {

// Sort types: 3 and 6 numeric, 8 date and time, 10 text.
enum ReportSortType : int { kSortNumericAlias = 3, kSortNumeric = 6, kSortDateTime = 8, kSortText = 10 };

inline constexpr const char* kSortNotReportStyle = "该超级列表框不是报表类型";
inline constexpr const char* kSortBadColumn = "错误的列索引";
inline constexpr const char* kSortBadType = "排序类型不对";
inline constexpr const char* kSortDone = "排序完成";

// A selection sort that keeps taking the best remaining row, where a later row that is
// not worse than the choice replaces it: rows with equal keys come out in the reverse of
// their order before the sort. Numbers read through TextToNumber (non-numeric text is 0);
// date-times through ParseDateTimeText (text that is not one sorts before every date);
// texts compare as unsigned GBK bytes, upper-cased first unless caseSensitive.
// Only the item texts move; a refused sort leaves the list unchanged and says why.
std::string SortReportList(ReportListModel& list, int column, bool ascending = true, bool caseSensitive = false,
                           int type = kSortText);

}  // namespace pk
