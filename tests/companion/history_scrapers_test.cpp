// The history scrapers against the simulator and against hand-written pages that carry
// the same markers in other surrounding markup.
#include "companion/history_scrapers.h"

#include <gtest/gtest.h>
#include <httplib.h>

#include <cstdio>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include "app/companion_library.h"
#include "base/ini.h"
#include "base/web_sources.h"
#include "companion/library_context.h"
#include "pk10sim/pages.h"
#include "pk10sim/sim_server.h"

namespace pk {
namespace {

using sim::FailMode;
using sim::TwoDigits;

const DateTime kStart = MakeDateTime(2026, 3, 1, 10, 3, 10);

// The layout of the draw page and the bulletin pages: ten numbers, an empty word, the
// period and an empty word per draw, oldest first.
std::string ThirteenWords(const sim::DrawStream& draws, int64_t first, int64_t last) {
  std::string text;
  for (int64_t period = first; period <= last; ++period) {
    for (int number : draws.At(period).numbers) text += TwoDigits(number) + " ";
    text += " " + std::to_string(period) + "  ";
  }
  return text;
}

class ScrapersOnTheSimulator : public ::testing::Test {
 protected:
  void SetUp() override {
    server_.Start();
    SetScraperSources(WebSources::AllAt(server_.BaseAddress()));
    TakeLibraryMessage();
  }
  void TearDown() override { SetScraperSources(WebSources::Defaults()); }

  sim::SimServer server_{sim::SimOptions{.seed = 5, .start = kStart, .speed = 0}};
  const int64_t newest_ = server_.NewestPeriod();
};

TEST_F(ScrapersOnTheSimulator, BulletinPagesGiveAllFourPagesOldestFirst) {
  EXPECT_EQ(ScrapeBulletinPages(),
            ThirteenWords(server_.Draws(), newest_ - 4 * sim::kBulletinRowsPerPage + 1, newest_));
}

TEST_F(ScrapersOnTheSimulator, DrawPageGivesItsDrawsOldestFirst) {
  EXPECT_EQ(ScrapeDrawPage(), ThirteenWords(server_.Draws(), newest_ - sim::kDrawPageRows + 1, newest_));
  EXPECT_EQ(TakeLibraryMessage(), "");
}

TEST_F(ScrapersOnTheSimulator, DayDrawListGivesPeriodAndNumbersPerDraw) {
  const auto dayText = [this](DateTime day, int draws) {
    std::string text;
    for (int slot = 0; slot < draws; ++slot) {
      const int64_t period = sim::DrawStream::PeriodOf(day, slot);
      text += (text.empty() ? "" : " ") + std::to_string(period);
      for (int number : server_.Draws().At(period).numbers) text += " " + TwoDigits(number);
    }
    return text;
  };
  EXPECT_EQ(ScrapeDayDrawList("2026-02-27"), dayText(MakeDateTime(2026, 2, 27), 179));
  EXPECT_EQ(ScrapeDayDrawList("2026-03-01"), dayText(kStart, 12));
  EXPECT_EQ(ScrapeDayDrawList("2026-03-02"), "");
}

TEST_F(ScrapersOnTheSimulator, NewestDrawWithTheServerDate) {
  std::mt19937 random(1);
  std::string numbers;
  for (int number : server_.Draws().At(newest_).numbers) numbers += TwoDigits(number) + " ";
  const int champion = server_.Draws().At(newest_).numbers[0];
  EXPECT_EQ(ScrapeNewestDraw(random), numbers + std::to_string(champion % 10) + " " + std::to_string(newest_) +
                                          "  |Sun, 01 Mar 2026 02:03:10");
  // A service a period ahead is reported as it is; the program judges the period.
  server_.SetFailure("/pk10/ajax", FailMode::Skip);
  EXPECT_NE(ScrapeNewestDraw(random).find(" " + std::to_string(newest_ + 1) + "  |"), std::string::npos);
}

TEST_F(ScrapersOnTheSimulator, FailedSourcesGiveEmptyText) {
  for (const FailMode mode : {FailMode::Refuse, FailMode::Error500, FailMode::Truncate, FailMode::Garbage}) {
    const std::string name(sim::FailModeName(mode));
    for (const char* path : {"/pk10/kaijiang/", "/bulletin/trax.html", "/lottery/draw/list/557", "/pk10/ajax"}) {
      server_.SetFailure(path, mode);
    }
    std::mt19937 random(1);
    EXPECT_EQ(ScrapeBulletinPages(), "") << name;
    EXPECT_EQ(ScrapeDayDrawList("2026-02-27"), "") << name;
    EXPECT_EQ(ScrapeNewestDraw(random), "") << name;
    EXPECT_EQ(ScrapeDrawPage(), "") << name;
    // The draw page's failure is the one the library tells the user about.
    EXPECT_EQ(TakeLibraryMessage(), "获取失败，请重新获取！") << name;
    EXPECT_EQ(TakeLibraryMessage(), "");
  }
}

// Serves fixed pages: the path with its query, if any, names the page.
using Pages = std::map<std::string, std::string>;

class PageServer {
 public:
  explicit PageServer(Pages pages) : pages_(std::move(pages)) {
    server_.Get(".*", [this](const httplib::Request& request, httplib::Response& response) {
      std::string target = request.path;
      for (const auto& [key, value] : request.params) target += (target == request.path ? "?" : "&") + key + "=" + value;
      const auto page = pages_.find(target);
      if (page == pages_.end()) {
        response.status = 404;
        return;
      }
      response.set_header("Date", "Wed, 01 May 2024 01:12:40 GMT");
      response.set_content(page->second, "text/html; charset=utf-8");
    });
    port_ = server_.bind_to_any_port("127.0.0.1");
    thread_ = std::thread([this] { server_.listen_after_bind(); });
    SetScraperSources(WebSources::AllAt("http://127.0.0.1:" + std::to_string(port_)));
  }
  ~PageServer() {
    SetScraperSources(WebSources::Defaults());
    server_.stop();
    thread_.join();
  }

 private:
  std::map<std::string, std::string> pages_;
  httplib::Server server_;
  std::thread thread_;
  int port_ = 0;
};

TEST(ScrapersOnOtherMarkup, DrawPage) {
  // Windows line ends, single quotes, other tags and attributes, a period with letters
  // around it, a row short of numbers (skipped) and a table after the first one.
  const std::string row1 =
      "<tr class='r'>\r\n <td> <p class=\"p\" title='期'>2024050109</p> </td>\r\n <td>"
      "<em class='pk-no1'></em><em class='pk-no10'></em><em class='pk-no2'></em><em class='pk-no3'></em>"
      "<em class='pk-no4'></em><em class='pk-no5'></em><em class='pk-no6'></em><em class='pk-no7'></em>"
      "<em class='pk-no8'></em><em class='pk-no9'></em></td></tr>\r\n";
  const std::string shortRow = "<tr><td><p class=\"p\">2024050108</p></td><td><em class='pk-no1'></em></td></tr>\r\n";
  const std::string row2 =
      "<tr class='r'>\r\n <td> <p class=\"p\">2024050107</p> </td>\r\n <td>"
      "<b class=\"pk-no7\">7</b><b class=\"pk-no6\">6</b><b class=\"pk-no5\">5</b><b class=\"pk-no4\">4</b>"
      "<b class=\"pk-no3\">3</b><b class=\"pk-no2\">2</b><b class=\"pk-no1\">1</b><b class=\"pk-no10\">10</b>"
      "<b class=\"pk-no9\">9</b><b class=\"pk-no8\">8</b></td></tr>\r\n";
  PageServer server(Pages{{"/pk10/kaijiang/",
                      "<html><body><h3>今日开奖</h3>\r\n<table><tr><th>期号</th><th>开奖号码</th></tr>\r\n" + row1 +
                          shortRow + row2 + "</table>\r\n<table><tr><td><p class=\"p\">999</p></td></tr></table>"
                          "</body></html>"}});
  EXPECT_EQ(ScrapeDrawPage(),
            "07 06 05 04 03 02 01 10 09 08  2024050107  "
            "01 10 02 03 04 05 06 07 08 09  2024050109  ");
}

TEST(ScrapersOnOtherMarkup, BulletinPagesInPageOrder) {
  const auto page = [](const std::string& rows) {
    return "<table class=\"k\">\n<tr\tclass=\"t\"><td>期号</td><td>号码</td><td>开奖时间</td></tr>\n" + rows +
           "</table>\n<p>共 4 页记录</p>";
  };
  const auto row = [](const std::string& period, const std::string& numbers) {
    return "<tr\tclass=\"a\" onclick=\"show()\">\n\t<td align=\"center\">" + period + "</td><td>" + numbers +
           "</td><td>2024-05-01 09:07</td>\n</tr>\n";
  };
  PageServer server(Pages{
      {"/bulletin/trax.html?page=1", page(row("108", "1,2,3,4,5,6,7,8,9,10") + row("107", "10,9,8,7,6,5,4,3,2,1"))},
      {"/bulletin/trax.html?page=2", page(row("106", "3,7,1,10,5,2,9,4,6,8") + row("105", "1,2,3"))},
      // Page 3 cannot be read; page 4 has one row.
      {"/bulletin/trax.html?page=4", page(row("104", "02,01,03,04,05,06,07,08,09,10"))},
  });
  EXPECT_EQ(ScrapeBulletinPages(),
            "02 01 03 04 05 06 07 08 09 10  104  "
            "3 7 1 10 5 2 9 4 6 8  106  "
            "10 9 8 7 6 5 4 3 2 1  107  "
            "1 2 3 4 5 6 7 8 9 10  108  ");
}

TEST(ScrapersOnOtherMarkup, DayDrawList) {
  const std::string balls = "<i class=\"ball_1\">3</i><i class=\"ball_1\">07</i><i class=\"ball_1\">1</i>"
                            "<i class=\"ball_1\">10</i><i class=\"ball_1\">5</i><i class=\"ball_1\">2</i>"
                            "<i class=\"ball_1\">9</i><i class=\"ball_1\">4</i><i class=\"ball_1\">6</i>"
                            "<i class=\"ball_1\">8</i>";
  PageServer server(Pages{
      {"/lottery/draw/list/557?d=2024-05-01",
       "<div class=\"sum\">本期销量 统计</div>\r\n<dl>\r\n"
       "<dt class = \"td2\">733002</dt> <dd>" + balls + " <em>12,000</em></dd>\r\n"
       "<dt class = \"td2\">733001</dt> <dd>" + balls + "</dd>\r\n"
       "<dt class = \"td2\">733000</dt> <dd><i class=\"ball_1\">1</i></dd>\r\n"
       "</dl>\r\n<a class=\"buybtn clear\"><i class=\"ball_1\">x</i></a>"},
      {"/lottery/draw/list/557?d=2024-05-02", "<div>暂无数据</div>"},
  });
  EXPECT_EQ(ScrapeDayDrawList("2024-05-01"), "733001 3 07 1 10 5 2 9 4 6 8 733002 3 07 1 10 5 2 9 4 6 8");
  EXPECT_EQ(ScrapeDayDrawList("2024-05-02"), "");
  EXPECT_EQ(ScrapeDayDrawList("2024-05-03"), "");  // not found
}

TEST(ScrapersOnOtherMarkup, NewestDraw) {
  PageServer server(Pages{{"/pk10/ajax?ajaxhandler=GetPk10AwardData&t=0.2047286066771234",
                      "{\"time\":1,\"current\":{\"periodNumber\":\"733001\",\"awardTime\":\"2024-05-01 09:12:30\","
                      "\"awardNumbers\":\"10,2,3,4,5,6,7,8,9,1\"},\"next\":{\"periodNumber\":733002}}"}});
  // The random suffix is drawn from 1000..8000: find the generator state that gives 1234.
  std::mt19937 random;
  for (uint32_t seed = 0;; ++seed) {
    random.seed(seed);
    std::mt19937 probe(seed);
    if (std::uniform_int_distribution<int>(1000, 8000)(probe) == 1234) break;
  }
  EXPECT_EQ(ScrapeNewestDraw(random), "10 02 03 04 05 06 07 08 09 01 0 733001  |Wed, 01 May 2024 01:12:40");
}

// The built library, loaded as the program loads it and pointed at the simulator through
// the settings file.
TEST(CompanionLibraryWeb, ReadsTheSourcesOfTheSettingsFileAndPassesOnTheDrawPageMessage) {
  sim::SimServer server(sim::SimOptions{.seed = 5, .start = kStart, .speed = 0});
  server.Start();
  const std::string ini = ::testing::TempDir() + "history_scrapers_sources.ini";
  std::remove(ini.c_str());
  SaveWebSources(IniFile(ini), WebSources::AllAt(server.BaseAddress()));

  std::vector<std::string> messages;
  CompanionLibrary library(PKCALC_BIN_DIR, [&messages](const std::string& message) { messages.push_back(message); });
  library.SetSourceFile(ini);
  const int64_t newest = server.NewestPeriod();
  EXPECT_EQ(library.GetOldDate2(), ThirteenWords(server.Draws(), newest - 4 * sim::kBulletinRowsPerPage + 1, newest));
  EXPECT_EQ(library.GetOldDate("2026-03-02"), "");
  EXPECT_TRUE(library.UpdateNewDate().ends_with(" " + std::to_string(newest) + "  |Sun, 01 Mar 2026 02:03:10"));
  EXPECT_EQ(library.GetOldDate1(), ThirteenWords(server.Draws(), newest - sim::kDrawPageRows + 1, newest));
  EXPECT_TRUE(messages.empty());

  server.SetFailure("/pk10/kaijiang/", FailMode::Error500);
  EXPECT_EQ(library.GetOldDate1(), "");
  EXPECT_EQ(messages, std::vector<std::string>{"获取失败，请重新获取！"});
}

}  // namespace
}  // namespace pk
