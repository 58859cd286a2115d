// The literal rules of trend runs, on histories small enough to count by hand. Column
// "12345": car 1 as champion is a hit ("1"), car 6 a miss ("2").
#include "workshop/trend_extremes.h"

#include <gtest/gtest.h>

#include <optional>

#include "history_builders.h"

namespace pk {
namespace {

using testing_history::FromChampions;

constexpr ExtremesMethod kMethods[] = {ExtremesMethod::kFast, ExtremesMethod::kReference};

// Champions from a hit-and-miss text for column "12345".
WorkshopDraws FromHits(std::string_view hits) {
  std::vector<int> champions;
  for (char c : hits) champions.push_back(c == '1' ? 1 : 6);
  return FromChampions(champions);
}

TEST(TrendExtremes, RowMaximumByHand) {
  struct Case {
    const char* hits;
    const char* pattern;
    std::optional<int64_t> maximum;
  };
  for (const Case& c : {
           // From draw 1 the pattern agrees to the end: that open run does not count. From
           // draw 2 it agrees 7 times before draw 9 (a miss) meets a "1".
           Case{"11111111211", "111111112", 7},
           // Every draw differs: runs of 0, which is a maximum.
           Case{"11111", "222222222", 0},
           // No draw ever differs from any start: no maximum, no row.
           Case{"111111111111", "111111111", {}},
           // After the ninth digit the pattern starts again with the first: from draw 1 the
           // pattern agrees 11 times before the twelfth draw misses a "1".
           Case{"111111112112", "111111112", 11},
           Case{"", "111111112", {}},
       }) {
    TrendTable table{{"12345"}, {c.pattern}, {{"-1"}}};
    for (ExtremesMethod method : kMethods) {
      const ExtremesOutcome outcome = ComputeTrendExtremes(FromHits(c.hits), table, {}, method);
      if (!c.maximum) {
        EXPECT_TRUE(outcome.rows.empty()) << c.hits;
        continue;
      }
      ASSERT_EQ(outcome.rows.size(), 1u) << c.hits;
      EXPECT_EQ(outcome.rows[0], (ExtremeRow{c.pattern, "12345", "12345", "-1", *c.maximum})) << c.hits;
    }
  }
}

// Every combination column is computed, the last one too; rows come column by column; the
// stored value is compared as a number with the tolerance.
TEST(TrendExtremes, EveryColumnAndRowInOrder) {
  TrendTable table;
  table.columns = {"12345", "67890", "13579"};
  table.patterns = {"111111111", "222222222"};
  table.stored = {{"-1", "-0.00000005", "-1"}, {"-1", "-1", "-0.5"}};
  // Champion 1 every time: a hit of "12345" and "13579", a miss of "67890". Where every draw
  // differs from the pattern the maximum is 0; where none does there is none.
  const WorkshopDraws draws = FromChampions({1, 1, 1, 1});
  for (ExtremesMethod method : kMethods) {
    const ExtremesOutcome outcome = ComputeTrendExtremes(draws, table, {}, method);
    EXPECT_EQ(outcome.rows, (std::vector<ExtremeRow>{{"222222222", "12345", "12345", "-1", 0},
                                                     {"222222222", "13579", "13579", "-0.5", 0}}));
  }
}

}  // namespace
}  // namespace pk
