#include "stats/extremes_loading.h"

#include <gtest/gtest.h>

#include <fstream>

#include "stats/champion_omission.h"
#include "stats_test_support.h"
#include "store/table_keys.h"

namespace pk::test {
namespace {

std::string Quoted(const std::string& text) { return "'" + text + "'"; }

// A store with short, exact and overfull tables: 二码极限 holds 3 of its 45 rows, 九码极限
// one record too many, 七码走势极限 two combination columns too many, 号码_位置遗漏 one
// record too many; 八码极限 and the other combination tables are missing.
std::string SampleStore() {
  std::string script =
      "CREATE TABLE 二码极限 (号码组合 TEXT, 遗漏极限 TEXT);"
      "INSERT INTO 二码极限 VALUES ('10','20'), ('12','15'), ('13',NULL);"
      "CREATE TABLE 九码极限 (号码组合 TEXT, 遗漏极限 TEXT);";
  for (int i = 0; i < 11; ++i) script += "INSERT INTO 九码极限 VALUES ('9" + std::to_string(i) + "','" + std::to_string(i) + "');";
  script +=
      "CREATE TABLE 五码走势极限 (编号 INTEGER, 号码组合 TEXT, \"12340\" TEXT, \"12345\" TEXT, \"12346\" TEXT);"
      "INSERT INTO 五码走势极限 VALUES (1,'111111111','11','12','13'), (2,'111111112','21','22','23');"
      "CREATE TABLE 六码走势极限 (编号 INTEGER, 号码组合 TEXT, \"123450\" TEXT);"
      "INSERT INTO 六码走势极限 VALUES (1,'111111111','5');";
  std::string columns, values;
  for (int c = 0; c < 122; ++c) {
    columns += ", \"c" + std::to_string(c) + "\" TEXT";
    values += "," + Quoted(std::to_string(c));
  }
  script += "CREATE TABLE 七码走势极限 (编号 INTEGER, 号码组合 TEXT" + columns + ");";
  script += "INSERT INTO 七码走势极限 VALUES (1,'111111111'" + values + ");";
  script +=
      "CREATE TABLE 九码位置极限 (位置组合 TEXT, 连开极限 TEXT);"
      "INSERT INTO 九码位置极限 VALUES ('147','6'), ('258','9');"
      "CREATE TABLE 号码_位置遗漏 (号码 TEXT, 号码遗漏 TEXT, 位置遗漏 TEXT);"
      "INSERT INTO 号码_位置遗漏 VALUES ('1','23','7.9'), ('2','',NULL);";
  for (int i = 3; i <= 11; ++i) script += "INSERT INTO 号码_位置遗漏 VALUES ('" + std::to_string(i) + "','50','60');";
  return script;
}

struct ExtremesLoadingTest : StatsTest {
  ButtonModel& FetchButton() { return Main().Get<ButtonModel>("按钮_获取数据"); }
  std::vector<CombinationRow>& Table(int k) { return program.stats.CombinationTable[k - kMinCombinationSize]; }
  void SetUp() override { FetchButton().SetEnabled(false); }
};

TEST_F(ExtremesLoadingTest, FillsEveryTableInStoredOrderAndCountsWhatDoesNotFit) {
  OpenStore(SampleStore());
  LoadExtremes(program);

  const auto row = [](const CombinationRow& r) { return std::vector<std::string>{r.combination, r.extreme, r.current, r.distance}; };
  EXPECT_EQ(row(Table(2)[0]), (std::vector<std::string>{"10", "20", "", ""}));
  EXPECT_EQ(row(Table(2)[2]), (std::vector<std::string>{"13", "", "", ""}));
  EXPECT_EQ(row(Table(2)[3]), (std::vector<std::string>{"", "", "", ""}));  // a short table leaves the rest empty
  EXPECT_EQ(row(Table(9)[9]), (std::vector<std::string>{"99", "9", "", ""}));
  EXPECT_EQ(Table(9).size(), 10u);
  EXPECT_EQ(Table(8)[0].combination, "");  // a missing table reads as empty

  // Trend tables: every column after the first two names a candidate.
  const TrendPlanData& trend = program.trend;
  EXPECT_EQ(trend.Candidates[kFiveCodes], (std::vector<std::string>{"12340", "12345", "12346"}));
  EXPECT_EQ(trend.Patterns, (std::vector<std::string>{"111111111", "111111112"}));
  EXPECT_EQ(trend.ExtremeTables[kFiveCodes],
            (std::vector<std::vector<std::string>>{{"11", "12", "13"}, {"21", "22", "23"}}));
  EXPECT_EQ(trend.Candidates[kSixCodes], (std::vector<std::string>{"123450"}));
  EXPECT_EQ(trend.ExtremeTables[kSixCodes], (std::vector<std::vector<std::string>>{{"5"}}));
  ASSERT_EQ(trend.Candidates[kSevenCodes].size(), 120u);
  EXPECT_EQ(trend.Candidates[kSevenCodes].back(), "c119");
  EXPECT_EQ(trend.ExtremeTables[kSevenCodes][0].back(), "119");

  const auto& omission = program.stats.ChampionOmissionTable;
  EXPECT_EQ(omission[kNumberExtreme], (std::array<int32_t, 10>{23, 0, 50, 50, 50, 50, 50, 50, 50, 50}));
  EXPECT_EQ(omission[kPositionExtreme][0], 7);  // truncated
  EXPECT_EQ(omission[kPositionExtreme][1], 0);

  EXPECT_EQ(Status(), "极限数据库中超出表格容量的2条记录和2列已忽略！");
  EXPECT_TRUE(FetchButton().Enabled());
  EXPECT_EQ(Main().Get<GridModel>(kChampionOmissionGrid).CellText(2, 1), "23");
  ReportListModel& two = Main().Get<ReportListModel>("极限二码列表框");
  ASSERT_EQ(two.ItemCount(), 45);
  EXPECT_EQ(two.ItemTexts(44), (std::vector<std::string>{"10", "20", "", ""}));
}

TEST_F(ExtremesLoadingTest, AStoreThatCannotBeReadLeavesTheTablesAndSaysSoOnce) {
  for (bool garbage : {false, true}) {
    SCOPED_TRACE(garbage);
    if (garbage) {
      std::ofstream(DataFilePath(home.Path(), kExtremesFileName), std::ios::binary) << std::string(4096, 'x');
      program.store = DrawStore::OpenExtremes(home.Path(), &program.statements());
    }
    FetchButton().SetEnabled(false);
    LoadExtremes(program);
    EXPECT_EQ(Status(), "极限数据库无法读取！");
    EXPECT_TRUE(FetchButton().Enabled());
    EXPECT_EQ(program.trend.Candidates[kFiveCodes].size(), 120u);
    EXPECT_EQ(Table(2)[0].combination, "");
    EXPECT_EQ(Main().Get<ReportListModel>("极限二码列表框").ItemCount(), 45);
  }
}

TEST_F(ExtremesLoadingTest, EmptyTablesStillEnableTheFetchButton) {
  OpenStore("CREATE TABLE 二码极限 (号码组合 TEXT, 遗漏极限 TEXT);"
            "CREATE TABLE 五码走势极限 (编号 INTEGER, 号码组合 TEXT, \"12340\" TEXT);");
  LoadExtremes(program);
  EXPECT_TRUE(FetchButton().Enabled());
  EXPECT_EQ(Status(), "");
  EXPECT_EQ(program.trend.Candidates[kFiveCodes], (std::vector<std::string>{"12340"}));
  EXPECT_TRUE(program.trend.ExtremeTables[kFiveCodes].empty());
  EXPECT_TRUE(program.trend.Patterns.empty());
}

TableSnapshot PositionRecords(const std::vector<std::pair<std::string, std::string>>& records) {
  TableSnapshot table;
  table.columns = {"位置组合", "连开极限"};
  for (const auto& [positions, run] : records) {
    for (const std::string& cell : {positions, run}) {
      table.cells += cell;
      table.cellEnds.push_back(static_cast<uint32_t>(table.cells.size()));
    }
  }
  return table;
}

TEST(PositionExtremesTextTest, PairsAreJoinedBySingleBlanksWithNoneAtTheEnds) {
  EXPECT_EQ(PositionExtremesText(PositionRecords({{"123456789", "5"}})), "123456789 5");
  EXPECT_EQ(PositionExtremesText(PositionRecords({{"147", "6"}, {"258", "9"}})), "147 6 258 9");
  EXPECT_EQ(PositionExtremesText(PositionRecords({})), "");
}

}  // namespace
}  // namespace pk::test
