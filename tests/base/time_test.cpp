#include "base/time.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace pk {
namespace {

std::string Text(DateTime t) { return DateTimeText(t); }

TEST(DateTime, CountsSecondsFrom1970) {
  EXPECT_EQ(MakeDateTime(1970, 1, 1).seconds, 0);
  EXPECT_EQ(MakeDateTime(2015, 4, 5, 16, 24, 11).seconds, 1428251051);
  EXPECT_EQ(MakeDateTime(1969, 12, 31, 23, 59, 59).seconds, -1);
  const DateParts p = SplitDateTime(DateTime{-1});
  EXPECT_EQ((std::array{p.year, p.month, p.day, p.hour, p.minute, p.second}),
            (std::array{1969, 12, 31, 23, 59, 59}));
}

TEST(DateTime, ArithmeticCrossesMonthYearAndLeapDays) {
  const struct {
    DateTime start;
    int64_t add;
    std::string expected;
  } cases[] = {
      {MakeDateTime(2016, 2, 28, 23, 59, 59), 1, "2016-02-29 00:00:00"},  // leap year
      {MakeDateTime(2015, 2, 28, 23, 59, 59), 1, "2015-03-01 00:00:00"},
      {MakeDateTime(2000, 2, 28, 12), 86400, "2000-02-29 12:00:00"},      // divisible by 400
      {MakeDateTime(1900, 2, 28, 12), 86400, "1900-03-01 12:00:00"},      // divisible by 100
      {MakeDateTime(2014, 12, 31, 23, 59, 59), 1, "2015-01-01 00:00:00"},
      {MakeDateTime(2015, 1, 1), -1, "2014-12-31 23:59:59"},
      {MakeDateTime(2014, 4, 30, 20), 8 * 3600, "2014-05-01 04:00:00"},
      {MakeDateTime(2016, 3, 1), -86400, "2016-02-29 00:00:00"},
      {MakeDateTime(2015, 13, 1), 0, "2016-01-01 00:00:00"},  // month 13 rolls into the next year
      {MakeDateTime(2015, 3, 0), 0, "2015-02-28 00:00:00"},   // day 0 is the month's eve
  };
  for (const auto& c : cases) EXPECT_EQ(Text(DateTime{c.start.seconds + c.add}), c.expected);
}

TEST(DateTime, LongChineseTextDropsLeadingZerosAndMidnight) {
  EXPECT_EQ(LongChineseText(MakeDateTime(2014, 3, 5, 12, 5, 8)), "2014年3月5日12时5分8秒");
  EXPECT_EQ(LongChineseText(MakeDateTime(2014, 3, 5)), "2014年3月5日");
  EXPECT_EQ(LongChineseText(MakeDateTime(2014, 3, 5, 12)), "2014年3月5日12时0分0秒");
  EXPECT_EQ(LongChineseText(MakeDateTime(2014, 11, 25, 0, 0, 1)), "2014年11月25日0时0分1秒");
}

TEST(FormatDateTime, PadsPartsAndUsesTheSeparator) {
  const struct {
    std::string text, separator;
    bool withTime;
    std::string expected;
  } cases[] = {
      {"2014年3月5日12时5分8秒", "-", true, "2014-03-05 12:05:08"},
      {"2014年3月5日12时5分8秒", "-", false, "2014-03-05"},
      {"2014年3月5日", "-", true, "2014-03-05 00:00:00"},  // midnight
      {"2014年3月5日12时5分8秒", "", false, "2014-03-05"},  // empty separator is "-"
      {"2014年3月5日12时5分8秒", "/", true, "2014/03/05 12:05:08"},
      {" 2014 年 11 月 25 日 23 时 59 分 30 秒 ", "-", true, "2014-11-25 23:59:30"},
      {"", "-", true, "00-00-00 00:00:00"},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatDateTime(c.text, c.separator, c.withTime), c.expected) << c.text;
  EXPECT_EQ(DateTimeText(MakeDateTime(2015, 4, 5, 16, 24, 11)), "2015-04-05 16:24:11");
  EXPECT_EQ(DateText(MakeDateTime(2015, 4, 5, 16, 24, 11)), "2015-04-05");
}

TEST(ParseDateTimeText, ReadsDateAndTimeTexts) {
  EXPECT_EQ(ParseDateTimeText("2015-04-05 16:24:11"), MakeDateTime(2015, 4, 5, 16, 24, 11));
  EXPECT_EQ(ParseDateTimeText("2015-04-05"), MakeDateTime(2015, 4, 5));
  EXPECT_EQ(ParseDateTimeText(" 2016-2-29 0:00:00 "), MakeDateTime(2016, 2, 29));
  for (const char* bad : {"", "abc", "2015-02-29", "2015-13-01", "2015-04-05 24:00:00", "2015-04-05 16:24",
                          "15-04-05", "2015-04-05x", "2015/04/05", "2015-04-05 16:24:11 extra"}) {
    EXPECT_EQ(ParseDateTimeText(bad), std::nullopt) << bad;
  }
}

TEST(ParseHttpDate, SetsTheServerClockToUtc8) {
  const struct {
    std::string header, date, serverTime;
  } cases[] = {
      {"Sat, 01 Mar 2014 16:00:00", "2014-03-02", "2014-03-02 00:00:00"},
      {"Sat, 01 MAR 2014 15:59:59", "2014-03-01", "2014-03-01 23:59:59"},
      {"Wed, 31 Dec 2014 16:30:00", "2015-01-01", "2015-01-01 00:30:00"},
      {"Sun, 28 Feb 2016 20:00:00", "2016-02-29", "2016-02-29 04:00:00"},
      {"Sun, 5 apr 2015 8:24:11", "2015-04-05", "2015-04-05 16:24:11"},
  };
  for (const auto& c : cases) {
    ProgramClock clock;
    EXPECT_EQ(ParseHttpDate(clock, c.header), c.date) << c.header;
    ASSERT_TRUE(clock.ServerTime().has_value()) << c.header;
    EXPECT_EQ(DateTimeText(*clock.ServerTime()), c.serverTime);
  }
}

TEST(ParseHttpDate, LeavesTheClockAloneWhenTheTextIsNoDate) {
  ProgramClock clock;
  EXPECT_EQ(clock.ServerTime(), std::nullopt);
  const DateTime before = MakeDateTime(2015, 4, 5, 16, 24, 11);
  clock.SetServerTime(before);
  for (const char* bad : {"", "Sat, 01 Mar 2014", "Sat, 01 Foo 2014 16:00:00", "Sat, xx Mar 2014 16:00:00",
                          "Sat, 30 Feb 2014 16:00:00", "Sat, 01 Mar 2014 16:00", "Sat,  01 Mar 2014 16:00:00",
                          "Sat, 01 Mar 14 16:00:00", "Sat, 01 Mar 2014 16:60:00", "Sat, 01 Mar 2014 a:b:c"}) {
    EXPECT_EQ(ParseHttpDate(clock, bad), "") << bad;
    EXPECT_EQ(clock.ServerTime(), before) << bad;
  }
}

TEST(FetchWebTime, ReadsMillisecondsFromThePage) {
  ProgramClock clock;
  EXPECT_EQ(FetchWebTime(clock, "window.baidu_time(1425542708999);"), 1425542708999);
  ASSERT_TRUE(clock.ServerTime().has_value());
  EXPECT_EQ(DateTimeText(*clock.ServerTime()), "2015-03-05 16:05:08");  // fraction cut off

  const DateTime before = *clock.ServerTime();
  for (const char* bad : {"", "baidu_time(123)", "window.baidu_time(abc)", "window.baidu_time()",
                          "window.baidu_time(-5)", "window.baidu_time(1425542708999"}) {
    EXPECT_EQ(FetchWebTime(clock, bad), 0) << bad;
    EXPECT_EQ(clock.ServerTime(), before) << bad;
  }
}

}  // namespace
}  // namespace pk
