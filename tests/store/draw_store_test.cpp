#include "store/draw_store.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "sample_stores.h"
#include "store/record_set.h"
#include "store/statement_log.h"
#include "store/statements.h"
#include "temp_folder.h"

namespace pk {
namespace {

using test::TempFolder;

class DrawStoreTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(test::WriteStore(folder.File("date.dat"), kExtremesPassword, test::kSampleExtremesScript));
  }

  std::string Value(const std::string& table, const std::string& column, int row) {
    RecordSet records(*store);
    records.Open(table);
    records.MoveFromFirst(row);
    return records.Text(column);
  }

  TempFolder folder;
  StatementLog log;
  std::unique_ptr<DrawStore> store = nullptr;
};

TEST_F(DrawStoreTest, UpdateExtremeWritesTheValueAndLogsTheText) {
  store = DrawStore::OpenExtremes(folder.Path(), &log);
  ASSERT_TRUE(store->IsReadable());
  EXPECT_EQ(store->Run(UpdateExtreme("三码极限", "遗漏极限", "号码组合", "357", "41")), StatementResult::Succeeded);
  EXPECT_EQ(Value("三码极限", "遗漏极限", 2), "41");
  EXPECT_EQ(Value("三码极限", "遗漏极限", 0), "30");
  EXPECT_EQ(log.Texts(), std::vector<std::string>{"update 三码极限 set 遗漏极限='41' where 号码组合='357'"});
}

TEST_F(DrawStoreTest, KeyThatMatchesNoRowSucceedsWithoutChanges) {
  store = DrawStore::OpenExtremes(folder.Path(), &log);
  EXPECT_EQ(store->Run(UpdateExtreme("三码极限", "遗漏极限", "号码组合", "999", "41")), StatementResult::Succeeded);
  for (int row = 0; row < 3; ++row) EXPECT_NE(Value("三码极限", "遗漏极限", row), "41");
}

TEST_F(DrawStoreTest, TrendExtremeIsStoredUnderItsDigitColumn) {
  store = DrawStore::OpenExtremes(folder.Path(), &log);
  // The text with the bare digit column is not valid SQL...
  EXPECT_EQ(store->Execute("update 五码走势极限 set 12340='25' where 号码组合='111111111'"), 0);
  // ...the built statement quotes it and succeeds.
  EXPECT_EQ(store->Run(UpdateExtreme("五码走势极限", "12340", "号码组合", "111111111", "25")),
            StatementResult::Succeeded);
  EXPECT_EQ(Value("五码走势极限", "12340", 0), "25");
  EXPECT_EQ(Value("五码走势极限", "12345", 0), "12");
  EXPECT_EQ(Value("五码走势极限", "12340", 1), "21");
  EXPECT_EQ(log.Texts().back(), "update 五码走势极限 set \"12340\"='25' where 号码组合='111111111'");
}

TEST_F(DrawStoreTest, HostileValuesNeverReachTheFile) {
  store = DrawStore::OpenExtremes(folder.Path(), &log);
  EXPECT_EQ(store->Run(UpdateExtreme("三码极限", "遗漏极限", "号码组合", "357", "1' where 1=1 or '1")),
            StatementResult::Refused);
  EXPECT_EQ(store->Run(UpdateExtreme("三码极限", "遗漏极限", "号码组合", "357';DELETE FROM 三码极限;--", "41")),
            StatementResult::Refused);
  EXPECT_TRUE(log.Texts().empty());
  // Even a text that reaches the connection runs one statement at most.
  EXPECT_EQ(store->Execute("update 三码极限 set 遗漏极限='1';DELETE FROM 三码极限"), 0);
  RecordSet records(*store);
  records.Open("三码极限");
  EXPECT_EQ(records.RecordCount(), 3);
  EXPECT_EQ(records.Text("遗漏极限"), "30");
}

TEST_F(DrawStoreTest, FailingStatementGivesZero) {
  store = DrawStore::OpenExtremes(folder.Path(), &log);
  EXPECT_EQ(store->Run(UpdateExtreme("不存在", "遗漏极限", "号码组合", "357", "41")), StatementResult::Failed);
  EXPECT_EQ(store->Execute("update 三码极限 set 没有这列='1' where 号码组合='357'"), 0);
  EXPECT_EQ(log.Texts().size(), 2u);
}

// Files that cannot be read give a store whose reads are empty and whose statements fail,
// and the files are left exactly as they were.
TEST(DrawStoreUnreadableTest, EmptyReadsAndFailingStatements) {
  TempFolder folder;
  ASSERT_TRUE(test::WriteStore(folder.File("good.dat"), kExtremesPassword, test::kSampleExtremesScript));
  const std::string good = folder.ReadFile("good.dat");
  ASSERT_GT(good.size(), 2048u);

  struct Case {
    std::string name;
    std::optional<std::string> bytes;  // nullopt: no file
    std::string password;
  };
  const Case cases[] = {
      {"missing", std::nullopt, std::string(kExtremesPassword)},
      {"empty", std::string(), std::string(kExtremesPassword)},
      {"truncated", good.substr(0, 1500), std::string(kExtremesPassword)},
      {"not a database", std::string(5000, 'x'), std::string(kExtremesPassword)},
      {"wrong password", good, "Mist%=#!,,"},
      {"no password", good, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string file = "case.dat";
    std::filesystem::remove(folder.File(file));
    if (c.bytes) folder.WriteFile(file, *c.bytes);

    StatementLog log;
    DrawStore store(folder.File(file), c.password, &log);
    EXPECT_FALSE(store.IsReadable());
    RecordSet records(store);
    EXPECT_FALSE(records.Open("三码极限"));
    EXPECT_EQ(records.RecordCount(), 0);
    EXPECT_EQ(records.FieldCount(), 0);
    EXPECT_EQ(records.Text("遗漏极限"), "");
    EXPECT_EQ(store.Run(UpdateExtreme("三码极限", "遗漏极限", "号码组合", "357", "41")), StatementResult::Failed);
    EXPECT_EQ(records.DeleteAll(), 0);
    EXPECT_EQ(log.Texts().size(), 2u);  // issued statements are logged even when they fail

    EXPECT_EQ(folder.Exists(file), c.bytes.has_value());
    if (c.bytes) {
      EXPECT_EQ(folder.ReadFile(file), *c.bytes);
    }
  }
}

}  // namespace
}  // namespace pk
