#include "plans/kill_formulas.h"

#include <gmock/gmock.h>

#include "plans/plan_tracker.h"
#include "plans_fixture.h"

namespace pk::test {
namespace {

using testing::ElementsAre;

constexpr const char* kGrid = "高级表格_九码二";

DrawRecord Row(const std::array<std::string, 10>& numbers, const std::string& period) {
  DrawRecord row;
  for (int p = 1; p <= 10; ++p) row[p] = numbers[p - 1];
  row[kChampionDigitColumn] = numbers[0].empty() ? "" : numbers[0].substr(numbers[0].size() - 1);
  row[kPeriodColumn] = period;
  return row;
}

TEST(KillCodes, OneDrawGivesEveryFormulaThatNeedsNoEarlierDraw) {
  // 03 07 01 10 05 02 09 04 06 08, period 100.
  const DrawHistory history = {Row(Order({3, 7, 1, 10, 5, 2, 9, 4, 6, 8}), "100")};
  EXPECT_THAT(KillCodes(history, 0), ElementsAre("6",   // 7 - 1
                                                 "4",   // |3 - 7|
                                                 "1",   // period 101
                                                 "",    // needs draw j - 10
                                                 "",    // needs draw j - 1
                                                 "1",   // 7 + 3 = 10, 10 - 9 = 1
                                                 "2",   // x = 01 at position 3, y = 03 at position 1
                                                 "1",   // "01" in column 3
                                                 "4",   // "04" in column 8
                                                 "3"));  // |3 - 0|
}

TEST(KillCodes, EarlierDrawsAndSpecialValues) {
  struct Case {
    const char* what;
    std::vector<std::array<std::string, 10>> draws;  // periods 1000, 1001, ...
    int formula;                                     // 1..10, of the newest draw
    std::string code;
  };
  const std::vector<Case> cases = {
      {"previous champion 10", {Order({10}), Order({4})}, 5, "5"},
      {"previous champion 5 gives car 10", {Order({5}), Order({4})}, 5, "0"},
      {"previous champion 1", {Order({1}), Order({4})}, 5, "6"},
      {"champion 1 at its own position", {Order({1, 2, 3})}, 7, "0"},
      {"champion 10 and a period ending in 0", {Order({10})}, 10, "10"},
      {"sum of two largest is 19", {Order({10, 9, 1})}, 6, "0"},
      {"one-character numbers", {{"3", "7", "1", "10", "5", "2", "9", "4", "6", "8"}}, 8, ""},
      {"one-character numbers", {{"3", "7", "1", "10", "5", "2", "9", "4", "6", "8"}}, 9, ""},
  };
  for (const Case& c : cases) {
    DrawHistory history;
    for (size_t i = 0; i < c.draws.size(); ++i) history.push_back(Row(c.draws[i], std::to_string(1000 + i)));
    EXPECT_EQ(KillCodes(history, history.size() - 1)[c.formula - 1], c.code) << c.what << ", formula " << c.formula;
  }
}

TEST(KillCodes, MalformedCellsNeverIndexOutsideTheRow) {
  const std::vector<std::array<std::string, 10>> rows = {
      {"", "", "", "", "", "", "", "", "", ""},
      {"99", "07", "01", "10", "05", "02", "09", "04", "06", "08"},
      {"-3", "x", "01", "10", "05", "02", "09", "04", "06", "08"},
      {"999999999999", "07", "01", "10", "05", "02", "09", "04", "06", "08"},
  };
  for (const auto& numbers : rows) {
    const DrawHistory history = {Row(numbers, "")};
    const auto codes = KillCodes(history, 0);
    EXPECT_EQ(codes[7], "") << numbers[0];
    EXPECT_EQ(codes[8], "") << numbers[0];
  }
  // Formula 7 reads the number at the champion's position as a position: 55 is none.
  const DrawHistory history = {Row({"03", "07", "55", "10", "05", "02", "09", "04", "06", "08"}, "7")};
  EXPECT_EQ(KillCodes(history, 0)[6], "");
}

struct KillFormulasTest : PlansTest {
  void Run(bool full) {
    program.kills.FullRun = full ? 1 : 0;
    RunKillFormulas(program);
  }
};

TEST_F(KillFormulasTest, FourthFormulaWaitsForTenEarlierDraws) {
  LoadChampions({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 1, 2});
  Run(true);
  const auto& table = program.kills.KillTable;
  ASSERT_EQ(table.size(), 12u);
  for (int j = 0; j < 10; ++j) EXPECT_EQ(table[j][3][0], "") << j;
  EXPECT_EQ(table[10][3][0], "1");  // the champion of the first draw
  EXPECT_EQ(table[11][3][0], "2");
}

TEST_F(KillFormulasTest, FullRunFillsTheGridWithOutcomesAndRuns) {
  // Draw 1 kills by formula 2 the code |3 - 7| = 4; draw 2's champion is 4: a miss.
  LoadOrders({Order({3, 7, 1}), Order({4, 7, 1}), Order({10, 2, 5})}, 99);
  Run(true);

  GridModel& grid = Grid(kGrid);
  ASSERT_EQ(grid.RowCount(), 3 + 5);
  const auto& table = program.kills.KillTable;
  EXPECT_EQ(grid.CellText(1, 0), "100");
  EXPECT_EQ(grid.CellText(1, 1), "4");
  EXPECT_EQ(grid.TextColour(1, 1), kBlue);
  EXPECT_EQ(grid.CellText(1, 3), "4");
  EXPECT_EQ(table[0][1][1], "错");
  EXPECT_EQ(grid.BackColour(1, 3), kMissPink);
  EXPECT_EQ(grid.TextColour(1, 3), std::nullopt);

  int hits = 0;
  for (int k = 0; k < 10; ++k) {
    const bool hit = table[0][k][1] == "对";
    hits += hit;
    EXPECT_EQ(grid.BackColour(1, 2 + k).has_value(), !hit) << k;
  }
  EXPECT_EQ(grid.CellText(1, 12), std::to_string(hits));

  // The newest row: kill codes for the coming draw in blue, no champion, no result.
  EXPECT_EQ(grid.CellText(3, 0), "102");
  EXPECT_EQ(grid.CellText(3, 1), "");
  EXPECT_EQ(grid.CellText(3, 12), "");
  for (int k = 0; k < 10; ++k) {
    EXPECT_EQ(grid.TextColour(3, 2 + k), kBlue) << k;
    EXPECT_EQ(table[2][k][1], "...");
  }

  const std::vector<std::string> labels = {"当前连对", "当前连错", "最大连对", "最大连错"};
  for (int s = 0; s < 4; ++s) EXPECT_EQ(grid.CellText(4 + s, 0), labels[s]);
  const PlanTracker& second = program.kills.Trackers[1];
  EXPECT_EQ(grid.CellText(5, 3), std::to_string(second.CurrentMisses));
  EXPECT_EQ(grid.CellText(7, 3), std::to_string(second.MaxMisses));
}

TEST_F(KillFormulasTest, AllTenHitShowsAllRightInGreen) {
  const auto first = Order({3, 7, 1, 10, 5, 2, 9, 4, 6, 8});
  // Codes of the first draw: 6 4 1 - - 1 2 1 4 3; champion 5 is none of them.
  LoadOrders({first, Order({5})}, 99);
  Run(true);
  GridModel& grid = Grid(kGrid);
  EXPECT_EQ(grid.CellText(1, 12), "全对");
  EXPECT_EQ(grid.BackColour(1, 12), kAllHitGreen);
  for (int k = 0; k < 10; ++k) EXPECT_EQ(grid.CellText(3, 2 + k), "1") << "当前连对 of plan " << k + 1;
}

TEST_F(KillFormulasTest, TwoCharacterAndEmptyCodesAlwaysHit) {
  // Champion 10 with period 100: formula 10 kills "10"; the next champion 10 has code "0".
  // Formula 4 is empty: an empty code is never a champion code.
  LoadOrders({Order({10}), Order({10})}, 100);
  Run(true);
  EXPECT_EQ(program.kills.KillTable[0][9][0], "10");
  EXPECT_EQ(program.kills.KillTable[0][9][1], "对");
  EXPECT_EQ(program.kills.KillTable[0][3][1], "对");
}

TEST_F(KillFormulasTest, IncrementalRunRewritesTheLastRowsAsAFullRunWould) {
  std::vector<int> champions = {3, 8, 1, 10, 5, 5, 2, 7, 9, 4, 6, 1, 3, 10};
  LoadChampions(std::vector<int>(champions.begin(), champions.end() - 2));
  Run(true);
  for (const int champion : {champions[12], champions[13]}) {
    Append(Order({champion}));
    Run(false);
  }
  GridModel& grid = Grid(kGrid);
  const int drawCount = static_cast<int>(champions.size());
  const auto incremental = GridTexts(kGrid);
  EXPECT_EQ(grid.Snapshot().visible_row_request, drawCount + 4);
  // The row that was the newest is judged now: its codes turn black, its champion shows.
  EXPECT_EQ(grid.TextColour(drawCount - 1, 2), kBlack);
  EXPECT_EQ(grid.TextColour(drawCount, 2), kBlue);
  EXPECT_EQ(grid.TextColour(drawCount - 1, 1), kBlue);

  Run(true);
  EXPECT_EQ(incremental, GridTexts(kGrid));
}

TEST_F(KillFormulasTest, IncrementalRunAfterSeveralNewDrawsLeavesNoRowPending) {
  LoadChampions({3, 8, 1, 10, 5, 5, 2, 7});
  Run(true);
  for (const int champion : {9, 4, 6}) Append(Order({champion}));
  Run(false);
  EXPECT_EQ(Grid(kGrid).TextColour(8, 2), kBlack);  // the newest row of the last pass
  EXPECT_EQ(Grid(kGrid).TextColour(8, 1), kBlue);
  const auto incremental = GridTexts(kGrid);
  Run(true);
  EXPECT_EQ(incremental, GridTexts(kGrid));
}

TEST_F(KillFormulasTest, FullRunClearsColoursOfAnEarlierHistory) {
  LoadOrders({Order({3, 7, 1}), Order({4, 7, 1})}, 99);
  Run(true);
  ASSERT_EQ(Grid(kGrid).BackColour(1, 3), kMissPink);
  LoadOrders({Order({3, 7, 1}), Order({5, 7, 1})}, 99);
  Run(true);
  EXPECT_EQ(Grid(kGrid).BackColour(1, 3), std::nullopt);
}

}  // namespace
}  // namespace pk::test
