// Hostile pages on every route that brings text from the web: periods and numbers that
// carry SQL, path separators, control characters, overlong texts or broken encodings must
// reach neither a statement nor a file name, and must leave the stores as they were.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "../acquire/acquire_fixture.h"
#include "../acquire/page_server.h"
#include "acquire/live_feed.h"
#include "app/program.h"
#include "app/recording_platform.h"
#include "app/ui/ui_models.h"
#include "base/ini.h"
#include "base/web_sources.h"
#include "plans/kill_feed_plan.h"
#include "settings/settings_file.h"
#include "stats/event_log.h"
#include "store/draw_store.h"
#include "store/statement_log.h"
#include "store/statements.h"
#include "store/store_files.h"
#include "support/temp_home.h"
#include "workshop/extremes_window.h"

namespace pk {
namespace {

namespace fs = std::filesystem;

struct Hostile {
  const char* what;
  std::string text;
};

// Every hostile text a page may carry where a period or a number belongs.
const std::vector<Hostile>& HostileTexts() {
  static const std::vector<Hostile> texts = {
      {"sql", "1');DELETE FROM PK10date;--"},
      {"sql in quotes", "123457' OR '1'='1"},
      {"path", "../../pkcalc-hostile-x"},
      {"absolute path", "/tmp/pkcalc-hostile-x"},
      {"control characters", "1234\r\n57\t\x01\x1b[2J"},
      {"nul and line feed", std::string("12345\0\n7", 8)},
      {"overlong digits", std::string(5000, '7')},
      {"overlong text", std::string(200000, 'A')},
      {"invalid utf-8", "\xff\xfe\xc3\x28\xa0\xa1"},
      {"broken gbk", "\x81\x20\xfe\xff\x80"},
  };
  return texts;
}

const char* const kPositions[] = {"03", "07", "01", "10", "05", "02", "09", "04", "06", "08"};

struct HostileInputTest : testing::Test {
  test::TempHome home;
  test::PageServer server;
  RecordingPlatform platform;
  std::unique_ptr<Program> program;

  void SetUp() override {
    SaveWebSources(IniFile(SettingsFilePath(home.Path())), WebSources::AllAt(server.Base()));
    program = std::make_unique<Program>(platform, home.Path());
  }
  void TearDown() override {
    program->workers.WaitIdle();
    program.reset();
  }

  UiWindow& Main() { return program->ui().Window("MainWindow"); }

  // No statement the program ran holds the hostile text or anything it smuggles in.
  void ExpectNoStatementCarries(const Hostile& hostile) {
    for (const std::string& statement : program->statements().Texts()) {
      EXPECT_EQ(statement.find(hostile.text.substr(0, 12)), std::string::npos) << hostile.what << ": " << statement;
      EXPECT_EQ(statement.find("DELETE"), std::string::npos) << hostile.what << ": " << statement;
      EXPECT_EQ(statement.find("--"), std::string::npos) << hostile.what << ": " << statement;
    }
  }
  // Only the program's own files exist, each under its own name, and nothing outside.
  void ExpectOnlyOwnFiles(const Hostile& hostile) {
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(home.Path())) {
      const std::string relative = fs::relative(entry.path(), home.Path()).string();
      const bool own = relative == "UserDestop.ini" || relative == "date.dat" || relative == "PK10date_new.dll" ||
                       relative == "log" ||
                       (relative.starts_with("log/") && relative.size() == 18 && relative.ends_with(".txt") &&
                        relative.find_first_not_of("0123456789-", 4) == 14);
      EXPECT_TRUE(own) << hostile.what << ": " << relative;
    }
    const fs::path parent = fs::path(home.Path()).parent_path();
    EXPECT_FALSE(fs::exists(parent / "pkcalc-hostile-x")) << hostile.what;
    EXPECT_FALSE(fs::exists(parent.parent_path() / "pkcalc-hostile-x")) << hostile.what;
    EXPECT_FALSE(fs::exists("/tmp/pkcalc-hostile-x")) << hostile.what;
  }
  // The day's draws as the operator's bulletin writes them, newest first; `period` and
  // `number` replace the newest row's period and second number.
  std::string BulletinWith(const std::string& period, const std::string& number, int64_t newest) {
    std::vector<std::pair<std::string, std::string>> rows;
    for (int64_t p = newest; p > newest - 20; --p) {
      std::string numbers;
      for (int i = 0; i < 10; ++i) {
        const std::string car = (p == newest && i == 1) ? number : kPositions[(i + p) % 10];
        numbers += (i ? "," : "") + car;
      }
      rows.emplace_back(p == newest ? period : std::to_string(p), numbers);
    }
    return test::BulletinPageOfRows(rows);
  }
  void LoadHistory(int64_t newest) {
    std::vector<test::TestDraw> draws;
    for (int64_t p = newest - 5; p <= newest; ++p) draws.push_back({std::to_string(p), test::Rotated(static_cast<int>(p % 10))});
    std::lock_guard lock(program->drawLock);
    ASSERT_TRUE(LoadDayAnswer(*program, test::DayAnswerOf(draws)));
  }
  std::vector<std::string> HeldPeriods() {
    std::vector<std::string> periods;
    for (const DrawRecord& row : program->history) periods.push_back(row[kPeriodColumn]);
    return periods;
  }
};

TEST_F(HostileInputTest, DayFetchRefusesTheWholeAnswer) {
  server.Set("/pk10/kaijiang/", {"<html>no draws here</html>"});
  for (const Hostile& hostile : HostileTexts()) {
    for (const bool inPeriod : {true, false}) {
      server.Set("/bulletin/trax.html", {inPeriod ? BulletinWith(hostile.text, "07", 123460)
                                                  : BulletinWith("123460", hostile.text, 123460)});
      Main().Get<ButtonModel>("按钮_获取数据").Click();
      program->workers.WaitIdle();
      for (const DrawRecord& row : program->history) {
        EXPECT_TRUE(row[kPeriodColumn].find_first_not_of("0123456789") == std::string::npos) << hostile.what;
        for (int p = 1; p <= 10; ++p) EXPECT_LE(row[p].size(), 2u) << hostile.what;
      }
      ExpectNoStatementCarries(hostile);
      ExpectOnlyOwnFiles(hostile);
    }
  }
}

TEST_F(HostileInputTest, LiveFeedAndBulletinCatchUpAppendNothingHostile) {
  LoadHistory(123456);
  for (const Hostile& hostile : HostileTexts()) {
    // The JSON service names the hostile period, or the next period with a hostile number;
    // the bulletin page then offers the same in its newest row.
    for (const bool inPeriod : {true, false}) {
      const std::string numbers = inPeriod ? "4,5,6,7,8,9,10,1,2,3" : "4," + hostile.text + ",6,7,8,9,10,1,2,3";
      server.Set("/pk10/ajax", {"{\"current\":{\"periodNumber\":" + (inPeriod ? hostile.text : std::string("123457")) +
                                ",\"awardTime\":\"2014-03-01 10:02:30\",\"awardNumbers\":\"" + numbers + "\"},\"next\":{}}"});
      server.Set("/bulletin/trax.html", {inPeriod ? BulletinWith(hostile.text, "07", 123457)
                                                  : BulletinWith("123457", hostile.text, 123457)});
      LiveFeedStep(*program);
      program->workers.WaitIdle();
      ASSERT_EQ(HeldPeriods().back(), "123456") << hostile.what;
      EXPECT_EQ(program->stats.LatestPeriod, "123456") << hostile.what;
      ExpectNoStatementCarries(hostile);
      ExpectOnlyOwnFiles(hostile);
    }
  }
  EXPECT_TRUE(platform.Messages().empty());
}

TEST_F(HostileInputTest, KillFeedCodesNeverBreakTheDayLog) {
  LoadHistory(123456);
  for (const Hostile& hostile : HostileTexts()) {
    // Source 1 missed in each of the last periods, so its coming kill code is recommended
    // and logged.
    std::string feed = "{";
    for (int item = 1; item <= 100; ++item) {
      feed += "\"" + std::to_string(123356 + item) + "\":{\"LotteryResult\":\"03,07,01,10,05,02,09,04,06,08\",\"KillNum\":{";
      for (int source = 1; source <= 10; ++source) {
        const std::string code = (item == 100 && source == 1) ? hostile.text : std::to_string(source);
        feed += (source > 1 ? "," : "") + std::string("\"") + std::to_string(source) + "\":{\"Num\":\"" + code +
                "\",\"Check\":" + (source == 1 ? "0" : "1") + "}";
      }
      feed += "}}" + std::string(item < 100 ? "," : "}");
    }
    server.Set("//ajax/shahao/PK10/100/n1", {feed});
    {
      std::lock_guard lock(program->drawLock);
      program->stats.Recommendations.assign(1, {"12", "", "", "", "hot"});  // the hot-number row, never logged
      RunKillFeedPlan(*program);
      LogRecommendations(*program);
    }
    ExpectNoStatementCarries(hostile);
    ExpectOnlyOwnFiles(hostile);
  }
  // Every line of the day log is one logged row: seven fields, two tabs before the time.
  const fs::path log = fs::path(home.Path()) / "log";
  ASSERT_TRUE(fs::exists(log));
  for (const fs::directory_entry& file : fs::directory_iterator(log)) {
    std::ifstream in(file.path(), std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    size_t lines = 0;
    for (size_t start = 0, end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2, ++lines) {
      const std::string line = bytes.substr(start, end - start);
      EXPECT_EQ(std::count(line.begin(), line.end(), '\t'), 7) << line.substr(0, 80);
      EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << line.substr(0, 80);
    }
    EXPECT_GT(lines, HostileTexts().size());
    EXPECT_TRUE(bytes.ends_with("\r\n"));
  }
}

TEST_F(HostileInputTest, HistoryUpdateInsertsOnlyPlainDraws) {
  ExtremesWorkshop workshop(*program);
  ASSERT_TRUE(workshop.Open());
  ASSERT_EQ(workshop.staging()->Execute(ClearDraws()), 1);
  ASSERT_EQ(workshop.staging()->Run(InsertFetchedDraw(std::vector<std::string>{"123456", "01", "02", "03", "04", "05", "06", "07", "08", "09", "10"})),
            StatementResult::Succeeded);
  program->app.Clock.SetServerTime(MakeDateTime(2014, 3, 1, 10, 3, 10));
  for (const Hostile& hostile : HostileTexts()) {
    for (const bool inPeriod : {true, false}) {
      // The day's list: the next period (hostile, or with a hostile number), then a plain one.
      std::string page = "<table><tr><th>期号</th><th>本期销量</th></tr>";
      for (int64_t p = 123458; p >= 123457; --p) {
        const bool bad = p == 123457;
        page += "<tr><td class=\"td2\">" + (bad && inPeriod ? hostile.text : std::to_string(p)) + "</td><td>";
        for (int i = 0; i < 10; ++i)
          page += "<span class=\"ball_1\">" + std::string(bad && !inPeriod && i == 1 ? hostile.text : kPositions[i]) + "</span>";
        page += "</td></tr>";
      }
      page += "</table><div class=\"buybtn clear\"></div>";
      server.Set("/lottery/draw/list/557", {page});
      workshop.window().Get<ButtonModel>("按钮_演算极限更新").Click();
      workshop.WaitForJobs();

      DrawStore staging(DataFilePath(home.Path(), kStagingFileName), kStagingPassword);
      TableSnapshot rows;
      ASSERT_TRUE(staging.ReadTable("PK10date", rows)) << hostile.what;
      for (size_t r = 0; r < rows.RowCount(); ++r) {
        EXPECT_EQ(rows.Text(r, "期号").find_first_not_of("0123456789"), std::string::npos) << hostile.what;
        EXPECT_LE(rows.Text(r, "二").size(), 2u) << hostile.what;
      }
      EXPECT_EQ(rows.RowCount(), 1u) << hostile.what;  // the hostile draw ends the run, as a gap does
      ExpectNoStatementCarries(hostile);
      ExpectOnlyOwnFiles(hostile);
    }
  }
}

}  // namespace
}  // namespace pk
