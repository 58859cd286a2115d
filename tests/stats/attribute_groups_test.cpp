#include <gtest/gtest.h>

#include <array>
#include <string>

#include "stats/attribute_groups.h"
#include "stats_test_support.h"

namespace pk {
namespace {

using test::StatsTest;
using Row = std::array<std::string, 10>;

TEST(AttributeRowTest, EachChampionGetsOneWordOfEveryPairThatApplies) {
  struct Case {
    std::string champion;
    Row row;
  };
  const Case cases[] = {
      {"01", {"7", "01", "小", "", "边", "", "单", "", "", ""}},  // 1 is neither prime nor composite
      {"10", {"7", "10", "", "大", "边", "", "", "双", "", "合"}},
      {"05", {"7", "05", "小", "", "", "中", "单", "", "质", ""}},
      {"04", {"7", "04", "小", "", "", "中", "", "双", "", "合"}},
      {"08", {"7", "08", "", "大", "边", "", "", "双", "", "合"}},
      {"3", {"7", "3", "小", "", "边", "", "单", "", "质", ""}},  // as the bulletin page writes it
  };
  for (const Case& c : cases) EXPECT_EQ(AttributeRow(7, c.champion), c.row) << c.champion;
}

struct AttributeGroupsTest : StatsTest {
  GridModel& Grid() { return Main().Get<GridModel>("高级表格_走势二"); }

  // Every data row's coloured cells: one of each of the first three pairs, at most one
  // of prime/composite, each with its pair's colour.
  void ExpectColouredLikeItsText(int row) {
    for (int c = 2; c < 10; ++c) {
      const bool filled = !Grid().CellText(row, c).empty();
      EXPECT_EQ(Grid().BackColour(row, c), filled ? MaybeColour(c % 2 == 0 ? kGreen : kYellow) : std::nullopt)
          << row << "," << c;
    }
  }
};

TEST_F(AttributeGroupsTest, FullPassShowsNewestOnTopAndIncrementalPassInsertsAboveIt) {
  for (int i = 0; i < 179; ++i) AddChampion(i % 10 + 1);

  UpdateAttributeGroups(program, PassMode::Full);

  ASSERT_EQ(Grid().RowCount(), 180);
  EXPECT_EQ(Grid().CellText(0, 0), "期数");
  EXPECT_EQ(Grid().CellText(1, 0), "179");
  EXPECT_EQ(Grid().CellText(1, 1), "09");  // draw 179 has champion 9
  EXPECT_EQ(Grid().CellText(179, 0), "1");
  EXPECT_EQ(program.stats.AttributeTable.size(), 179u);
  ExpectColouredLikeItsText(1);
  ExpectColouredLikeItsText(179);

  AddChampion(1);
  UpdateAttributeGroups(program, PassMode::Incremental);

  ASSERT_EQ(Grid().RowCount(), 181);
  EXPECT_EQ(Grid().CellText(1, 0), "180");
  EXPECT_EQ(Grid().CellText(1, 2), "小");
  EXPECT_EQ(Grid().CellText(1, 8), "");
  EXPECT_EQ(Grid().CellText(1, 9), "");
  EXPECT_EQ(Grid().CellText(2, 0), "179");
  ExpectColouredLikeItsText(1);
  ExpectColouredLikeItsText(2);
}

TEST_F(AttributeGroupsTest, IncrementalPassShowsEveryNewDrawOnceAndNoneTwice) {
  for (int i = 0; i < 5; ++i) AddChampion(3);
  UpdateAttributeGroups(program, PassMode::Full);

  // The bulletin page caught up two draws before one pass.
  AddChampion(6);
  AddChampion(7);
  UpdateAttributeGroups(program, PassMode::Incremental);
  ASSERT_EQ(Grid().RowCount(), 8);
  EXPECT_EQ(Grid().CellText(1, 0), "7");
  EXPECT_EQ(Grid().CellText(1, 1), "07");
  EXPECT_EQ(Grid().CellText(2, 0), "6");
  EXPECT_EQ(Grid().CellText(2, 3), "大");
  EXPECT_EQ(program.stats.AttributeTable[5][0], "6");

  // A pass after a feed step that found nothing new adds no row.
  UpdateAttributeGroups(program, PassMode::Incremental);
  EXPECT_EQ(Grid().RowCount(), 8);
  EXPECT_EQ(Grid().CellText(1, 0), "7");
}

TEST_F(AttributeGroupsTest, IncrementalPassWithoutAFullPassBeforeFillsTheFirstDraw) {
  AddChampion(2);
  UpdateAttributeGroups(program, PassMode::Incremental);
  ASSERT_EQ(Grid().RowCount(), 2);
  EXPECT_EQ(Grid().CellText(1, 0), "1");
  EXPECT_EQ(Grid().CellText(1, 8), "质");
}

}  // namespace
}  // namespace pk
