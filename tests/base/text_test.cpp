#include "base/text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pk {
namespace {

TEST(TextBetween, CutsBetweenTheFirstStartAndTheNextEnd) {
  const struct {
    std::string text, start, end, expected;
  } cases[] = {
      {"periodNumber:123,awardTime", "periodNumber:", ",awardTime", "123"},
      {"a[1]b[2]", "[", "]", "1"},
      {"end) before window.baidu_time(99)", "window.baidu_time(", ")", "99"},
      {"<td>推荐</td>", "<td>", "</td>", "推荐"},
      {"年3月5日", "年", "月", "3"},
      {"no start here", "[", "]", ""},     // start marker absent
      {"[open but no end", "[", "]", ""},  // end marker absent
      {"[]", "[", "]", ""},                // nothing between
      {"x]y[", "[", "]", ""},              // end only before start
      {"", "[", "]", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(TextBetween(c.text, c.start, c.end), c.expected) << c.text;
}

TEST(Split, KeepsEmptyPartsButAnEmptyTextHasNone) {
  EXPECT_EQ(Split("a  b", " "), (std::vector<std::string>{"a", "", "b"}));
  EXPECT_EQ(Split("1,7,1,,", ","), (std::vector<std::string>{"1", "7", "1", "", ""}));
  EXPECT_EQ(Split("16:24:11", ":"), (std::vector<std::string>{"16", "24", "11"}));
  EXPECT_EQ(Split("a<>b<>", "<>"), (std::vector<std::string>{"a", "b", ""}));
  EXPECT_EQ(Split("abc", ","), (std::vector<std::string>{"abc"}));
  EXPECT_TRUE(Split("", ",").empty());
  EXPECT_EQ(Join(Split("x,,y", ","), ","), "x,,y");
}

TEST(TextHelpers, TrimReplaceAndCase) {
  EXPECT_EQ(Trim(" \t\r\n a b \r\n"), "a b");
  EXPECT_EQ(Trim("   "), "");
  EXPECT_EQ(ReplaceAll("a b  c", " ", ""), "abc");
  EXPECT_EQ(ReplaceAll("aaa", "aa", "b"), "ba");
  EXPECT_EQ(ReplaceAll("abc", "", "x"), "abc");
  EXPECT_EQ(ToUpperAscii("Mar推"), "MAR推");
  EXPECT_EQ(ToLowerAscii("DATE"), "date");
  EXPECT_TRUE(EqualsIgnoreCase("Last_Update", "LAST_update"));
  EXPECT_FALSE(EqualsIgnoreCase("Date", "Dates"));
  EXPECT_EQ(FindIgnoreCase("Date: Sat GMT", "gmt"), 10u);
  EXPECT_EQ(FindIgnoreCase("abcABC", "abc", 1), 3u);
  EXPECT_EQ(FindIgnoreCase("abc", "abcd"), std::string::npos);
  EXPECT_EQ(FindIgnoreCase("abc", "x", 10), std::string::npos);
  EXPECT_TRUE(Contains("12345", "34"));
  EXPECT_FALSE(Contains("12345", "6"));
}

TEST(LastChar, TakesWholeUtf8Characters) {
  EXPECT_EQ(LastChar("10"), "0");
  EXPECT_EQ(LastChar("03"), "3");
  EXPECT_EQ(LastChar("推荐"), "荐");
  EXPECT_EQ(LastChar(""), "");
  EXPECT_EQ(LastChar("a\x80"), "\x80");      // stray continuation byte
  EXPECT_EQ(LastChar("\xE6\x8E"), "\x8E");   // truncated sequence
}

TEST(IsDigitString, AcceptsOnlyAsciiDigits) {
  EXPECT_TRUE(IsDigitString("0123456789"));
  EXPECT_FALSE(IsDigitString(""));
  EXPECT_FALSE(IsDigitString("12a"));
  EXPECT_FALSE(IsDigitString("-1"));
  EXPECT_FALSE(IsDigitString(" 1"));
  EXPECT_FALSE(IsDigitString("１"));
}

}  // namespace
}  // namespace pk
