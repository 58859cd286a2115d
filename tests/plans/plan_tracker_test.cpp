#include "plans/plan_tracker.h"

#include <gtest/gtest.h>


namespace pk {
namespace {

TEST(RecordOutcome, KeepsCurrentAndLongestRuns) {
  struct Case {
    std::vector<bool> outcomes;
    PlanTracker expected;
  };
  const std::vector<Case> cases = {
      {{}, {0, 0, 0, 0}},
      {{true, true, false, true}, {1, 0, 2, 1}},
      {{false, false, false, true, true, false}, {0, 1, 2, 3}},
  };
  for (const Case& c : cases) {
    PlanTracker tracker;
    for (bool hit : c.outcomes) RecordOutcome(tracker, hit);
    EXPECT_EQ(tracker.CurrentHits, c.expected.CurrentHits);
    EXPECT_EQ(tracker.CurrentMisses, c.expected.CurrentMisses);
    EXPECT_EQ(tracker.MaxHits, c.expected.MaxHits);
    EXPECT_EQ(tracker.MaxMisses, c.expected.MaxMisses);
  }
}

TEST(KillCodeHits, ComparesAsText) {
  EXPECT_FALSE(KillCodeHits("3", "3"));
  EXPECT_TRUE(KillCodeHits("3", "4"));
  EXPECT_TRUE(KillCodeHits("10", "0"));  // two characters never name a champion code
  EXPECT_TRUE(KillCodeHits("", "0"));
}

TEST(FamilyResultText, AllTenIsAllRight) {
  EXPECT_EQ(FamilyResultText("10"), "全对");
  EXPECT_EQ(FamilyResultText("9"), "9");
  EXPECT_EQ(FamilyResultText(""), "");
}

}  // namespace
}  // namespace pk
