// The simulator over real HTTP on loopback, read with the program's own page routine and
// parsed with the program's own marker rules.
#include "pk10sim/sim_server.h"

#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <string>
#include <vector>

#include "base/page_fetcher.h"
#include "base/text.h"
#include "base/time.h"
#include "pk10sim/failure_answers.h"
#include "pk10sim/pages.h"

namespace pk::sim {
namespace {

const DateTime kStart = MakeDateTime(2026, 3, 1, 10, 3, 10);

class SimServerTest : public ::testing::Test {
 protected:
  void SetUp() override { server_.Start(); }

  std::string Get(const std::string& path, std::string* headers = nullptr) {
    return FetchPage(server_.BaseAddress() + path, headers);
  }

  static std::string TwoDigitList(const Draw& draw, const std::string& separator) {
    std::string text;
    for (int number : draw.numbers) text += (text.empty() ? "" : separator) + TwoDigits(number);
    return text;
  }

  SimServer server_{SimOptions{.seed = 11, .start = kStart, .speed = 0}};
};

TEST_F(SimServerTest, EveryPathAnswersWithTheSimulatedClockInItsDateHeader) {
  for (const std::string path : {"/pk10/ajax?ajaxhandler=GetPk10AwardData&t=0.2047286066771234", "/bulletin/trax.html",
                                 "/bulletin/trax.html?page=4", "/pk10/kaijiang/", "/lottery/draw/list/557?d=2026-03-01",
                                 "//ajax/shahao/PK10/100/n1", "/special/time/", "/pkcalc/notice.html"}) {
    std::string headers;
    const std::string body = Get(path, &headers);
    EXPECT_TRUE(headers.starts_with("HTTP/1.1 200")) << path << "\n" << headers;
    EXPECT_GT(body.size(), 100u) << path;
    // The server clock as the program reads it back.
    ProgramClock clock;
    EXPECT_EQ(ParseHttpDate(clock, Trim(TextBetween(headers, "Date:", "GMT"))), "2026-03-01") << path;
    EXPECT_EQ(clock.ServerTime(), kStart) << path;
  }
  std::string headers;
  Get("/no/such/page", &headers);
  EXPECT_TRUE(headers.starts_with("HTTP/1.1 404")) << headers;
  EXPECT_NE(headers.find("Date: Sun, 01 Mar 2026 02:03:10 GMT\r\n"), std::string::npos) << headers;
}

TEST_F(SimServerTest, JsonServiceGivesTheNewestDrawToTheFeedMarkers) {
  const int64_t newest = server_.NewestPeriod();
  EXPECT_EQ(newest, DrawStream::PeriodOf(kStart, 11));  // 10:02:30 is the twelfth draw of the day
  const std::string text = ReplaceAll(Get("/pk10/ajax?ajaxhandler=GetPk10AwardData&t=0.2047286066771234"), "\"", "");
  EXPECT_EQ(TextBetween(text, "periodNumber:", ",awardTime"), std::to_string(newest));
  std::string numbers;
  for (int number : server_.Draws().At(newest).numbers) numbers += (numbers.empty() ? "" : ",") + std::to_string(number);
  EXPECT_EQ(TextBetween(text, "awardNumbers:", "},"), numbers);
}

TEST_F(SimServerTest, BulletinRowsReadByTheFeedRules) {
  // The feed's rules: tabs and blanks out, the rows after the header "开奖时间" that are
  // newer than the known period, split at "</tr>", the cells at "/td>".
  const int64_t newest = server_.NewestPeriod();
  const int64_t known = newest - 3;
  const std::string text = ReplaceAll(ReplaceAll(Get("/bulletin/trax.html"), "\t", ""), " ", "");
  const std::vector<std::string> parts = Split(text, "开奖时间");
  ASSERT_EQ(parts.size(), 2u);
  const std::vector<std::string> rows = Split(Split(parts[1], std::to_string(known))[0], "</tr>");
  std::vector<std::string> read;
  for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
    const std::vector<std::string> cells = Split(*row, "/td>");
    if (cells.size() < 2) continue;
    read.push_back(TextBetween(cells[0], "<td>", "<") + " " + TextBetween(cells[1], "<td>", "<"));
  }
  std::vector<std::string> expected;
  for (int64_t period = known + 1; period <= newest; ++period) {
    expected.push_back(std::to_string(period) + " " + TwoDigitList(server_.Draws().At(period), ","));
  }
  EXPECT_EQ(read, expected);
}

TEST_F(SimServerTest, BulletinPagesHoldConsecutiveBlocksOfOlderDraws) {
  const int64_t newest = server_.NewestPeriod();
  for (int page = 1; page <= 4; ++page) {
    const std::string text = Get("/bulletin/trax.html?page=" + std::to_string(page));
    const int64_t first = newest - (page - 1) * kBulletinRowsPerPage;
    EXPECT_NE(text.find("<td>" + std::to_string(first) + "</td>"), std::string::npos) << page;
    EXPECT_NE(text.find("<td>" + std::to_string(first - kBulletinRowsPerPage + 1) + "</td>"), std::string::npos) << page;
    EXPECT_EQ(text.find("<td>" + std::to_string(first - kBulletinRowsPerPage) + "</td>"), std::string::npos) << page;
  }
}

TEST_F(SimServerTest, DrawListHasSalesOnlyOnDaysWithDraws) {
  const struct {
    std::string date;
    size_t rows;
  } cases[] = {
      {"2026-02-28", 179},  // a whole day
      {"2026-03-01", 12},   // today up to 10:02:30
      {"2026-03-02", 0},    // still to come
      {"not-a-date", 0},
  };
  for (const auto& c : cases) {
    const std::string page = Get("/lottery/draw/list/557?d=" + c.date);
    EXPECT_EQ(Contains(page, "本期销量"), c.rows > 0) << c.date;
    EXPECT_EQ(Split(page, "td2").size() - 1, c.rows) << c.date;
  }
}

TEST_F(SimServerTest, KillFeedJudgesEachSourceAgainstTheDraws) {
  // Read as the nine-code plan reads it.
  std::string text = Get("//ajax/shahao/PK10/100/n1");
  text = ReplaceAll(text, "\"", "");
  ASSERT_TRUE(Contains(text, "KillNum"));
  const std::vector<std::string> items = Split(ReplaceAll(text, "KillNum", ""), "}},");
  ASSERT_EQ(items.size(), 100u);
  const int64_t newest = server_.NewestPeriod();
  int misses = 0, allHit = 0;
  for (int i = 0; i < 99; ++i) {
    const int64_t period = newest - 98 + i;
    const Draw draw = server_.Draws().At(period);
    EXPECT_EQ(ReplaceAll(Split(items[i], ":{")[0], "{", ""), std::to_string(period));
    EXPECT_EQ(LastChar(TextBetween(items[i], "LotteryResult:", ",")), std::to_string(draw.numbers[0] % 10));
    const std::vector<std::string> pieces = Split(items[i], "Num");
    ASSERT_GE(pieces.size(), 11u);
    int hits = 0;
    for (int source = 1; source <= 10; ++source) {
      const int kill = server_.Draws().At(period - source).numbers[source - 1];
      EXPECT_EQ(TextBetween(pieces[source], ":", ","), std::to_string(kill));
      const bool hit = TextBetween(pieces[source], "Check:", "}") == "1";
      EXPECT_EQ(hit, kill != draw.numbers[0]) << period << " source " << source;
      hits += hit ? 1 : 0;
    }
    misses += 10 - hits;
    allHit += hits == 10 ? 1 : 0;
  }
  // Both outcomes occur, and periods where every source hit.
  EXPECT_GT(misses, 0);
  EXPECT_GT(allHit, 0);
  EXPECT_EQ(items[99].substr(0, items[99].find(':')), std::to_string(newest + 1));
  const std::vector<std::string> coming = Split(items[99], "Num");
  ASSERT_EQ(coming.size(), 11u);
  EXPECT_EQ(TextBetween(coming[2], ":", ","), std::to_string(server_.Draws().At(newest - 1).numbers[1]));
}

TEST_F(SimServerTest, WebTimeAndOnlineBulletinCarryTheirMarkers) {
  ProgramClock clock;
  EXPECT_EQ(FetchWebTime(clock, Get("/special/time/")), (kStart.seconds - 8 * 3600) * 1000);
  EXPECT_EQ(clock.ServerTime(), kStart);

  const std::string notice = Get("/pkcalc/notice.html");
  EXPECT_EQ(TextBetween(notice, "最新版本-[", "]"), "1.0.1.90");
  const std::string download = TextBetween(notice, "下载地址-[", "]");
  EXPECT_TRUE(download.starts_with(server_.BaseAddress())) << download;
  EXPECT_TRUE(Get(download.substr(server_.BaseAddress().size())).size() > 0);
  EXPECT_EQ(Split(ReplaceAll(TextBetween(notice, "更新内容-[", "]"), ";", "；"), "；").size(), 3u);
  EXPECT_GE(Split(TextBetween(notice, "帮助说明-[", "]"), "||").size(), 2u);
}

TEST_F(SimServerTest, ClockMovesFromCodeAndFromTheControlPath) {
  server_.SetClock(MakeDateTime(2026, 3, 1, 23, 58, 0), 0);
  EXPECT_EQ(server_.NewestPeriod(), DrawStream::PeriodOf(kStart, 178));
  Get("/control/clock?time=2026-03-02%2009:07:30");
  EXPECT_EQ(server_.NewestPeriod(), DrawStream::PeriodOf(kStart, 179));
  EXPECT_EQ(DateTimeText(server_.Now()), "2026-03-02 09:07:30");
  std::string headers;
  Get("/control/clock?speed=3600", &headers);
  EXPECT_TRUE(headers.starts_with("HTTP/1.1 200")) << headers;
  // An hour a second: a moment later the clock has moved on.
  const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  while (server_.Now() == MakeDateTime(2026, 3, 2, 9, 7, 30) && std::chrono::steady_clock::now() < until) {
  }
  EXPECT_GT(server_.Now(), MakeDateTime(2026, 3, 2, 9, 7, 30));
  Get("/control/clock?time=yesterday", &headers);
  EXPECT_TRUE(headers.starts_with("HTTP/1.1 400")) << headers;
}

TEST_F(SimServerTest, FailureSwitchesSpoilOnlyTheirPath) {
  const std::string ajax = "/pk10/ajax?ajaxhandler=GetPk10AwardData&t=0.2047286066771234";
  const std::string page = Get(ajax);
  const int64_t newest = server_.NewestPeriod();
  SetPageFetcherTimeout(std::chrono::seconds(1));
  server_.SetHangLimit(std::chrono::seconds(30));

  const struct {
    FailMode mode;
    std::string status;  // "" for no answer at all
  } cases[] = {
      {FailMode::Refuse, ""},           {FailMode::Hang, ""},
      {FailMode::Error500, "HTTP/1.1 500"}, {FailMode::Truncate, ""},
      {FailMode::Garbage, "HTTP/1.1 200"},  {FailMode::Huge, "HTTP/1.1 200"},
      {FailMode::Skip, "HTTP/1.1 200"},
  };
  for (const auto& c : cases) {
    const std::string name(FailModeName(c.mode));
    server_.SetFailure("/pk10/ajax", c.mode);
    std::string headers;
    const std::string body = Get(ajax, &headers);
    EXPECT_TRUE(headers.starts_with(c.status)) << name << "\n" << headers;
    if (c.status.empty()) {
      EXPECT_EQ(body, "") << name;
    }
    EXPECT_EQ(Get("/special/time/").empty(), false) << name;  // other paths still answer
    switch (c.mode) {
      case FailMode::Error500:
        EXPECT_TRUE(Contains(body, "Internal Server Error"));
        break;
      case FailMode::Garbage:
        EXPECT_EQ(body.size(), 16u * 1024);
        EXPECT_EQ(TextBetween(ReplaceAll(body, "\"", ""), "periodNumber:", ",awardTime"), "");
        break;
      case FailMode::Huge:
        EXPECT_EQ(body.size(), kHugePageBytes);
        EXPECT_TRUE(body.starts_with(page));
        break;
      case FailMode::Skip:
        EXPECT_EQ(TextBetween(ReplaceAll(body, "\"", ""), "periodNumber:", ",awardTime"), std::to_string(newest + 1));
        break;
      default:
        break;
    }
  }
  SetPageFetcherTimeout(std::chrono::seconds(18));

  // The control path sets and clears them too.
  std::string headers;
  Get("/control/fail?path=/pk10/kaijiang/&mode=error500");
  Get("/pk10/kaijiang/", &headers);
  EXPECT_TRUE(headers.starts_with("HTTP/1.1 500")) << headers;
  Get("/control/fail?mode=none");
  EXPECT_EQ(Get(ajax), page);
  Get("/pk10/kaijiang/", &headers);
  EXPECT_TRUE(headers.starts_with("HTTP/1.1 200")) << headers;
  Get("/control/fail?path=/pk10/ajax&mode=explode", &headers);
  EXPECT_TRUE(headers.starts_with("HTTP/1.1 400")) << headers;
}

TEST_F(SimServerTest, StopEndsAHangingAnswerAtOnce) {
  server_.SetFailure("/pk10/ajax", FailMode::Hang);
  auto client = std::async(std::launch::async, [this] { return Get("/pk10/ajax"); });
  // Wait until the request is inside the server (its answer is pending).
  EXPECT_EQ(client.wait_for(std::chrono::milliseconds(500)), std::future_status::timeout);
  const auto start = std::chrono::steady_clock::now();
  server_.Stop();
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
  EXPECT_EQ(client.get(), "");

  // It can be started again, and then hangs as it did.
  server_.Start();
  server_.SetHangLimit(std::chrono::milliseconds(200));
  EXPECT_EQ(Get("/pk10/ajax"), "");
  EXPECT_TRUE(Contains(Get("/special/time/"), "window.baidu_time("));
}

}  // namespace
}  // namespace pk::sim
