#include "base/numbers.h"

#include <gtest/gtest.h>

#include <string>

namespace pk {
namespace {

TEST(TextToNumber, ReadsTheLeadingNumberAndIgnoresTheRest) {
  const struct {
    std::string text;
    double expected;
  } cases[] = {
      {"12abc", 12},  {"abc", 0},     {"", 0},       {" -3", -3},       {"05", 5},        {"\t 42", 42},
      {"+7", 7},      {"3.5x", 3.5},  {".5", 0.5},   {"5.", 5},         {"-", 0},         {".", 0},
      {"-.", 0},      {"- 3", 0},     {"1e3", 1},    {"0x1A", 0},       {"12 34", 12},    {"-0", 0},
      {"472781", 472781}, {"  -12.25元", -12.25}, {"１２", 0}, {"1,234", 1},
  };
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(TextToNumber(c.text), c.expected) << '"' << c.text << '"';
}

TEST(TextToNumber, OnlyTheGivenViewIsRead) {
  const std::string text = "123456";
  EXPECT_DOUBLE_EQ(TextToNumber(std::string_view(text).substr(0, 3)), 123);
}

TEST(NumberToText, WritesWholeNumbersRoundingHalvesAwayFromZero) {
  const struct {
    double value;
    std::string expected;
  } cases[] = {
      {0, "0"},     {-3, "-3"},   {472781, "472781"}, {2.5, "3"},       {-2.5, "-3"},
      {0.5, "1"},   {1.49, "1"},  {-0.4, "0"},        {-0.0, "0"},      {1e15, "1000000000000000"},
      {7.0000001, "7"}, {0.49999999999999994, "0"},
  };
  for (const auto& c : cases) EXPECT_EQ(NumberToText(c.value), c.expected) << c.value;
}

TEST(NumberToText, RoundTripsStoredTexts) {
  EXPECT_EQ(NumberToText(TextToNumber("0007")), "7");
  EXPECT_EQ(NumberToText(TextToNumber("")), "0");
  EXPECT_EQ(NumberToText(TextToNumber("-15")), "-15");
}

TEST(NumbersEqual, ToleratesOneTenMillionth) {
  EXPECT_TRUE(NumbersEqual(0, 1e-7));
  EXPECT_TRUE(NumbersEqual(5, 5.00000005));
  EXPECT_TRUE(NumbersEqual(-2, -2));
  EXPECT_FALSE(NumbersEqual(0, 1.1e-7));
  EXPECT_FALSE(NumbersEqual(3, 4));
}

}  // namespace
}  // namespace pk
