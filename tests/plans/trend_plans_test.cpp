#include "plans/trend_plans.h"

#include <gmock/gmock.h>

#include <cmath>
#include <random>

#include "plans_fixture.h"
#include "base/numbers.h"
#include "plans/code_text.h"
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


// The trend plans as the rules read: every candidate, pattern and phase walked draw by
// draw, the closest record kept per family; the recommendations in the order issued.
std::vector<RecommendationRowTexts> LiteralTrendPlans(const Program& program) {
  const TrendPlanData& trend = program.trend;
  const int drawCount = static_cast<int>(program.history.size());
  int digits[60][10] = {};
  for (int j = 0; j < 60; ++j) {
    for (int l = 1; l <= 9; ++l) digits[j][l] = static_cast<int>(TextToNumber(trend.Patterns[j].substr(l - 1, 1)));
  }
  const struct {
    TrendFamily family;
    const char* remark;
    int distance;
  } families[] = {{kFiveCodes, "五码走势[", 8}, {kSevenCodes, "七码走势[", 10}, {kSixCodes, "六码走势[", 9}};
  std::vector<RecommendationRowTexts> issued;
  for (int c = 0; c < 210; ++c) {
    for (const auto& family : families) {
      const int f = family.family;
      if (c >= kTrendCandidates[f]) continue;
      bool filled = false;
      RecommendationRowTexts best;
      double bestDistance = 0;
      for (int j = 0; j < 60; ++j) {
        for (int k = 1; k <= 9; ++k) {
          int run = 0, l = 1;
          for (int row = drawCount - 60 + k; row <= drawCount; ++row) {
            run = trend.HitTables[f].Hit(row - 1, c) == digits[j][l] ? run + 1 : 0;
            l = l == 9 ? 1 : l + 1;
          }
          const double record = TextToNumber(trend.ExtremeTables[f][j][c]);
          const double d = std::trunc(record - run);
          if (d > program.distances[family.distance]) continue;
          if (filled && !(bestDistance - d > 1e-7)) continue;
          const std::string& candidate = trend.Candidates[f][c];
          filled = true;
          bestDistance = d;
          best = {"买：" + (digits[j][l] == 1 ? Complement(candidate) : candidate), NumberToText(record),
                  NumberToText(run), NumberToText(d), family.remark + NumberToText(d + 1) + "]期计划"};
        }
      }
      if (filled) issued.push_back(best);
    }
  }
  return issued;
}

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

TEST_F(TrendPlansTest, AgreesWithTheLiteralWalkOnRandomHistories) {
  std::mt19937 random(7);
  for (int round = 0; round < 4; ++round) {
    TemporaryHome roundHome;
    Program fresh(platform, roundHome.path);
    std::vector<std::string> fields;
    const int draws = 60 + static_cast<int>(random() % 40);
    for (int i = 0; i < draws; ++i) {
      // Champions drawn from few cars, so that runs grow long enough to meet records.
      const int champion = 1 + static_cast<int>(random() % (round + 2));
      const auto order = Order({champion});
      fields.insert(fields.end(), order.begin(), order.end());
      fields.insert(fields.end(), {"", std::to_string(3000 + i), ""});
    }
    LoadDay(fresh, fields);
    SetTrendCandidates(fresh, kFiveCodes, Combinations(5, 120));
    SetTrendCandidates(fresh, kSixCodes, Combinations(6, 210));
    SetTrendCandidates(fresh, kSevenCodes, Combinations(7, 120));
    const std::string digitsOf = "1112223";  // now and then a digit no hit value takes
    for (int j = 0; j < 60; ++j) {
      std::string pattern;
      for (int l = 0; l < 9; ++l) pattern += digitsOf[random() % digitsOf.size()];
      fresh.trend.Patterns.push_back(pattern);
    }
    for (int f = 0; f < 3; ++f) {
      fresh.trend.ExtremeTables[f].assign(60, std::vector<std::string>(kTrendCandidates[f]));
      for (auto& row : fresh.trend.ExtremeTables[f]) {
        for (auto& cell : row) cell = random() % 20 == 0 ? "" : std::to_string(random() % 40);
      }
    }
    for (int d = 8; d <= 10; ++d) fresh.distances[d] = static_cast<int32_t>(random() % 5);

    const auto expected = LiteralTrendPlans(fresh);
    ResetRecommendations(fresh);
    RunTrendPlans(fresh);
    auto actual = fresh.stats.Recommendations;
    if (actual.front()[0].empty()) actual.erase(actual.begin());
    ASSERT_GT(expected.size(), 10u) << round;
    EXPECT_EQ(actual, expected) << round;
  }
}

}  // namespace
}  // namespace pk::test
