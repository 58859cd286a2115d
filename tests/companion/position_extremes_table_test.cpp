#include "companion/position_extremes_table.h"

#include <gtest/gtest.h>

#include <string>

namespace pk {
namespace {

using Row = PositionExtremesTable::Row;

TEST(PositionExtremesTable, PairsFillRowsFromOneHundred) {
  PositionExtremesTable table;
  table.Fill("147 6 258 9 369");  // the lone last word has no partner
  EXPECT_EQ(table.At(99), Row{});
  EXPECT_EQ(table.At(100), (Row{"147", "6"}));
  EXPECT_EQ(table.At(101), (Row{"258", "9"}));
  EXPECT_EQ(table.At(102), Row{});

  table.Fill("123456789");  // one word: the table is emptied and stays empty
  EXPECT_EQ(table.At(100), Row{});
}

TEST(PositionExtremesTable, PairsBeyondTheLastRowAreLeftOut) {
  std::string pairs;
  for (int i = 1; i <= 1001; ++i) pairs += std::to_string(i) + " " + std::to_string(i % 7) + " ";
  PositionExtremesTable table;
  table.Fill(pairs);
  EXPECT_EQ(table.At(100), (Row{"1", "1"}));
  EXPECT_EQ(table.At(PositionExtremesTable::kRows), (Row{"1000", "6"}));
}

}  // namespace
}  // namespace pk
