#include "store/staging_file.h"

#include <gtest/gtest.h>

#include "base/numbers.h"
#include "store/draw_store.h"
#include "store/record_set.h"
#include "store/statement_log.h"
#include "store/statements.h"
#include "store/store_files.h"
#include "store/store_reads.h"
#include "temp_folder.h"

namespace pk {
namespace {

std::vector<std::string> FetchedDraw(int period, std::vector<std::string> numbers) {
  numbers.insert(numbers.begin(), std::to_string(period));
  return numbers;
}

class StagingFileTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(EnsureStagingFile(folder.Path()));
    store = DrawStore::OpenStaging(folder.Path(), &log);
    ASSERT_TRUE(store->IsReadable());
  }

  std::vector<std::string> Column(const std::string& column) {
    RecordSet records(*store);
    records.Open("PK10date");
    std::vector<std::string> texts;
    for (int64_t i = 0; i < records.RecordCount(); ++i, records.MoveNext()) texts.push_back(records.Text(column));
    return texts;
  }

  test::TempFolder folder;
  StatementLog log;
  std::unique_ptr<DrawStore> store;
};

TEST_F(StagingFileTest, FreshFileHoldsTheNineDraws) {
  RecordSet records(*store);
  ASSERT_TRUE(records.Open("PK10date"));
  ASSERT_EQ(records.RecordCount(), 9);
  ASSERT_EQ(records.FieldCount(), 12);
  const char* names[] = {"编号", "期号", "一", "二", "三", "四", "五", "六", "七", "八", "九", "十"};
  for (int i = 0; i < 12; ++i) EXPECT_EQ(records.FieldName(i), names[i]);

  for (int i = 0; i < 9; ++i, records.MoveNext()) {
    EXPECT_EQ(records.Text("编号"), std::to_string(472773 + i));
    EXPECT_EQ(records.Text("期号"), "\n" + std::to_string(472538 + i) + "\n");
  }
  records.MoveFirst();
  std::string first, last;
  for (int field = 2; field < 12; ++field) first += records.TextAt(field) + " ";
  records.MoveLast();
  for (int field = 2; field < 12; ++field) last += records.TextAt(field) + " ";
  EXPECT_EQ(first, "04 05 08 03 01 02 07 09 10 06 ");
  EXPECT_EQ(last, "10 08 09 03 01 06 05 04 02 07 ");
}

TEST_F(StagingFileTest, NextHistoryUpdateStartsAfterTheLastPeriod) {
  RecordSet records(*store);
  const std::string last = ReadLastPeriod(records);
  EXPECT_EQ(last, "\n472546\n");
  EXPECT_EQ(NumberToText(TextToNumber(last) + 1), "472547");

  EXPECT_EQ(store->Run(InsertFetchedDraw(FetchedDraw(472547, {"01", "02", "03", "04", "05", "06", "07", "08", "09", "10"}))),
            StatementResult::Succeeded);
  EXPECT_EQ(Column("编号").back(), "472782");
  EXPECT_EQ(ReadLastPeriod(records), "472547");
}

TEST_F(StagingFileTest, ExistingFileIsKept) {
  ASSERT_TRUE(store->Run(InsertFetchedDraw(FetchedDraw(472547, {"01", "02", "03", "04", "05", "06", "07", "08", "09", "10"}))) ==
              StatementResult::Succeeded);
  EXPECT_TRUE(EnsureStagingFile(folder.Path()));
  EXPECT_EQ(Column("期号").size(), 10u);
  EXPECT_FALSE(WriteFreshStagingFile(DataFilePath(folder.Path(), kStagingFileName)));
}

TEST_F(StagingFileTest, HostileFetchedDrawIsRefused) {
  std::vector<std::string> draw = FetchedDraw(472547, {"01", "02", "03", "04", "05", "06", "07", "08", "09", "10"});
  draw[0] = "01');DELETE FROM PK10date;--";
  EXPECT_EQ(store->Run(InsertFetchedDraw(draw)), StatementResult::Refused);
  EXPECT_TRUE(log.Texts().empty());
  EXPECT_EQ(Column("期号").size(), 9u);
}

TEST_F(StagingFileTest, ReadAllDrawsGivesTheTenNumbersOfEveryRow) {
  RecordSet records(*store);
  std::vector<std::string> champions;
  EXPECT_EQ(ReadAllDraws(records, [&](const std::array<std::string, 10>& numbers) {
              champions.push_back(numbers[0] + numbers[9]);
            }),
            9);
  EXPECT_EQ(champions, (std::vector<std::string>{"0406", "0904", "0205", "0906", "0310", "0704", "0307", "1009", "1007"}));
}

// Cutting the table back to its nine newest draws: read them, delete all, write them back.
std::vector<std::string> Trim(DrawStore& store, RecordSet& records) {
  const auto newest = ReadNewestDraws(records);
  EXPECT_EQ(records.DeleteAll(), 1);
  for (const auto& row : newest) EXPECT_EQ(store.Run(InsertDraw(row)), StatementResult::Succeeded);
  std::vector<std::string> periods;
  for (const auto& row : newest) periods.push_back(row[0]);
  return periods;
}

TEST_F(StagingFileTest, TrimKeepsTheNineNewestDrawsInTheirOrder) {
  RecordSet records(*store);
  records.Open("PK10date");  // opened before the new draws arrive; the trim still sees them
  const std::vector<std::string> numbers = {"05", "01", "02", "03", "04", "06", "07", "08", "09", "10"};
  for (int period = 472547; period <= 472551; ++period) {
    ASSERT_EQ(store->Run(InsertFetchedDraw(FetchedDraw(period, numbers))), StatementResult::Succeeded);
  }
  const std::vector<std::string> beforePeriods = Column("期号");
  const std::vector<std::string> beforeLast = Column("十");

  log.Clear();
  Trim(*store, records);

  const std::vector<std::string> periods = Column("期号");
  EXPECT_EQ(periods, std::vector<std::string>(beforePeriods.end() - 9, beforePeriods.end()));
  EXPECT_EQ(Column("十"), std::vector<std::string>(beforeLast.end() - 9, beforeLast.end()));
  EXPECT_EQ(TextToNumber(periods.front()), 472543);
  EXPECT_EQ(Column("编号").front(), "472787");  // written back with new numbers

  const std::vector<std::string> texts = log.Texts();
  ASSERT_EQ(texts.size(), 10u);
  EXPECT_EQ(texts[0], "delete from PK10date");
  EXPECT_EQ(texts[1],
            "insert into PK10date (期号,一,二,三,四,五,六,七,八,九,十) values "
            "('\n472543\n','07','05','01','08','09','03','10','06','02','04')");

  // A second trim changes nothing.
  Trim(*store, records);
  EXPECT_EQ(Column("期号"), periods);
}

TEST_F(StagingFileTest, TrimOfAShortTableWritesOnlyItsRows) {
  RecordSet records(*store);
  records.Open("PK10date");
  ASSERT_EQ(records.DeleteAll(), 1);
  const std::vector<std::string> numbers = {"05", "01", "02", "03", "04", "06", "07", "08", "09", "10"};
  for (int period = 1; period <= 3; ++period) store->Run(InsertFetchedDraw(FetchedDraw(period, numbers)));
  EXPECT_EQ(Trim(*store, records), (std::vector<std::string>{"1", "2", "3"}));
  EXPECT_EQ(Column("期号"), (std::vector<std::string>{"1", "2", "3"}));

  records.DeleteAll();
  EXPECT_TRUE(Trim(*store, records).empty());
  EXPECT_TRUE(Column("期号").empty());
}

}  // namespace
}  // namespace pk
