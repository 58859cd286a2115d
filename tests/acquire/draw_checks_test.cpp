#include <gtest/gtest.h>

#include "acquire/draw_checks.h"
#include "acquire_fixture.h"
#include "base/text.h"

namespace pk {
namespace {

TEST(DrawChecks, CarNumbersAndPeriods) {
  for (const char* good : {"1", "01", "3", "09", "10"}) EXPECT_TRUE(IsCarNumberText(good)) << good;
  for (const char* bad : {"", "0", "00", "11", "010", "1a", " 1", "-1", "１"}) EXPECT_FALSE(IsCarNumberText(bad)) << bad;
  for (const char* good : {"1", "123456", "000123"}) EXPECT_TRUE(IsPeriodText(good)) << good;
  for (const char* bad : {"", "12a", "1 2", "-5", "1.5", "1234567890123456789"}) EXPECT_FALSE(IsPeriodText(bad)) << bad;
}

TEST(DrawChecks, AnOrderIsTenDifferentCars) {
  EXPECT_TRUE(IsValidDrawOrder(test::Rotated(4)));
  EXPECT_TRUE(IsValidDrawOrder({"3", "7", "1", "10", "5", "2", "9", "4", "6", "8"}));
  test::Order repeated = test::Rotated(0);
  repeated[9] = "1";  // "01" and "1" are the same car
  EXPECT_FALSE(IsValidDrawOrder(repeated));
  test::Order empty = test::Rotated(0);
  empty[5] = "";
  EXPECT_FALSE(IsValidDrawOrder(empty));
}

TEST(DrawChecks, ADayAnswerIsRejectedWholeForOneBadDraw) {
  std::vector<test::TestDraw> draws;
  for (int i = 0; i < 179; ++i) draws.push_back({std::to_string(700000 + i), test::Rotated(i)});
  const std::string answer = test::DayAnswerOf(draws);
  EXPECT_TRUE(IsValidDayAnswer(answer));
  EXPECT_TRUE(IsValidDayAnswer(answer + "01 02 03"));  // an incomplete tail is left out

  std::vector<std::pair<const char*, std::string>> bad = {
      {"empty", ""},
      {"fewer than 13 fields", "01 02 03 04 05 06 07 08 09 10  7"},
      {"a car repeated", ReplaceAll(answer, "05 06  700006", "05 07  700006")},
      {"a car 11", ReplaceAll(answer, "06 07  700007", "06 11  700007")},
      {"a period that is no number", ReplaceAll(answer, " 700100 ", " 7001OO ")},
      {"a draw of nine cars", ReplaceAll(answer, "01 02 03 04 05 06 07 08 09 10  700000", "01 02 03 04 05 06 07 08 09  700000")},
  };
  for (const auto& [what, text] : bad) {
    if (std::string(what) != "empty" && std::string(what) != "fewer than 13 fields") {
      ASSERT_NE(text, answer) << what;
    }
    EXPECT_FALSE(IsValidDayAnswer(text)) << what;
  }
}

}  // namespace
}  // namespace pk
