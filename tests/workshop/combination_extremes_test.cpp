// The literal rules of combination omission, on histories small enough to count by hand.
#include "workshop/combination_extremes.h"

#include <gtest/gtest.h>

#include <optional>

#include "history_builders.h"

namespace pk {
namespace {

using testing_history::FromChampions;

constexpr ExtremesMethod kMethods[] = {ExtremesMethod::kFast, ExtremesMethod::kReference};

std::optional<ExtremeRow> OnlyRow(const WorkshopDraws& draws, const std::string& key, const std::string& stored,
                                  ExtremesMethod method) {
  const std::vector<StoredExtreme> rows = {{key, stored}};
  const ExtremesOutcome outcome = ComputeCombinationExtremes(draws, rows, {}, method);
  EXPECT_FALSE(outcome.stopped);
  EXPECT_LE(outcome.rows.size(), 1u);
  if (outcome.rows.empty()) return std::nullopt;
  return outcome.rows[0];
}

TEST(CombinationExtremes, LongestOmissionByHand) {
  // Champions 1 2 1 3 3 3, then 10 5 5 10 (car 10 is the digit "0").
  const WorkshopDraws draws = FromChampions({1, 2, 1, 3, 3, 3, 10, 5, 5, 10});
  struct Case {
    const char* key;
    std::optional<int64_t> maximum;  // with an empty stored value
  };
  for (const Case& c : {
           Case{"12", 7},   // the run still open after the last draw counts
           Case{"3", 4},    // 1 2 1 before the first hit, 10 5 5 10 after the last
           Case{"13", 4},   // the longest of several runs
           Case{"10", 3},   // car 10 ends its runs through the digit "0"
           Case{"50", 6},   // the run before the first hit counts too
           Case{"46", {}},  // never contained the champion: no row, however long the run
           Case{"x", {}},
       }) {
    for (ExtremesMethod method : kMethods) {
      const auto row = OnlyRow(draws, c.key, "", method);
      if (!c.maximum) {
        EXPECT_FALSE(row) << c.key;
        EXPECT_FALSE(OnlyRow(draws, c.key, "-5", method)) << c.key;
        continue;
      }
      ASSERT_TRUE(row) << c.key;
      EXPECT_EQ(*row, (ExtremeRow{c.key, c.key, "遗漏极限", "", *c.maximum}));
    }
  }
}

TEST(CombinationExtremes, StoredValueStandsUnlessPassedByMoreThanTheTolerance) {
  const WorkshopDraws draws = FromChampions({1, 2, 1, 3, 3, 3});  // "12": longest omission 3
  struct Case {
    const char* stored;
    bool raised;
  };
  for (const Case& c : {Case{"3", false}, Case{"4", false}, Case{" 3", false}, Case{"2.99999995", false},
                        Case{"2.9999998", true}, Case{"2", true}, Case{"", true}, Case{"abc", true},
                        Case{"3abc", false}}) {
    for (ExtremesMethod method : kMethods) {
      const auto row = OnlyRow(draws, "12", c.stored, method);
      EXPECT_EQ(row.has_value(), c.raised) << "stored \"" << c.stored << "\"";
      if (row) EXPECT_EQ(row->stored, c.stored);
    }
  }
}

TEST(CombinationExtremes, ChampionWithoutALastDigitIsInNoCombination) {
  WorkshopDraws draws;
  for (const char* champion : {"01", "x", "", "01"}) {
    const std::vector<std::string> texts = {champion, "02", "03"};
    draws.AppendTexts(std::span<const std::string>(texts));
  }
  for (ExtremesMethod method : kMethods) {
    const auto row = OnlyRow(draws, "12", "", method);
    ASSERT_TRUE(row);
    EXPECT_EQ(row->new_value, 2);
  }
}

// The fast version keeps what it derived from a snapshot for the next table; a changed
// snapshot must not be answered from it.
TEST(CombinationExtremes, ChangedDrawsAreNotAnsweredFromEarlierTables) {
  const auto longest = [](const WorkshopDraws& draws) {
    const auto row = OnlyRow(draws, "12", "-1", ExtremesMethod::kFast);
    return row ? row->new_value : -1;
  };
  WorkshopDraws draws = FromChampions({1, 2, 1});
  EXPECT_EQ(longest(draws), 0);
  for (int i = 0; i < 4; ++i) draws.AppendNumbers({5, 1, 2, 3, 4, 6, 7, 8, 9, 10});
  EXPECT_EQ(longest(draws), 4);
  EXPECT_EQ(longest(FromChampions({1, 5, 5, 1})), 2);
}

}  // namespace
}  // namespace pk
