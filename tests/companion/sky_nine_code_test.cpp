#include "companion/sky_nine_code.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "sky_draws.h"

namespace pk {
namespace {

using test::ChampionDraws;
using test::Draw;
using test::DrawsText;

// The kill of one rule for slot 1 when the champions run as given (oldest first).
std::string ChampionKill(int rule, const std::vector<int>& champions, int offset = 0) {
  return SkyRuleKills(rule, ChampionDraws(champions), 1, offset).at(0);
}

struct ChampionCase {
  std::vector<int> champions;
  int offset;
  std::string kill;
};

void ExpectChampionKills(int rule, const std::vector<ChampionCase>& cases) {
  for (const ChampionCase& c : cases) {
    std::string run;
    for (const int champion : c.champions) run += std::to_string(champion) + " ";
    EXPECT_EQ(ChampionKill(rule, c.champions, c.offset), c.kill) << "rule " << rule << ", champions " << run << "offset " << c.offset;
  }
}

TEST(SkyNineCodeRules, RepeatCountsEqualTextsAgainstTheOffset) {
  ExpectChampionKills(1, {
                             {{2, 9, 5, 5, 5, 5, 5}, 0, "5"},   // four equal pairs
                             {{2, 9, 9, 5, 5, 5, 5}, 0, ""},    // three
                             {{2, 9, 5, 5, 5, 5, 5}, 1, ""},    // the offset raises the bar
                             {{2, 5, 5, 5, 5, 5, 5}, 1, "5"},
                             {{10, 10, 10, 10, 10, 3}, -5, "3"},  // no pair at all still reaches -1
                             {{10, 10, 10, 10, 10}, 0, "0"},      // car 10 has digit 0; the history's start ends the count
                         });
  // Texts are compared, not numbers: "7" and "07" differ.
  std::vector<SkyDrawNumbers> rows = ChampionDraws({1, 7, 7, 7, 7, 7});
  rows[3][0] = "7";
  EXPECT_EQ(SkyRuleKills(1, rows, 1, 0).at(0), "");
}

TEST(SkyNineCodeRules, AlternationNeedsSixFittingDrawsBehindTheNewest) {
  ExpectChampionKills(2, {
                             {{3, 5, 3, 6, 3, 7, 3, 9}, 0, "3"},
                             {{4, 5, 3, 6, 3, 7, 3, 9}, 0, ""},  // the oldest breaks the shape
                             {{3, 5, 3, 3, 3, 7, 3, 9}, 0, ""},  // x where another number belongs
                             {{3, 5, 3, 6, 3, 7, 3, 3}, 0, ""},  // the newest stays at x
                             {{5, 3, 6, 3, 7, 3, 9}, 0, ""},     // one draw short
                         });
}

TEST(SkyNineCodeRules, CountingRunKillsTheNextDigitOfTheRing) {
  ExpectChampionKills(3, {
                             {{1, 2, 3, 4, 5}, 0, "6"},
                             {{5, 6, 7, 8, 9}, 0, "0"},
                             {{6, 7, 8, 9, 10}, 0, ""},  // the ring does not go past 0
                             {{10, 9, 8, 7, 6}, 0, "5"},
                             {{6, 5, 4, 3, 2}, 0, "1"},
                             {{5, 4, 3, 2, 1}, 0, ""},     // the ring ends after 1; no four-digit retry
                             {{9, 1, 2, 3, 4}, 0, "5"},    // four rising from 1-2-3-4 ...
                             {{3, 5, 6, 7, 8}, 0, "9"},    // ... up to 5-6-7-8
                             {{1, 6, 7, 8, 9}, 0, ""},     // but not 6-7-8-9
                             {{1, 10, 9, 8, 7}, 0, "6"},   // four falling from 0-9-8-7 ...
                             {{1, 5, 4, 3, 2}, 0, "1"},    // ... down to 5-4-3-2
                             {{8, 4, 3, 2, 1}, 0, ""},     // but not 4-3-2-1
                             {{8, 9, 10, 1, 2}, 0, ""},    // no wrap from 0 to 1
                             {{2, 3, 4, 5}, 0, ""},        // fewer than five draws
                         });
}

TEST(SkyNineCodeRules, DoubledRunKillsWhatFollowsInTheRing) {
  ExpectChampionKills(4, {
                             {{1, 1, 2, 2, 3, 3}, 0, "4"},
                             {{2, 2, 1, 1, 10, 10}, 0, "9"},
                             {{4, 3, 3, 2, 2, 1}, 0, "1"},  // six counting down, in the middle of a pair
                             {{5, 1, 1, 2, 2, 3}, 0, "3"},  // five that start with a pair
                             {{5, 1, 2, 2, 3, 3}, 0, ""},   // five that do not
                             {{1, 2, 1, 2, 1, 2}, 0, ""},
                             {{1, 1, 2, 2, 3}, 0, ""},      // fewer than six draws
                         });
}

TEST(SkyNineCodeRules, ZigZagCountsAlternatingStepsAgainstTheOffset) {
  ExpectChampionKills(5, {
                             {{1, 1, 2, 5, 2, 5, 2}, 0, "5"},  // -3 after +3 -3 +3: three steps fit
                             {{1, 1, 1, 5, 2, 5, 2}, 0, ""},   // two fit
                             {{1, 1, 2, 5, 2, 5, 2}, 1, ""},
                             {{5, 2, 5, 2, 5, 2, 5, 2, 5, 2, 5, 2}, 5, "5"},  // at most eight steps count
                             {{5, 2, 5, 2, 5, 2, 5, 2, 5, 2, 5, 2}, 6, ""},
                             {{1, 2, 5, 5}, -3, ""},           // no step, no kill
                         });
}

TEST(SkyNineCodeRules, JumpsOfFiveKillTheNewestPlusFive) {
  ExpectChampionKills(6, {
                             {{1, 6, 7, 2, 3, 8, 9, 4, 7}, 0, "2"},
                             {{1, 6, 7, 2, 3, 8, 9, 4, 10}, 0, "5"},
                             {{1, 6, 7, 2, 3, 8, 9, 4, 7}, 1, "2"},  // all seven checks give 7
                             {{1, 6, 7, 2, 3, 8, 9, 4, 7}, 2, ""},
                             {{1, 6, 7, 2, 3, 8, 9, 4, 9}, 0, ""},   // the newest step is a jump of five too
                             {{1, 6, 7, 2, 3, 8, 3, 8, 7}, 0, ""},   // a jump of five where none belongs
                             {{5, 6, 7, 2, 3, 8, 9, 4, 7}, 0, ""},   // the oldest step is no jump of five
                             {{6, 7, 2, 3, 8, 9, 4, 7}, -9, ""},     // eight draws hold only seven steps
                         });
}

TEST(SkyNineCodeRules, TwoPositionSwingKillsOnlyAtExactlyOffsetPlusFive) {
  // Car 3 swings between positions 1 and 2: f reaches 5.
  std::vector<SkyDrawNumbers> rows = ChampionDraws({9, 8, 7});
  for (const int position : {2, 1, 2, 1, 2}) rows.push_back(Draw({{position, 3}}));
  EXPECT_EQ(SkyRuleKills(7, rows, 1, 0).at(0), "3");
  EXPECT_EQ(SkyRuleKills(7, rows, 1, 1).at(0), "");
  EXPECT_EQ(SkyRuleKills(7, rows, 1, -1).at(0), "");

  // Broken four draws back at position 2: f falls to 0, which only offset -5 matches.
  rows[rows.size() - 5] = Draw({{5, 3}});
  EXPECT_EQ(SkyRuleKills(7, rows, 1, 0).at(0), "");
  EXPECT_EQ(SkyRuleKills(7, rows, 1, -5).at(0), "3");
}

TEST(SkyNineCodeRules, DiagonalsReadTheirSourcePositions) {
  // Car 7 moves left from position 6 to 2 and car 9 from 5 to 1, one step per draw.
  std::vector<SkyDrawNumbers> left = ChampionDraws({2, 4, 6});
  for (int step = 0; step < 5; ++step) left.push_back(Draw({{6 - step, 7}, {5 - step, 9}}));
  EXPECT_EQ(SkyRuleKills(8, left, 1, 0), std::vector<std::string>{"7"});  // one slot shows position 2
  const std::vector<std::string> leftTen = SkyRuleKills(8, left, 10, 0);
  EXPECT_EQ(leftTen.at(0), "7");
  EXPECT_EQ(leftTen.at(9), "9");  // the last slot shows position 1

  // Car 4 moves right from position 6 to 10: slot 1 reads position 10.
  std::vector<SkyDrawNumbers> right = ChampionDraws({2, 5, 6});
  for (int position = 6; position <= 10; ++position) right.push_back(Draw({{position, 4}}));
  EXPECT_EQ(SkyRuleKills(9, right, 1, 0), std::vector<std::string>{"4"});

  // Three steps are not enough, whatever the offset.
  right.erase(right.end() - 5);
  EXPECT_EQ(SkyRuleKills(9, right, 1, -10), std::vector<std::string>{""});
}

TEST(SkyNineCode, WritesEveryKillRuleByRuleAndSlotBySlot) {
  const std::string text = DrawsText(test::RepeatAndDiagonalDraws());
  EXPECT_EQ(SkyNineCode(text, 1, 0), "第1名杀 4|第1名杀 7|");
  EXPECT_EQ(SkyNineCode(text, 1, 1), "第1名杀 7|");  // the diagonals have no offset

  // Ten slots: the same draw five times over repeats every position.
  std::vector<SkyDrawNumbers> same = ChampionDraws({5, 6});
  for (int i = 0; i < 5; ++i) same.push_back(Draw({}));
  const std::string sameText = DrawsText(same);
  EXPECT_EQ(SkyNineCode(sameText, 10, 0),
            "第1名杀 1|第2名杀 2|第3名杀 3|第4名杀 4|第5名杀 5|第6名杀 6|第7名杀 7|第8名杀 8|第9名杀 9|第10名杀 0|");
  for (const int slots : {1, 0, 9, -10}) EXPECT_EQ(SkyNineCode(sameText, slots, 0), "第1名杀 1|") << slots;
}

TEST(SkyNineCode, OddInputGivesEmptyOrPartialAnswersWithoutReadingPastTheDraws) {
  const std::string oneDraw = DrawsText(ChampionDraws({3}));
  const struct {
    std::string draws;
    int offset;
    std::string expected;
  } cases[] = {
      {"", 0, ""},
      {oneDraw, -100, ""},                // eleven words: one draw
      {oneDraw + " 2001", -4, "第1名杀 3|"},  // twelve words hold one whole draw; no pair needed at -4
      {"a b c d e f g h i j k l m n o p q r s t u v w", 0, ""},
      {"1  2   3    4 5 6 7 8 9 10 11 12 13", INT_MIN, ""},
      {DrawsText(test::RepeatAndDiagonalDraws()), INT_MAX, "第1名杀 7|"},
      {DrawsText(test::RepeatAndDiagonalDraws()) + " 2000 01 02", 0, "第1名杀 4|第1名杀 7|"},  // a cut draw is dropped
  };
  for (const auto& c : cases) EXPECT_EQ(SkyNineCode(c.draws, 1, c.offset), c.expected) << c.draws;

  // Every rule over every short history, with extreme offsets: nothing may read outside.
  for (int count = 0; count <= 11; ++count) {
    std::vector<int> champions;
    for (int i = 0; i < count; ++i) champions.push_back(i % 2 == 0 ? 3 : 8);
    for (int rule = 1; rule <= 9; ++rule) {
      for (const int offset : {INT_MIN, -6, 0, INT_MAX}) {
        EXPECT_EQ(SkyRuleKills(rule, ChampionDraws(champions), 10, offset).size(), 10u);
      }
    }
  }
}

}  // namespace
}  // namespace pk
