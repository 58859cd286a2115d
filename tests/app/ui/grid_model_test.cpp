#include "app/ui/grid_model.h"

#include <gtest/gtest.h>

namespace pk {
namespace {

// Column 0 of row r reads "r<r>".
void Number(GridModel& grid) {
  for (int r = 0; r < grid.RowCount(); ++r) grid.SetCellText(r, 0, "r" + std::to_string(r));
}

TEST(GridModelTest, RowCountOneLeavesOnlyTheHeaderAndGrowingKeepsCells) {
  GridModel grid("g", 1, 3);
  grid.SetRowTexts(0, 0, {"期号", "冠", "结果"});
  grid.SetRowCount(4);
  grid.SetCellText(2, 1, "x");
  grid.SetBackColour(2, 1, kRed);

  grid.SetRowCount(6);
  EXPECT_EQ(grid.RowCount(), 6);
  EXPECT_EQ(grid.CellText(2, 1), "x");
  EXPECT_EQ(grid.BackColour(2, 1), kRed);
  EXPECT_EQ(grid.CellText(5, 1), "");

  grid.SetRowCount(1);
  EXPECT_EQ(grid.RowCount(), 1);
  EXPECT_EQ(grid.CellText(0, 0), "期号");
  EXPECT_EQ(grid.CellText(0, 2), "结果");

  // Rows that come back after shrinking are empty, not the old ones.
  grid.SetRowCount(4);
  EXPECT_EQ(grid.CellText(2, 1), "");
  EXPECT_FALSE(grid.BackColour(2, 1).has_value());

  // The header row is never removed.
  grid.SetRowCount(0);
  EXPECT_EQ(grid.RowCount(), 1);
  EXPECT_EQ(grid.CellText(0, 0), "期号");
}

TEST(GridModelTest, InsertAboveRowOneShiftsTextsAndColoursDown) {
  GridModel grid("g", 3, 3);
  Number(grid);
  grid.SetBackColour(1, 0, kGreen);
  grid.SetTextColour(2, 2, kBlue);

  EXPECT_EQ(grid.InsertRow(1), 1);
  EXPECT_EQ(grid.RowCount(), 4);
  EXPECT_EQ(grid.CellText(0, 0), "r0");
  EXPECT_EQ(grid.CellText(1, 0), "");
  EXPECT_FALSE(grid.BackColour(1, 0).has_value());
  EXPECT_EQ(grid.CellText(2, 0), "r1");
  EXPECT_EQ(grid.BackColour(2, 0), kGreen);
  EXPECT_EQ(grid.CellText(3, 0), "r2");
  EXPECT_EQ(grid.TextColour(3, 2), kBlue);
}

TEST(GridModelTest, InsertAndDeleteAtTheEdges) {
  GridModel grid("g", 2, 3);
  Number(grid);
  // Past the end: padded so that the new row gets the index asked for.
  EXPECT_EQ(grid.InsertRow(4), 4);
  EXPECT_EQ(grid.RowCount(), 5);
  // Above the header is refused: the header stays row 0.
  EXPECT_EQ(grid.InsertRow(0), 1);
  EXPECT_EQ(grid.CellText(0, 0), "r0");
  EXPECT_EQ(grid.CellText(2, 0), "r1");

  grid.DeleteRow(0);  // the header cannot be deleted
  grid.DeleteRow(99);
  EXPECT_EQ(grid.RowCount(), 6);
  grid.DeleteRow(1);
  EXPECT_EQ(grid.CellText(1, 0), "r1");
  EXPECT_EQ(grid.AppendRow(), 5);
}

TEST(GridModelTest, NoColourIsDistinctFromBlackAndRangesAreClipped) {
  GridModel grid("g", 3, 3);
  EXPECT_FALSE(grid.TextColour(1, 1).has_value());
  grid.SetTextColour(CellRange{1, 1, 1, 1}, kBlack);
  EXPECT_EQ(grid.TextColour(1, 1), kBlack);

  grid.SetBackColour(CellRange{1, 1, 100, 100}, kWhite);
  EXPECT_EQ(grid.BackColour(2, 2), kWhite);
  EXPECT_FALSE(grid.BackColour(0, 0).has_value());
  EXPECT_FALSE(grid.BackColour(1, 0).has_value());
}

TEST(GridModelTest, OutsideTheGridWritesAreIgnoredAndReadsEmpty) {
  GridModel grid("g", 2, 2);
  grid.SetCellText(5, 0, "x");
  grid.SetCellText(0, -1, "x");
  grid.SetBackColour(0, 7, kRed);
  EXPECT_EQ(grid.RowCount(), 2);
  EXPECT_EQ(grid.CellText(5, 0), "");
  EXPECT_FALSE(grid.BackColour(0, 7).has_value());
}

TEST(GridModelTest, AlignmentRangesCoverRowsAddedLaterAndTheLastSetWins) {
  GridModel grid("g", 1, 13);
  grid.SetAlignment(kAllCells, Align::Centre);
  grid.SetAlignment({0, 12, 0, 12}, Align::Right);
  grid.SetRowCount(100);
  EXPECT_EQ(grid.Alignment(99, 5), Align::Centre);
  EXPECT_EQ(grid.Alignment(0, 12), Align::Right);
  EXPECT_EQ(grid.Alignment(1, 12), Align::Centre);
}

TEST(GridModelTest, CurrentCellEventReachesTheHandlerWhichMayUseTheGrid) {
  GridModel grid("g", 3, 3);
  Number(grid);
  grid.SetCellText(2, 1, "第1期,共3期[天空-AB]");
  grid.OnCurrentCell([&](int row, int column) {
    if (row > 0) grid.SetToolTip(grid.CellText(row, column));
  });
  grid.SetCurrentCell(2, 1);
  EXPECT_EQ(grid.CurrentRow(), 2);
  EXPECT_EQ(grid.CurrentColumn(), 1);
  EXPECT_EQ(grid.ToolTip(), "第1期,共3期[天空-AB]");
}

}  // namespace
}  // namespace pk
