#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "acquire/live_feed.h"
#include "base/text.h"
#include "acquire_fixture.h"
#include "page_server.h"

namespace pk {
namespace {

using test::Order;
using test::Rotated;
using test::TestDraw;

constexpr const char* kHeaders = "HTTP/1.1 200 OK\r\nDate: Sat, 01 Mar 2014 12:34:56 GMT\r\nContent-Type: text/html\r\n\r\n";

std::string JsonAnswer(const std::string& period, const std::string& numbers) {
  return "{\"current\":{\"periodNumber\":" + period + ",\"awardTime\":\"2014-03-01 20:32:30\",\"awardNumbers\":\"" +
         numbers + "\"},\"next\":{\"periodNumber\":1,\"awardTime\":\"x\"},\"rows\":1}";
}

TEST(LatestDrawLine, PadsNumbersTakesTheDigitAndTheServerDate) {
  EXPECT_EQ(LatestDrawLine(JsonAnswer("123456", "3,7,1,10,5,2,9,4,6,8"), kHeaders),
            "03 07 01 10 05 02 09 04 06 08 3 123456  |Sat, 01 Mar 2014 12:34:56");
  EXPECT_EQ(LatestDrawLine(JsonAnswer("123457", "10,1,2,3,4,5,6,7,8,9"), kHeaders),
            "10 01 02 03 04 05 06 07 08 09 0 123457  |Sat, 01 Mar 2014 12:34:56");
  EXPECT_EQ(LatestDrawLine("", ""), "    |");
}

TEST(ParseLatestDrawFields, TakesOnlyAWellFormedDraw) {
  const auto draw = ParseLatestDrawFields("03 07 01 10 05 02 09 04 06 08 3 123456  ");
  ASSERT_TRUE(draw);
  EXPECT_EQ(draw->numbers, (Order{"03", "07", "01", "10", "05", "02", "09", "04", "06", "08"}));
  EXPECT_EQ(draw->period, "123456");

  for (const char* bad : {
           "    ",                                        // nothing answered
           "03 07 01 10 05 02 09 04 06 3 123456  ",       // nine numbers
           "03 07 01 10 05 02 09 04 06 08 11 3 123456  ", // eleven numbers
           "03 07 01 10 05 02 09 04 06 11 3 123456  ",    // a number outside 1..10
           "03 07 01 10 05 02 09 04 06 03 3 123456  ",    // a number repeated
           "03 07 01 10 05 02 09 04 06 00 3 123456  ",    // zero
           "03 07 01 10 05 02 09 04 06 08 3 12a456  ",    // a period that is no number
           "03 07 01 10 05 02 09 04 06 08 3   ",          // no period
           "03 07 01 10 05 02 09 04 06 08 7 123456  ",    // digit of another champion
           "03 07 01 10 05 02 09 04 06 08 3 123456 x ",   // something after the period
       }) {
    EXPECT_FALSE(ParseLatestDrawFields(bad)) << bad;
  }
}

TEST(LatestDrawUrl, AppendsTheSuffixToTheQueryAndTheSuffixVaries) {
  EXPECT_EQ(LatestDrawUrl("http://h:1", 4321), "http://h:1/pk10/ajax?ajaxhandler=GetPk10AwardData&t=0.2047286066774321");
  std::set<int> seen;
  for (int i = 0; i < 50; ++i) {
    const int suffix = RandomQuerySuffix();
    ASSERT_GE(suffix, 1000);
    ASSERT_LE(suffix, 8000);
    seen.insert(suffix);
  }
  EXPECT_GT(seen.size(), 40u);
}

TEST(BulletinRows, NewerRowsOldestFirstAndTheCellsOfARow) {
  const std::string page = ReplaceAll(
      ReplaceAll(test::BulletinPageOf({{"103", Rotated(3)}, {"102", Rotated(2)}, {"101", Rotated(1)}}), "\t", ""),
      " ", "");
  const auto rows = BulletinRowsAfter(page, "101");
  ASSERT_TRUE(rows);
  // Oldest first: what precedes the known draw's period in its own row, then the newer rows.
  ASSERT_EQ(rows->size(), 4u);
  EXPECT_EQ(ReadBulletinRow((*rows)[0]).period, "");
  const BulletinRow oldest = ReadBulletinRow((*rows)[1]);
  const Order order = Rotated(2);
  EXPECT_EQ(oldest.period, "102");
  EXPECT_EQ(oldest.numbers, std::vector<std::string>(order.begin(), order.end()));
  EXPECT_EQ(ReadBulletinRow((*rows)[2]).period, "103");

  EXPECT_FALSE(BulletinRowsAfter("<table><tr><td>1</td></tr></table>", "101"));  // no table header
}

// A program with three draws whose feeds are a page server.
struct LiveFeedTest : test::ProgramFixture {
  test::PageServer server;
  const std::vector<TestDraw> day = {{"123454", Rotated(0)}, {"123455", Rotated(1)}, {"123456", Rotated(2)}};

  LiveFeedTest() {
    program.sources = WebSources::AllAt(server.Base());
    LoadDay(day);
  }
  void Json(const std::string& period, const std::string& numbers, int status = 200) {
    server.Set("/pk10/ajax", {JsonAnswer(period, numbers), status});
  }
  void Bulletin(const std::vector<TestDraw>& newestFirst) {
    server.Set("/bulletin/trax.html", {test::BulletinPageOf(newestFirst)});
  }
  void Step() {
    LiveFeedStep(program);
    program.workers.WaitIdle();
  }
};

TEST_F(LiveFeedTest, TheNextPeriodFromTheJsonServiceIsAppendedAndPassed) {
  Json("123457", "4,5,6,7,8,9,10,1,2,3");
  program.stats.Countdown = 299;
  Step();
  ASSERT_EQ(program.history.size(), 4u);
  const DrawRecord& row = program.history.back();
  EXPECT_EQ(row[1], "04");
  EXPECT_EQ(row[7], "10");
  EXPECT_EQ(row[kChampionDigitColumn], "4");
  EXPECT_EQ(row[kPeriodColumn], "123457");
  EXPECT_EQ(program.stats.LatestPeriod, "123457");
  EXPECT_TRUE(Results().ends_with("123456 | 03 04 05 06 07 08 09 10 01 02 | 03\r\n"
                                  "123457 | 04 05 06 07 08 09 10 01 02 03 | 04\r\n"));
  EXPECT_EQ(incrementalPasses, 1);
  // The "Date:" header (02:03:10 GMT) is 10:03:10 on the server: 280 seconds to go.
  EXPECT_EQ(program.stats.Countdown, 280);
  EXPECT_TRUE(server.Requests().front().starts_with("/pk10/ajax?ajaxhandler=GetPk10AwardData&t=0.204728606677"));
}

TEST_F(LiveFeedTest, AMissedDrawIsCaughtUpFromTheBulletinOldestFirst) {
  Json("123458", "5,6,7,8,9,10,1,2,3,4");
  // 123457 repeats the numbers of 123456 (03 04 05 06 07 08 09 10 01 02) at positions 2
  // and 5; 123458 repeats none of 123457's.
  const Order caught = {"01", "04", "02", "03", "07", "05", "06", "08", "09", "10"};
  Bulletin({{"123458", Rotated(5)}, {"123457", caught}, {"123456", Rotated(2)}, {"123455", Rotated(1)}});
  Step();
  EXPECT_EQ(Periods(), (std::vector<std::string>{"123454", "123455", "123456", "123457", "123458"}));
  EXPECT_EQ(program.history[3][kPrevPositionColumn], "5");  // the last equal position
  EXPECT_EQ(program.history[4][kPrevPositionColumn], "");   // no position repeats
  EXPECT_EQ(program.history[4][kChampionDigitColumn], "6");
  EXPECT_EQ(program.stats.LatestChampion, "06");
  EXPECT_EQ(program.plans.ChampionGapSeries.size(), 4u);
  EXPECT_TRUE(Results().ends_with("123457 | 01 04 02 03 07 05 06 08 09 10 | 01\r\n"
                                  "123458 | 06 07 08 09 10 01 02 03 04 05 | 06\r\n"));
  EXPECT_EQ(incrementalPasses, 1);  // one pass, on a worker of its own
}

TEST_F(LiveFeedTest, TheSamePeriodAgainAppendsNothingButStillPasses) {
  Json("123456", "3,4,5,6,7,8,9,10,1,2");
  Bulletin({{"123456", Rotated(2)}, {"123455", Rotated(1)}});
  Step();
  EXPECT_EQ(program.history.size(), 3u);
  EXPECT_EQ(incrementalPasses, 1);
}

TEST_F(LiveFeedTest, ABulletinWithoutItsTableHeaderAppendsNothingAndRunsNoPass) {
  Json("123458", "5,6,7,8,9,10,1,2,3,4");
  server.Set("/bulletin/trax.html", {"<html>维护中</html>"});
  Step();
  EXPECT_EQ(program.history.size(), 3u);
  EXPECT_EQ(incrementalPasses, 0);
}

TEST_F(LiveFeedTest, AGapInTheBulletinStopsTheCatchUpThere) {
  Json("123459", "1,2,3,4,5,6,7,8,9,10");
  Bulletin({{"123459", Rotated(6)}, {"123458", Rotated(5)}, {"123456", Rotated(2)}});
  Step();
  EXPECT_EQ(program.history.size(), 3u);
}

TEST_F(LiveFeedTest, BadJsonAnswersFallBackAndBadBulletinRowsNeverEnter) {
  struct Case {
    const char* what;
    std::string json;
    int jsonStatus;
    std::string bulletinPeriod, bulletinNumbers;
    int bulletinStatus;
  };
  const std::string good = "04,05,06,07,08,09,10,01,02,03";
  const std::vector<Case> cases = {
      {"repeated number", JsonAnswer("123457", "4,4,6,7,8,9,10,1,2,3"), 200, "123457", "04,04,06,07,08,09,10,01,02,03", 200},
      {"number outside", JsonAnswer("123457", "4,5,6,7,8,9,10,1,2,11"), 200, "123457", "04,05,06,07,08,09,10,01,02,11", 200},
      {"period no number", JsonAnswer("12345x", "4,5,6,7,8,9,10,1,2,3"), 200, "123457", "04,05,006,07,08,09,10,01,02,03", 200},
      {"markers missing", "{\"current\":{\"awardNumbers\":\"4,5,6\"}}", 200, "1234570", good, 200},
      {"markers in another order", "{\"awardTime\":1,\"periodNumber\":123457,\"awardNumbers\":\"4,5,6,7,8,9,10,1,2,3\"},",
       200, "123457", good + ",11", 200},
      {"truncated", JsonAnswer("123457", "4,5,6,7,8,9,10,1,2,3").substr(0, 60), 200, "123457", "04,05,06,07,08,09,10,01,02", 200},
      {"error status", JsonAnswer("123457", "4,5,6,7,8,9,10,1,2,3"), 500, "123457", good, 500},
  };
  const std::string before = Results();
  for (const Case& c : cases) {
    server.Set("/pk10/ajax", {c.json, c.jsonStatus});
    server.Set("/bulletin/trax.html",
               {test::BulletinPageOfRows({{c.bulletinPeriod, c.bulletinNumbers}, {"123456", "03,04,05,06,07,08,09,10,01,02"}}),
                c.bulletinStatus});
    Step();
    EXPECT_EQ(Periods(), (std::vector<std::string>{"123454", "123455", "123456"})) << c.what;
    EXPECT_EQ(program.stats.LatestPeriod, "123456") << c.what;
  }
  EXPECT_EQ(Results(), before);
  EXPECT_TRUE(platform.Messages().empty());  // automatic mode stays silent
}

TEST_F(LiveFeedTest, UnreachableSourcesChangeNothingAndKeepTheCountdown) {
  program.sources = WebSources::AllAt("http://127.0.0.1:1");
  program.stats.Countdown = 299;
  const auto time = program.app.Clock.ServerTime();
  Step();
  EXPECT_EQ(program.history.size(), 3u);
  EXPECT_EQ(program.stats.Countdown, 299);
  EXPECT_EQ(program.app.Clock.ServerTime(), time);
  EXPECT_EQ(incrementalPasses, 0);
}

TEST_F(LiveFeedTest, ThePeriodModeNeverReadsTheBulletin) {
  Main().Get<ButtonModel>("单选框_期号").Click();
  Json("123458", "5,6,7,8,9,10,1,2,3,4");
  Bulletin({{"123458", Rotated(5)}, {"123457", Rotated(4)}, {"123456", Rotated(2)}});
  Step();
  EXPECT_EQ(program.history.size(), 3u);
  for (const std::string& request : server.Requests()) EXPECT_FALSE(request.starts_with("/bulletin")) << request;
}

}  // namespace
}  // namespace pk
