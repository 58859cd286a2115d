// The literal rules of consecutive opens, on histories small enough to count by hand. A
// history is given by the position at which each draw held the next draw's champion.
#include "workshop/kill_rule_extremes.h"

#include <gtest/gtest.h>

#include "history_builders.h"

namespace pk {
namespace {

using testing_history::FollowingPositions;

constexpr ExtremesMethod kMethods[] = {ExtremesMethod::kFast, ExtremesMethod::kReference};

// The rule's maximum (the stored value "-1" is below every maximum).
int64_t Maximum(const WorkshopDraws& draws, const std::string& key, int64_t v, ExtremesMethod method) {
  const std::vector<StoredExtreme> rules = {{key, "-1"}};
  const ExtremesOutcome outcome = ComputeKillRuleExtremes(draws, rules, v, {}, method);
  EXPECT_EQ(outcome.rows.size(), 1u);
  return outcome.rows.empty() ? -1 : outcome.rows[0].new_value;
}

TEST(KillRuleExtremes, PhasesByHand) {
  struct Case {
    std::vector<int> next_champion_at;  // pairs 1, 2, …
    const char* key;
    int64_t maximum;  // with v = draws − 1: the last pair is never used
  };
  for (const Case& c : {
           // Phase 1 agrees to the end, but only the last phase's open run counts.
           Case{{1, 2, 3, 1, 2, 3, 1}, "123", 0},
           Case{{1, 2, 3, 1, 2, 3, 1}, "231", 0},
           // Phase 3 (pairs 3 … 6) agrees four times and is open at the end: it counts. The
           // unused seventh pair would have made it five.
           Case{{1, 2, 3, 1, 2, 3, 1}, "312", 4},
           // A run ended by a pair that differs; the counter starts from 0 at every phase.
           Case{{5, 5, 5, 9, 5, 5}, "555", 3},
           // "0" names position 10.
           Case{{10, 1, 1, 10, 1, 1, 10}, "101", 4},
           Case{{10, 1, 1, 10, 1, 1, 10}, "111", 2},
           // Four positions.
           Case{{4, 4, 7, 8, 4, 7, 8, 4, 7, 8, 2}, "4784", 4},
       }) {
    const WorkshopDraws draws = FollowingPositions(c.next_champion_at);
    for (ExtremesMethod method : kMethods)
      EXPECT_EQ(Maximum(draws, c.key, static_cast<int64_t>(draws.size()) - 1, method), c.maximum) << c.key;
  }
}

// v comes from the staging table, which may hold fewer or more draws than the snapshot.
TEST(KillRuleExtremes, PairBoundFromTheStagingTable) {
  const WorkshopDraws draws = FollowingPositions({5, 5, 5, 9, 5, 5});  // 7 draws
  for (ExtremesMethod method : kMethods) {
    EXPECT_EQ(Maximum(draws, "555", 6, method), 3);
    // Pairs 1 … 3 only: no pair differs, so only phase 3's open run of 1 counts.
    EXPECT_EQ(Maximum(draws, "555", 4, method), 1);
    // A table ahead of the snapshot: the pairs stop at the snapshot's end.
    EXPECT_EQ(Maximum(draws, "555", 100, method), 3);
    EXPECT_EQ(Maximum(draws, "555", 0, method), 0);
    EXPECT_EQ(Maximum(WorkshopDraws(), "555", -1, method), 0);
  }
}

TEST(KillRuleExtremes, StoredValueComparedAsAnInteger) {
  const WorkshopDraws draws = FollowingPositions({5, 5, 5, 9, 5, 5});  // "555": 3; "123": 0
  struct Case {
    const char* key;
    const char* stored;
    bool raised;
  };
  for (const Case& c : {Case{"555", "3", false}, Case{"555", "3.5", false}, Case{"555", "2.9", true},
                        Case{"555", "", true}, Case{"555", "x", true}, Case{"123", "", false},
                        Case{"123", "-0.5", false}, Case{"123", "-1", true}}) {
    const std::vector<StoredExtreme> rules = {{c.key, c.stored}};
    for (ExtremesMethod method : kMethods) {
      const ExtremesOutcome outcome = ComputeKillRuleExtremes(draws, rules, 6, {}, method);
      EXPECT_EQ(outcome.rows.size(), c.raised ? 1u : 0u) << c.key << " stored \"" << c.stored << "\"";
      if (!outcome.rows.empty())
        EXPECT_EQ(outcome.rows[0], (ExtremeRow{c.key, c.key, "连开极限", c.stored, c.key == std::string("555") ? 3 : 0}));
    }
  }
}

}  // namespace
}  // namespace pk
