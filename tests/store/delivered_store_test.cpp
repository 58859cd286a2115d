// The extremes store the program carries: extracted at start-up, it opens with its
// password and holds every table with every key in its stored order.
#include <gtest/gtest.h>

#include "app/recording_platform.h"
#include "base/ini.h"
#include "base/text.h"
#include "stats/champion_omission.h"
#include "stats/extremes_loading.h"
#include "store/database_preparation.h"
#include "store/draw_store.h"
#include "store/record_set.h"
#include "store/store_files.h"
#include "store/store_reads.h"
#include "store/table_keys.h"
#include "temp_folder.h"

namespace pk {
namespace {

class DeliveredStoreTest : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    home = new test::TempFolder;
    RecordingPlatform platform;
    IniFile ini(home->File("UserDestop.ini"));
    ASSERT_EQ(PrepareDatabaseFile(home->Path(), BuiltInDataStamp(), ini, platform), PreparationResult::Extracted);
    store = DrawStore::OpenExtremes(home->Path()).release();
  }
  static void TearDownTestSuite() {
    delete store;
    delete home;
  }

  // Checks the key column against the expected keys and every other column for integer texts.
  static void ExpectTable(std::string_view table, std::string_view keyColumn, const std::vector<std::string>& keys,
                          const std::vector<std::string>& valueColumns) {
    SCOPED_TRACE(std::string(table));
    RecordSet records(*store);
    const TableSnapshot rows = ReadExtremeTable(records, table);
    ASSERT_EQ(rows.RowCount(), keys.size());
    for (size_t r = 0; r < keys.size(); ++r) {
      ASSERT_EQ(rows.Text(r, keyColumn), keys[r]) << "row " << r;
      for (const std::string& column : valueColumns) {
        ASSERT_TRUE(IsDigitString(rows.Text(r, column))) << column << " row " << r;
      }
    }
  }

  static test::TempFolder* home;
  static DrawStore* store;
};

test::TempFolder* DeliveredStoreTest::home = nullptr;
DrawStore* DeliveredStoreTest::store = nullptr;

TEST_F(DeliveredStoreTest, OpensWithItsPasswordOnly) {
  EXPECT_TRUE(store->IsReadable());
  EXPECT_FALSE(DrawStore(DataFilePath(home->Path(), kExtremesFileName), kStagingPassword).IsReadable());
}

TEST_F(DeliveredStoreTest, HoldsEveryKeyOfEveryTable) {
  for (int size = kMinCombinationSize; size <= kMaxCombinationSize; ++size) {
    ExpectTable(CombinationTableName(size), kCombinationKeyColumn, CombinationKeys(size),
                {std::string(kOmissionExtremeColumn)});
  }
  ExpectTable(kKillOneTable, kKillRuleKeyColumn, KillRuleKeys(3), {std::string(kConsecutiveOpensColumn)});
  ExpectTable(kKillOne4Table, kKillRuleKeyColumn, KillRuleKeys(4), {std::string(kConsecutiveOpensColumn)});
  ExpectTable(kChampionOmissionTable, kChampionOmissionKeyColumn,
              {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"},
              {std::string(kNumberOmissionColumn), std::string(kPositionOmissionColumn)});
  // Read by the start-up loading under these names.
  ExpectTable(kPositionExtremesTable, kPositionKeyColumn, CombinationKeys(9), {std::string(kRunExtremeColumn)});
}

TEST_F(DeliveredStoreTest, TrendTablesHaveAColumnPerCombinationAfterTheRowNumberAndKey) {
  for (int size = kMinTrendSize; size <= kMaxTrendSize; ++size) {
    const std::vector<std::string> columns = TrendColumns(size);
    ExpectTable(TrendTableName(size), kTrendKeyColumn, TrendPatterns(), columns);
    RecordSet records(*store);
    records.Open(TrendTableName(size));
    ASSERT_EQ(records.FieldCount(), static_cast<int>(columns.size()) + 2);
    EXPECT_EQ(records.FieldName(1), kTrendKeyColumn);
    for (size_t c = 0; c < columns.size(); ++c) EXPECT_EQ(records.FieldName(static_cast<int>(c) + 2), columns[c]);
  }
}

TEST_F(DeliveredStoreTest, ValuesComeFromALongHistory) {
  // Over half a million simulated draws no champion omission extreme is small.
  RecordSet records(*store);
  const TableSnapshot rows = ReadExtremeTable(records, kChampionOmissionTable);
  for (size_t r = 0; r < rows.RowCount(); ++r) {
    EXPECT_GT(std::stoi(std::string(rows.Text(r, kNumberOmissionColumn))), 50);
    EXPECT_GT(std::stoi(std::string(rows.Text(r, kPositionOmissionColumn))), 50);
  }
}

}  // namespace
}  // namespace pk
