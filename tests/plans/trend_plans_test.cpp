#include "plans/trend_plans.h"

#include <gmock/gmock.h>

#include "plans_fixture.h"
#include "store/draw_store.h"
#include "store/statement_log.h"
#include "stats/recommendations.h"

namespace pk::test {
namespace {

// The k-code combinations of "1234567890" in order, the first `count` of them.
std::vector<std::string> Combinations(int k, size_t count) {
  const std::string alphabet = "1234567890";
  std::vector<std::string> out;
  std::vector<int> pick(k);
  for (int i = 0; i < k; ++i) pick[i] = i;
  while (out.size() < count) {
    std::string text;
    for (int i : pick) text += alphabet[i];
    out.push_back(text);
    int i = k - 1;
    while (i >= 0 && pick[i] == 10 - k + i) --i;
    if (i < 0) break;
    ++pick[i];
    for (int j = i + 1; j < k; ++j) pick[j] = pick[j - 1] + 1;
  }
  return out;
}

constexpr double kFar = 1000;  // a stored record no run comes near

struct TrendPlansTest : PlansTest {
  // Loads the trend tables: the candidates, 60 patterns ("222222222" unless given) and
  // stored records far out of reach, except those set afterwards with Store().
  void LoadTables(const std::vector<std::string>& patterns) {
    SetTrendCandidates(program, kFiveCodes, Combinations(5, 120));
    SetTrendCandidates(program, kSixCodes, Combinations(6, 210));
    SetTrendCandidates(program, kSevenCodes, Combinations(7, 120));
    program.trend.Patterns = patterns;
    program.trend.Patterns.resize(60, "222222222");
    for (int f = 0; f < 3; ++f) {
      program.trend.ExtremeTables[f].assign(60, std::vector<std::string>(kTrendCandidates[f], "1000"));
    }
  }
  void Store(TrendFamily family, int pattern, int candidate, const std::string& record) {
    program.trend.ExtremeTables[family][pattern][candidate] = record;
  }
  void Run() {
    ResetRecommendations(program);
    RunTrendPlans(program);
  }
};

// Candidate 0 of the five codes is "12345": champion 1 is always inside it.
TEST_F(TrendPlansTest, RunOfSixtyFollowsThePatternFromTheFirstPhase) {
  LoadChampions(std::vector<int>(60, 1));
  LoadTables({"111111111"});
  Store(kFiveCodes, 0, 0, "62");
  Run();
  // Every phase walks 61 - k draws; the first walks all sixty: distance 2 <= 4.
  EXPECT_THAT(Recommendations(),
              testing::ElementsAre(RecommendationRowTexts{"买：67890", "62", "60", "2", "五码走势[3]期计划"}));
}

TEST_F(TrendPlansTest, EqualDistancesKeepTheFirstPatternAndSmallerOnesReplaceIt) {
  // Pattern 1 expects the champion outside once in nine draws; its longest current run
  // is 8 (phase 8), after which it expects the champion outside.
  struct Case {
    std::string secondRecord;
    RecommendationRowTexts expected;
  };
  const std::vector<Case> cases = {
      {"10", {"买：67890", "62", "60", "2", "五码走势[3]期计划"}},
      {"9", {"买：12345", "9", "8", "1", "五码走势[2]期计划"}},
  };
  for (const Case& c : cases) {
    LoadChampions(std::vector<int>(60, 1));
    LoadTables({"111111111", "111111112"});
    Store(kFiveCodes, 0, 0, "62");
    Store(kFiveCodes, 1, 0, c.secondRecord);
    Run();
    EXPECT_THAT(Recommendations(), testing::ElementsAre(c.expected)) << c.secondRecord;
  }
}

TEST_F(TrendPlansTest, FamiliesAreOfferedFiveSevenSix) {
  LoadChampions(std::vector<int>(60, 1));
  LoadTables({"111111111"});
  Store(kSixCodes, 0, 0, "60");    // "123456"
  Store(kSevenCodes, 0, 0, "60");  // "1234567"
  Store(kFiveCodes, 0, 0, "60");
  Run();
  const auto rows = Recommendations();
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0][4], "五码走势[1]期计划");
  EXPECT_EQ(rows[1], (RecommendationRowTexts{"买：890", "60", "60", "0", "七码走势[1]期计划"}));
  EXPECT_EQ(rows[2], (RecommendationRowTexts{"买：7890", "60", "60", "0", "六码走势[1]期计划"}));
}

TEST_F(TrendPlansTest, PassedRecordIsWrittenOncePerRun) {
  program.store = std::make_unique<DrawStore>("/nonexistent/date.dat", "x", &program.statements());
  LoadChampions(std::vector<int>(60, 1));
  LoadTables({"111111111"});
  Store(kFiveCodes, 0, 0, "50");
  Run();
  EXPECT_THAT(Recommendations(),
              testing::ElementsAre(RecommendationRowTexts{"买：67890", "50", "60", "-10", "五码走势[-9]期计划"}));
  EXPECT_THAT(program.statements().Texts(),
              testing::ElementsAre(testing::AllOf(testing::HasSubstr("五码走势极限"), testing::HasSubstr("12345"),
                                                  testing::HasSubstr("'60'"), testing::HasSubstr("'111111111'"))));

  // The in-memory record stays 50, so the next run writes it again.
  AppendDraw(program, Order({1}), "2000");
  Run();
  ASSERT_EQ(program.statements().Texts().size(), 2u);
  EXPECT_THAT(program.statements().Texts()[1], testing::HasSubstr("'60'"));
}

TEST_F(TrendPlansTest, WarningDistanceZeroNeedsTheRecordReached) {
  program.distances[8] = 0;
  for (const auto& [record, issued] : std::vector<std::pair<std::string, bool>>{{"61", false}, {"60", true}}) {
    LoadChampions(std::vector<int>(60, 1));
    LoadTables({"111111111"});
    Store(kFiveCodes, 0, 0, record);
    Run();
    EXPECT_EQ(Recommendations().size(), issued ? 1u : 0u) << record;
  }
}

TEST_F(TrendPlansTest, NothingWithoutSixtyDrawsOrLoadedTables) {
  struct Case {
    const char* what;
    int draws;
    std::function<void(TrendPlanData&)> spoil;
  };
  const std::vector<Case> cases = {
      {"59 draws", 59, [](TrendPlanData&) {}},
      {"59 patterns", 60, [](TrendPlanData& t) { t.Patterns.resize(59); }},
      {"a candidate missing", 60, [](TrendPlanData& t) { t.Candidates[kSixCodes][209].clear(); }},
      {"59 stored records", 60, [](TrendPlanData& t) { t.ExtremeTables[kSevenCodes].resize(59); }},
      {"a short stored record", 60, [](TrendPlanData& t) { t.ExtremeTables[kFiveCodes][3].resize(100); }},
  };
  for (const Case& c : cases) {
    LoadChampions(std::vector<int>(c.draws, 1));
    LoadTables({"111111111"});
    Store(kFiveCodes, 0, 0, "60");
    c.spoil(program.trend);
    Run();
    EXPECT_TRUE(Recommendations().empty()) << c.what;
  }
}

}  // namespace
}  // namespace pk::test
