#include "store/table_keys.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace pk {
namespace {

TEST(TableKeys, CombinationKeysOfEverySize) {
  struct Case {
    int size;
    size_t count;
    const char* first;
    const char* second;
    const char* last;
  };
  for (const Case& c : {Case{2, 45, "10", "12", "90"}, Case{3, 120, "120", "123", "890"},
                        Case{4, 210, "1230", "1234", "7890"}, Case{5, 252, "12340", "12345", "67890"},
                        Case{6, 210, "123450", "123456", "567890"}, Case{7, 120, "1234560", "1234567", "4567890"},
                        Case{8, 45, "12345670", "12345678", "34567890"},
                        Case{9, 10, "123456780", "123456789", "234567890"}}) {
    const auto keys = CombinationKeys(c.size);
    ASSERT_EQ(keys.size(), c.count) << c.size;
    EXPECT_EQ(keys[0], c.first);
    EXPECT_EQ(keys[1], c.second);
    EXPECT_EQ(keys.back(), c.last);
    EXPECT_TRUE(std::is_sorted(keys.begin(), keys.end()));
  }
  EXPECT_EQ(CombinationText({10, 3, 2}), "230");
}

TEST(TableKeys, TrendPatternsAreTheSixtyRotationClasses) {
  const auto patterns = TrendPatterns();
  ASSERT_EQ(patterns.size(), 60u);
  EXPECT_EQ(patterns[0], "111111111");
  EXPECT_EQ(patterns[1], "111111112");
  EXPECT_EQ(patterns[2], "111111122");
  EXPECT_EQ(patterns[3], "111111212");
  EXPECT_EQ(patterns[58], "122222222");
  EXPECT_EQ(patterns[59], "222222222");
  EXPECT_TRUE(std::is_sorted(patterns.begin(), patterns.end()));
  // "111111121" is a rotation of "111111112" and has no row of its own.
  EXPECT_EQ(std::count(patterns.begin(), patterns.end(), "111111121"), 0);
}

TEST(TableKeys, TrendColumns) {
  const auto five = TrendColumns(5);
  ASSERT_EQ(five.size(), 120u);
  EXPECT_EQ(five.front(), "12340");
  EXPECT_EQ(five.back(), "15890");
  for (const char* left_out : {"15790", "16780", "16789", "16790", "16890", "17890"})
    EXPECT_EQ(std::count(five.begin(), five.end(), left_out), 0) << left_out;
  EXPECT_TRUE(std::all_of(five.begin(), five.end(), [](const std::string& c) { return c.find('1') != std::string::npos; }));
  EXPECT_EQ(TrendColumns(6), CombinationKeys(6));
  EXPECT_EQ(TrendColumns(7), CombinationKeys(7));
}

TEST(TableKeys, KillRuleKeys) {
  const auto three = KillRuleKeys(3);
  ASSERT_EQ(three.size(), 340u);
  EXPECT_EQ(three[0], "000");
  EXPECT_EQ(three[1], "001");
  EXPECT_EQ(three[9], "009");
  EXPECT_EQ(three[10], "011");
  EXPECT_EQ(three.back(), "999");
  EXPECT_EQ(std::count(three.begin(), three.end(), "010"), 0);
  EXPECT_EQ(std::count(three.begin(), three.end(), "100"), 0);
  const auto four = KillRuleKeys(4);
  ASSERT_EQ(four.size(), 2530u);
  EXPECT_EQ(four[0], "0000");
  EXPECT_EQ(four[1], "0001");
  EXPECT_EQ(four.back(), "9999");
  EXPECT_EQ(std::count(four.begin(), four.end(), "0101"), 1);
  EXPECT_EQ(std::count(four.begin(), four.end(), "1010"), 0);
}

TEST(TableKeys, TableNames) {
  EXPECT_EQ(CombinationTableName(2), "二码极限");
  EXPECT_EQ(CombinationTableName(9), "九码极限");
  EXPECT_EQ(TrendTableName(5), "五码走势极限");
  EXPECT_EQ(TrendTableName(7), "七码走势极限");
  EXPECT_THROW(CombinationTableName(10), std::out_of_range);
}

}  // namespace
}  // namespace pk
