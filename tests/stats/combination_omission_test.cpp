#include "stats/combination_omission.h"

#include <gtest/gtest.h>

#include <map>

#include "stats/champion_omission.h"
#include "stats_test_support.h"
#include "store/table_keys.h"

namespace pk::test {
namespace {

struct CombinationOmissionTest : StatsTest {
  // Every table holds its combinations, far from their extremes; the first
  // recommendation row is taken, as the hot numbers take it in a pass.
  void SetUp() override {
    for (int k = kMinCombinationSize; k <= kMaxCombinationSize; ++k) {
      const std::vector<std::string> keys = CombinationKeys(k);
      auto& table = Table(k);
      for (size_t i = 0; i < table.size(); ++i) table[i] = {keys[i], "999", "", ""};
    }
    program.stats.Recommendations = {{"hot", "", "", "", "百期热码"}};
  }

  std::vector<CombinationRow>& Table(int k) { return program.stats.CombinationTable[k - kMinCombinationSize]; }
  CombinationRow& Row(int k, const std::string& combination) {
    for (CombinationRow& row : Table(k)) {
      if (row.combination == combination) return row;
    }
    throw std::runtime_error("no combination " + combination);
  }
  std::vector<RecommendationRowTexts> Added() {
    const auto& rows = program.stats.Recommendations;
    return {rows.begin() + 1, rows.end()};
  }
};

TEST_F(CombinationOmissionTest, AChampionHitsTheCombinationsHoldingItsDigit) {
  AddChampion(10);
  UpdateCombinationOmission(program, PassMode::Incremental);
  AddChampion(1);
  UpdateCombinationOmission(program, PassMode::Incremental);

  const std::map<std::string, std::string> expected = {{"10", "0"}, {"12", "0"}, {"90", "1"}, {"23", "2"}};
  for (const auto& [combination, current] : expected) {
    EXPECT_EQ(Row(2, combination).current, current) << combination;
    EXPECT_EQ(Row(2, combination).distance, NumberToText(999 - TextToNumber(current))) << combination;
  }
  EXPECT_EQ(Row(9, "234567890").current, "1");  // holds 10 but not 1
  EXPECT_EQ(Row(9, "123456789").current, "0");
  EXPECT_EQ(Row(9, "123456780").current, "0");
}

TEST_F(CombinationOmissionTest, RowsWithinTheirWarningDistanceAreRecommendedRowByRow) {
  program.distances[0] = 7;  // two codes
  program.distances[1] = 6;  // three codes
  Row(2, "10") = {"10", "8", "7", ""};     // 8 after the miss: distance 0
  Row(2, "12") = {"12", "12", "4", ""};    // distance 7 = 7
  Row(3, "120") = {"120", "12", "4", ""};  // distance 7 > 6
  Row(3, "123") = {"123", "11", "4", ""};  // distance 6 = 6
  AddChampion(5);
  UpdateCombinationOmission(program, PassMode::Incremental);

  EXPECT_EQ(Added(), (std::vector<RecommendationRowTexts>{{"10", "8", "8", "0", "二码遗漏"},
                                                          {"12", "12", "5", "7", "二码遗漏"},
                                                          {"123", "11", "5", "6", "三码遗漏"}}));
  EXPECT_TRUE(Statements().empty());
}

TEST_F(CombinationOmissionTest, APassedExtremeIsRecommendedAndWrittenOnEveryPass) {
  OpenStore("CREATE TABLE 二码极限 (号码组合 TEXT, 遗漏极限 TEXT);"
            "INSERT INTO 二码极限 VALUES ('10','8'), ('12','12');");
  Row(2, "12") = {"12", "12", "12", ""};
  AddChampion(5);
  UpdateCombinationOmission(program, PassMode::Incremental);
  AddChampion(6);
  UpdateCombinationOmission(program, PassMode::Incremental);

  EXPECT_EQ(Statements(), (std::vector<std::string>{"update 二码极限 set 遗漏极限='13' where 号码组合='12'",
                                                    "update 二码极限 set 遗漏极限='14' where 号码组合='12'"}));
  EXPECT_EQ(StoredText("二码极限", "号码组合", "12", "遗漏极限"), "14");
  EXPECT_EQ(Status(), "极限值已更新,重新运行生效！");
  EXPECT_EQ(Row(2, "12").extreme, "12");  // the in-memory extreme waits for the next start
  EXPECT_EQ(Added(), (std::vector<RecommendationRowTexts>{{"12", "12", "13", "-1", "二码遗漏"},
                                                          {"12", "12", "14", "-2", "二码遗漏"}}));
}

TEST_F(CombinationOmissionTest, RowsLeftEmptyByAShortStoredTableAreRecommendedButNeverWritten) {
  OpenStore("CREATE TABLE 九码极限 (号码组合 TEXT, 遗漏极限 TEXT);");
  Table(9).back() = {};
  AddChampion(1);
  UpdateCombinationOmission(program, PassMode::Incremental);
  EXPECT_EQ(Table(9).back().current, "1");
  EXPECT_EQ(Added(), (std::vector<RecommendationRowTexts>{{"", "", "1", "-1", "九码遗漏"}}));
  // An empty key is no combination: nothing goes to the store.
  EXPECT_TRUE(Statements().empty());
}

// The full pass over the last 100 draws (all of them when there are fewer), against the
// count since each combination's last hit inside that window.
TEST_F(CombinationOmissionTest, FullPassCountsOverTheLastHundredDraws) {
  for (int draws : {150, 30}) {
    SCOPED_TRACE(draws);
    SetUp();
    ResetHistory(program);
    std::mt19937 random(draws);
    for (int i = 0; i < draws; ++i) AddDraw(RandomOrder(random));
    Row(5, "12345").current = "7";  // a value left by an earlier pass

    std::map<std::pair<int, size_t>, double> before;
    for (int k = kMinCombinationSize; k <= kMaxCombinationSize; ++k) {
      for (size_t i = 0; i < Table(k).size(); ++i) before[{k, i}] = TextToNumber(Table(k)[i].current);
    }
    UpdateCombinationOmission(program, PassMode::Full);

    const int window = std::min(draws, 100);
    EXPECT_EQ(program.stats.ComboWindowStart, draws - window + 1);
    for (int k = kMinCombinationSize; k <= kMaxCombinationSize; ++k) {
      for (size_t i = 0; i < Table(k).size(); ++i) {
        const CombinationRow& row = Table(k)[i];
        double expected = before[{k, i}] + window;
        for (int back = 0; back < window; ++back) {
          if (Contains(row.combination, program.history[draws - 1 - back][kChampionDigitColumn])) {
            expected = back;
            break;
          }
        }
        ASSERT_EQ(row.current, NumberToText(expected)) << row.combination;
      }
    }
  }
}

TEST_F(CombinationOmissionTest, ExtremeListsShowTheTablesSortedByDistance) {
  program.stats.ChampionOmissionTable[kNumberExtreme][0] = 23;
  program.stats.ChampionOmissionTable[kPositionExtreme][9] = 41;
  FillExtremeLists(program);

  // Before any pass every distance is empty: all tie, so each list is reversed.
  ReportListModel& nine = Main().Get<ReportListModel>("极限九码列表框");
  ASSERT_EQ(nine.ItemCount(), 10);
  EXPECT_EQ(nine.ItemTexts(0), (std::vector<std::string>{"234567890", "999", "", ""}));
  EXPECT_EQ(nine.ItemText(9, 0), "123456780");
  EXPECT_EQ(Main().Get<ReportListModel>("极限五码列表框").ItemCount(), 252);
  EXPECT_EQ(Main().Get<ReportListModel>("极限二码列表框").ItemText(0, 0), "90");
  GridModel& grid = Main().Get<GridModel>(kChampionOmissionGrid);
  EXPECT_EQ(grid.CellText(2, 1), "23");
  EXPECT_EQ(grid.CellText(7, 10), "41");
  EXPECT_EQ(grid.CellText(7, 1), "0");

  // Champion 1: only 234567890 misses, so it is closest to its extreme and comes first;
  // the others tie and keep the reversed order. Filling again replaces the rows.
  AddChampion(1);
  UpdateCombinationOmission(program, PassMode::Incremental);
  FillExtremeLists(program);
  ASSERT_EQ(nine.ItemCount(), 10);
  EXPECT_EQ(nine.ItemTexts(0), (std::vector<std::string>{"234567890", "999", "1", "998"}));
  EXPECT_EQ(nine.ItemTexts(1), (std::vector<std::string>{"134567890", "999", "0", "999"}));
  EXPECT_EQ(nine.ItemText(9, 0), "123456780");
}

}  // namespace
}  // namespace pk::test
