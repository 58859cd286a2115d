#include "stats/sort_report_list.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace pk {
namespace {

using Rows = std::vector<std::vector<std::string>>;

// A two-column list: the key and a tag that tells equal keys apart.
std::unique_ptr<ReportListModel> MakeList(const Rows& rows) {
  auto list = std::make_unique<ReportListModel>("list", std::vector<ListColumn>{{"key", 65, Align::Left}, {"tag", 65, Align::Left}});
  for (const auto& row : rows) list->SetItemTexts(list->InsertItem(), row);
  return list;
}

TEST(SortReportListTest, SortsByTypeAndReversesEqualKeys) {
  struct Case {
    const char* what;
    Rows rows;
    bool ascending, caseSensitive;
    int type;
    Rows sorted;
  };
  const Case cases[] = {
      {"numbers, non-numeric text as 0",
       {{"10", "a"}, {"9", "b"}, {"", "c"}, {"x", "d"}, {"-1", "e"}, {"9.0", "f"}},
       true, false, kSortNumeric,
       {{"-1", "e"}, {"x", "d"}, {"", "c"}, {"9.0", "f"}, {"9", "b"}, {"10", "a"}}},
      {"type 3 is numeric, descending",
       {{"2", "a"}, {"10", "b"}, {"2", "c"}},
       false, false, kSortNumericAlias,
       {{"10", "b"}, {"2", "c"}, {"2", "a"}}},
      {"texts ignore letter case unless told",
       {{"abc", "a"}, {"ABD", "b"}, {"ABC", "c"}},
       true, false, kSortText,
       {{"ABC", "c"}, {"abc", "a"}, {"ABD", "b"}}},
      {"case-sensitive texts compare the bytes",
       {{"abc", "a"}, {"ABD", "b"}, {"ABC", "c"}},
       true, true, kSortText,
       {{"ABC", "c"}, {"ABD", "b"}, {"abc", "a"}}},
      // GBK puts 二 (B6FE) before 一 (D2BB), and every Chinese character after ASCII.
      {"texts in GBK byte order",
       {{"一", "a"}, {"二", "b"}, {"z", "c"}},
       true, false, kSortText,
       {{"z", "c"}, {"二", "b"}, {"一", "a"}}},
      {"date-times, text that is none first",
       {{"2015-04-05 16:24:11", "a"}, {"2015-4-5 9:00:00", "b"}, {"soon", "c"}, {"2014-12-31", "d"}},
       true, false, kSortDateTime,
       {{"soon", "c"}, {"2014-12-31", "d"}, {"2015-4-5 9:00:00", "b"}, {"2015-04-05 16:24:11", "a"}}},
      {"all keys equal", {{"", "a"}, {"", "b"}, {"", "c"}}, true, false, kSortNumeric,
       {{"", "c"}, {"", "b"}, {"", "a"}}},
  };
  for (const Case& c : cases) {
    const auto owner = MakeList(c.rows);
    ReportListModel& list = *owner;
    EXPECT_EQ(SortReportList(list, 0, c.ascending, c.caseSensitive, c.type), "排序完成") << c.what;
    EXPECT_EQ(list.Rows(), c.sorted) << c.what;
  }
}

TEST(SortReportListTest, SortsByTheGivenColumnAndMovesWholeRows) {
  const auto owner = MakeList({{"a", "3"}, {"b", "1"}, {"c", "2"}});
  ReportListModel& list = *owner;
  EXPECT_EQ(SortReportList(list, 1, true, false, kSortNumeric), "排序完成");
  EXPECT_EQ(list.Rows(), (Rows{{"b", "1"}, {"c", "2"}, {"a", "3"}}));
}

TEST(SortReportListTest, RefusesWithoutTouchingTheList) {
  const Rows rows = {{"2", "a"}, {"1", "b"}};
  struct Case {
    int column, type;
    bool reportStyle;
    const char* answer;
  };
  const Case cases[] = {
      {0, kSortNumeric, false, "该超级列表框不是报表类型"},
      {-1, kSortNumeric, true, "错误的列索引"},
      {2, kSortNumeric, true, "错误的列索引"},
      {0, 5, true, "排序类型不对"},
      {0, 0, true, "排序类型不对"},
  };
  for (const Case& c : cases) {
    const auto owner = MakeList(rows);
    ReportListModel& list = *owner;
    list.SetReportStyle(c.reportStyle);
    EXPECT_EQ(SortReportList(list, c.column, true, false, c.type), c.answer);
    EXPECT_EQ(list.Rows(), rows) << c.answer;
  }
}

TEST(SortReportListTest, AnEmptyListIsSortedAsItIs) {
  const auto owner = MakeList({});
  ReportListModel& list = *owner;
  EXPECT_EQ(SortReportList(list, 0), "排序完成");
  EXPECT_EQ(list.ItemCount(), 0);
}

}  // namespace
}  // namespace pk
