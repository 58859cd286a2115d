#include "store/record_set.h"

#include <gtest/gtest.h>

#include "sample_stores.h"
#include "store/draw_store.h"
#include "store/statement_log.h"
#include "store/store_reads.h"
#include "temp_folder.h"

namespace pk {
namespace {

class RecordSetTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(test::WriteStore(folder.File("date.dat"), kExtremesPassword,
                                 std::string(test::kSampleExtremesScript) +
                                     "CREATE TABLE kill_one (位置组合 TEXT, 连开极限 TEXT);"));
    store = DrawStore::OpenExtremes(folder.Path(), &log);
  }

  test::TempFolder folder;
  StatementLog log;
  std::unique_ptr<DrawStore> store;
};

TEST_F(RecordSetTest, WalksRowsInStoredOrderAndReadsEmptyOutsideThem) {
  RecordSet records(*store);
  ASSERT_TRUE(records.Open("三码极限"));
  EXPECT_EQ(records.RecordCount(), 3);
  EXPECT_EQ(records.FieldCount(), 2);
  EXPECT_EQ(records.FieldName(0), "号码组合");
  EXPECT_EQ(records.FieldName(1), "遗漏极限");
  EXPECT_EQ(records.FieldName(2), "");

  // Opening makes the first row current.
  EXPECT_EQ(records.Text("号码组合"), "120");
  records.MoveNext();
  EXPECT_EQ(records.TextAt(0), "123");
  EXPECT_EQ(records.TextAt(1), "28");
  records.MoveLast();
  EXPECT_EQ(records.Text("号码组合"), "357");
  records.MoveNext();
  EXPECT_TRUE(records.IsPastEnd());
  EXPECT_EQ(records.Text("号码组合"), "");
  records.MoveNext();  // stays past the end
  EXPECT_EQ(records.TextAt(0), "");
  records.MoveFirst();
  EXPECT_EQ(records.Text("号码组合"), "120");

  const std::pair<int64_t, std::string> moves[] = {{0, "120"}, {2, "357"}, {3, ""}, {-1, ""}, {100, ""}};
  for (const auto& [n, expected] : moves) {
    records.MoveFromFirst(n);
    EXPECT_EQ(records.Text("号码组合"), expected) << n;
  }

  records.MoveFirst();
  EXPECT_EQ(records.Text("没有这列"), "");
  EXPECT_EQ(records.TextAt(2), "");
  EXPECT_EQ(records.TextAt(-1), "");
}

TEST_F(RecordSetTest, EmptyTableHasNoCurrentRow) {
  RecordSet records(*store);
  ASSERT_TRUE(records.Open("kill_one"));
  EXPECT_EQ(records.RecordCount(), 0);
  EXPECT_EQ(records.FieldCount(), 2);
  records.MoveLast();
  EXPECT_TRUE(records.IsPastEnd());
  EXPECT_EQ(records.Text("位置组合"), "");
}

TEST_F(RecordSetTest, DeleteAllEmptiesTheTable) {
  RecordSet records(*store);
  records.Open("三码极限");
  EXPECT_EQ(records.DeleteAll(), 1);
  EXPECT_EQ(records.RecordCount(), 0);
  EXPECT_EQ(log.Texts(), std::vector<std::string>{"delete from 三码极限"});
  RecordSet other(*store);
  other.Open("三码极限");
  EXPECT_EQ(other.RecordCount(), 0);
}

TEST_F(RecordSetTest, ReadExtremeTableGivesEveryColumnByName) {
  RecordSet records(*store);
  const TableSnapshot trend = ReadExtremeTable(records, "五码走势极限");
  EXPECT_EQ(trend.columns, (std::vector<std::string>{"编号", "号码组合", "12340", "12345"}));
  ASSERT_EQ(trend.RowCount(), 2u);
  EXPECT_EQ(trend.Text(0, "号码组合"), "111111111");
  EXPECT_EQ(trend.Text(1, "12345"), "22");
  EXPECT_EQ(trend.Text(1, "99999"), "");
  EXPECT_EQ(trend.Text(2, "12345"), "");
  EXPECT_EQ(ReadExtremeTable(records, "不存在").RowCount(), 0u);
}

}  // namespace
}  // namespace pk
