#include "plans/sky_plans.h"

#include <gmock/gmock.h>

#include "plans/sky_tables.h"
#include "plans_fixture.h"
#include "stats/recommendations.h"

namespace pk::test {
namespace {

using testing::ElementsAre;
using testing::Pair;

constexpr const char* kJumpGrid = "高级表格_天空AB跳";
constexpr const char* kNineGrid = "高级表格_天空杀一码";

// Champions from a first one such that the champion gaps are the given values: a gap g
// follows from moving g + 1 cars up the circle.
std::vector<int> ChampionsForGaps(int first, const std::vector<int>& gaps) {
  std::vector<int> champions = {first};
  for (int gap : gaps) champions.push_back((champions.back() - 1 + gap + 1) % 10 + 1);
  return champions;
}

std::vector<int> Repeat(const std::vector<int>& cycle, int count) {
  std::vector<int> values;
  for (int i = 0; i < count; ++i) values.push_back(cycle[i % cycle.size()]);
  return values;
}

struct SkyPlansTest : PlansTest {
  std::string answer;  // the companion library's answer in the next runs
  struct Call {
    std::string draws;
    int slots, offset;
  };
  std::vector<Call> calls;

  // Runs the sky plans as the analysis pass does in a full or an incremental run.
  void Run(bool full) {
    ResetRecommendations(program);
    if (full) {
      Grid(kJumpGrid).SetRowCount(1);
      program.plans.SkyGridNextRow = 1;
    }
    program.plans.SkyFullRun = full ? 1 : 0;
    RunSkyPlans(program, [this](const std::string& draws, int slots, int offset) {
      calls.push_back({draws, slots, offset});
      return answer;
    });
  }

  std::vector<std::string> RecommendedCodes() const {
    std::vector<std::string> codes;
    for (const auto& row : Recommendations()) codes.push_back(row[0]);
    return codes;
  }
};

TEST(PickCodes, EntryOrItsComplement) {
  EXPECT_EQ(PickCodes(kTripleTable, 1, 10, PickMode::In), "190");
  EXPECT_EQ(PickCodes(kTripleTable, 1, 1, PickMode::Out), "3456789");
  EXPECT_EQ(PickCodes(kPairTable, 4, 5, PickMode::In), "0");
  EXPECT_EQ(PickCodes(kPairTable, 4, 5, PickMode::Out), "123456789");
  EXPECT_EQ(PickCodes(kFiveTable, 3, 10, PickMode::Out), "23578");
  EXPECT_EQ(PickCodes(kFiveTable, 1, 0, PickMode::In), "");  // no champion to index by
}

TEST_F(SkyPlansTest, AlternatingGapsGiveTheJumpPlans) {
  // Gaps 0,1,0,1,... ending in 1: set "0" follows A,B for all twenty values, set "14"
  // from the second on, and every value lies in "10".
  LoadChampions(ChampionsForGaps(1, Repeat({0, 1}, 20)));
  ASSERT_EQ(program.history.back()[kChampionColumn], "01");
  Run(true);
  EXPECT_THAT(program.plans.SkyBuyList,
              ElementsAre(Pair("3456789", "第7期,共3期[天空-AB]"),  // last gap 1 is outside "0"
                          Pair("369", "第6期,共3期[天空-AB]"),      // and inside "14"
                          Pair("45678", "第7期,共3期[天空-连01-03]")));
  const auto rows = Recommendations();
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0], (RecommendationRowTexts{"买：3456789", "", "", "", "第7期,共3期[天空-AB]"}));
}

TEST_F(SkyPlansTest, GapFourBelongsToEverySetWithAFour) {
  LoadChampions(ChampionsForGaps(1, Repeat({4}, 20)));
  Run(true);
  EXPECT_THAT(program.plans.SkyBuyList,
              ElementsAre(Pair("1245780", "第13期,共3期[天空-连A]"),  // "14"
                          Pair("1235790", "第13期,共3期[天空-连A]"),  // "24"
                          Pair("1234890", "第13期,共3期[天空-连A]"),  // "34"
                          Pair("12390", "第6期,共3期[天空-漏01-03]"),
                          Pair("12480", "第6期,共3期[天空-漏01-03]"),
                          Pair("12570", "第6期,共3期[天空-漏01-03]"),
                          Pair("345789", "第11期,共3期[天空-连04]"),  // "40"
                          Pair("123457890", "第17期,共2期[天空-G4]")));
}

TEST_F(SkyPlansTest, CycleEndingOnItsThirdValueContinuesWithItsFirst) {
  // 1,2,0 repeated and ending in 2: cycle "012" has matched eighteen values from the
  // third on; its next value is 0, which kills the complement of the first three-code column.
  LoadChampions(ChampionsForGaps(1, Repeat({1, 2, 0}, 20)));
  ASSERT_EQ(program.history.back()[kChampionColumn], "02");
  Run(true);
  EXPECT_THAT(program.plans.SkyBuyList, ElementsAre(Pair("4567890", "第10期,共2期[天空-ABC]")));
}

TEST_F(SkyPlansTest, GapPlansNeedTwentyGaps) {
  LoadChampions(ChampionsForGaps(1, Repeat({4}, 19)));
  Run(true);
  EXPECT_TRUE(program.plans.SkyBuyList.empty());
  EXPECT_TRUE(Recommendations().empty());
}

struct HotColdTest : SkyPlansTest {
  void SetUp() override {
    // Positions ranked 1..10 in order; the newest draw's last digits there are
    // 0,2,4,6,8 (hot) and 1,3,5,7,9 (cold).
    LoadOrders({Order({10, 2, 4, 6, 8, 1, 3, 5, 7, 9})});
    for (int rank = 0; rank < 10; ++rank) program.plans.HotRanking[rank] = {rank + 1, 0};
  }
};

TEST_F(HotColdTest, GroupCodesAreSortedWithZeroLast) {
  EXPECT_EQ(HotColdCodes(program.plans, program.history.back(), true), "24680");
  EXPECT_EQ(HotColdCodes(program.plans, program.history.back(), false), "13579");

  LoadOrders({Order({10, 3, 7, 1, 9})});
  EXPECT_EQ(HotColdCodes(program.plans, program.history.back(), true), "13790");
  program.plans.HotRanking[2].position = 11;
  EXPECT_EQ(HotColdCodes(program.plans, program.history.back(), true), "");
}

TEST_F(HotColdTest, FlagPlans) {
  struct Case {
    const char* what;
    std::vector<int32_t> flags;
    std::vector<std::pair<std::string, std::string>> issued;
  };
  std::vector<int32_t> hotThenCold(14, 1);
  hotThenCold.insert(hotThenCold.end(), 15, 2);
  std::vector<int32_t> coldThenHot(15, 2);
  coldThenHot.insert(coldThenHot.end(), 14, 1);
  const std::vector<Case> cases = {
      {"alternating from hot", Repeat({1, 2}, 29),
       {{"24680", "第16期,共3期[天空-冷热AB]"}}},
      {"a run of cold flags", hotThenCold, {{"24680", "第2期,共3期[天空-热连]"}}},
      {"a run of hot flags", coldThenHot, {{"13579", "第1期,共3期[天空-冷连]"}}},
      {"too few flags", std::vector<int32_t>(28, 1), {}},
  };
  for (const Case& c : cases) {
    program.plans.HotColdFlags = c.flags;
    Run(true);
    EXPECT_EQ(program.plans.SkyBuyList, c.issued) << c.what;
  }
}

TEST_F(SkyPlansTest, NineCodeKillsBecomeRowsOfTheNineCodeGrid) {
  LoadChampions(Repeat({3, 8, 1, 6, 10, 2, 5, 9, 4, 7}, 16), 5000);
  program.distances[11] = 2;
  answer = "第1名杀 3|第1名杀 8|";
  Run(true);

  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].slots, 1);
  EXPECT_EQ(calls[0].offset, 2);
  EXPECT_EQ(calls[0].draws.substr(0, 35), "5000 03 01 02 04 05 06 07 08 09 10 ");
  EXPECT_EQ(calls[0].draws.back(), '0');  // trimmed: the newest draw's last number, "10"
  EXPECT_EQ(std::count(calls[0].draws.begin(), calls[0].draws.end(), ' '), 16 * 11 - 1);

  EXPECT_THAT(RecommendedCodes(), ElementsAre("买：124567890", "买：123456790"));
  EXPECT_EQ(Recommendations()[0][4], "天空九码");
  EXPECT_THAT(program.plans.SkyNineList, ElementsAre("124567890", "123456790"));
  const auto grid = GridTexts(kNineGrid);
  ASSERT_EQ(grid.size(), 3u);
  EXPECT_EQ(grid[1], (std::vector<std::string>{"5016", "124567890", "", ""}));
  EXPECT_EQ(grid[2], (std::vector<std::string>{"5016", "123456790", "", ""}));
  EXPECT_EQ(Grid(kNineGrid).Snapshot().visible_row_request, 2);

  // The next draw's champion is 8: the first row hits, the second misses. The library
  // answers nothing this time; the pending rows are judged all the same.
  answer = "";
  Append(Order({8}));
  Run(false);
  EXPECT_EQ(GridTexts(kNineGrid)[1], (std::vector<std::string>{"5016", "124567890", "8", "对"}));
  EXPECT_EQ(GridTexts(kNineGrid)[2], (std::vector<std::string>{"5016", "123456790", "8", "错"}));
  EXPECT_EQ(Grid(kNineGrid).BackColour(2, 3), kMissPink);
  EXPECT_EQ(Grid(kNineGrid).BackColour(1, 3), std::nullopt);
  EXPECT_EQ(Grid(kNineGrid).RowCount(), 3);
}

TEST_F(SkyPlansTest, NineCodeAnswerItemsWithoutAKillDigitAreSkipped) {
  EXPECT_THAT(SkyNineKills("第1名杀|第1名杀 5||"), ElementsAre("5"));
  EXPECT_TRUE(SkyNineKills("").empty());
}

TEST_F(SkyPlansTest, NineCodeInputNeedsSixteenDraws) {
  LoadChampions(Repeat({3, 8, 1, 6, 10}, 15));
  answer = "第1名杀 3|";
  Run(true);
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].draws, "");
}

TEST_F(SkyPlansTest, PassWithoutANewDrawLeavesRowsForTheComingDrawPending) {
  LoadChampions(Repeat({3, 8, 1, 6, 10, 2, 5, 9, 4, 7}, 16));
  answer = "第1名杀 3|";
  Run(true);
  answer = "";
  Run(false);
  EXPECT_EQ(GridTexts(kNineGrid)[1][2], "");
  Append(Order({3}));
  Run(false);
  EXPECT_EQ(GridTexts(kNineGrid)[1][3], "错");
}

TEST_F(SkyPlansTest, JumpGridIsJudgedOnlyInIncrementalRuns) {
  LoadChampions(ChampionsForGaps(1, Repeat({0, 1}, 20)), 700);
  Run(true);
  GridModel& grid = Grid(kJumpGrid);
  ASSERT_EQ(grid.RowCount(), 4);
  EXPECT_EQ(program.plans.SkyGridNextRow, 4);
  EXPECT_EQ(GridTexts(kJumpGrid)[1], (std::vector<std::string>{"721", "3456789", "", "", "第7期,共3期[天空-AB]"}));
  EXPECT_EQ(grid.Snapshot().visible_row_request, 3);

  // A second full run (a new day fetch) starts the grid again without judging.
  Run(true);
  EXPECT_EQ(grid.RowCount(), 4);
  EXPECT_EQ(grid.CellText(1, 2), "");

  Append(Order({5}));
  Run(false);
  const auto texts = GridTexts(kJumpGrid);
  EXPECT_EQ(texts[1][2], "5");
  EXPECT_EQ(texts[1][3], "中");
  EXPECT_EQ(texts[2][3], "挂");  // "369"
  EXPECT_EQ(texts[3][3], "中");  // "45678"
  EXPECT_EQ(grid.TextColour(2, 3), kRed);
  EXPECT_EQ(grid.TextColour(1, 3), std::nullopt);
  for (int column = 0; column <= 4; ++column) EXPECT_EQ(grid.BackColour(2, column), kJudgedGrey) << column;
  EXPECT_EQ(program.plans.SkyGridNextRow, grid.RowCount());
  for (int row = 4; row < grid.RowCount(); ++row) {
    EXPECT_EQ(texts[row][0], "722") << row;
    EXPECT_EQ(texts[row][2], "") << row;
  }
}

TEST_F(SkyPlansTest, CurrentCellOfTheJumpGridShowsItsTextAsHint) {
  LoadChampions(ChampionsForGaps(1, Repeat({0, 1}, 20)));
  Run(true);
  GridModel& grid = Grid(kJumpGrid);
  grid.SetCurrentCell(1, 4);
  EXPECT_EQ(grid.ToolTip(), "第7期,共3期[天空-AB]");
  grid.SetCurrentCell(0, 1);
  EXPECT_EQ(grid.ToolTip(), "第7期,共3期[天空-AB]");
}

}  // namespace
}  // namespace pk::test
