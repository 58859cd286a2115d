#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "base/gbk.h"
#include "stats/event_log.h"
#include "stats/log_window.h"
#include "stats_test_support.h"

namespace pk {
namespace {

using test::StatsTest;
namespace fs = std::filesystem;

const std::string kHeader = "期号\t号码组合\t极限值\t当前值\t离散值\t备注\t\t记录时间\r\n";

std::string ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

struct EventLogTest : StatsTest {
  void SetUp() override { program.stats.LatestPeriod = "500010"; }

  UiWindow& LogWindow() { return program.ui().Window(kLogWindow); }
  ReportListModel& List() { return LogWindow().Get<ReportListModel>(kLogList); }
  std::string CountLabel() { return LogWindow().Get<LabelModel>(kLogCountLabel).Text(); }
  void SetDateBox(const std::string& text) { Main().Get<EditModel>("日期框").SetText(text); }
  fs::path LogFile(const std::string& name) { return fs::path(home.Path()) / "log" / name; }

  // The hot-number row and then the given rows.
  void Recommend(const std::vector<RecommendationRowTexts>& rows) {
    program.stats.Recommendations = {{"370", "", "", "", "百期热码"}};
    program.stats.Recommendations.insert(program.stats.Recommendations.end(), rows.begin(), rows.end());
    program.stats.RecommendationRow = static_cast<int32_t>(program.stats.Recommendations.size());
  }
};

TEST_F(EventLogTest, DayFileGetsTheHeaderOnceAndGbkLinesWithTwoTabsBeforeTheTime) {
  SetDateBox("2013-11-01");
  program.app.Clock.SetServerTime(MakeDateTime(2013, 11, 1, 10, 5, 30));
  Recommend({{"12", "9", "3", "6", "二码遗漏"}, {"买：1234", "", "", "", "天空九码"}});

  LogRecommendations(program);

  const std::string first = "500011\t12\t9\t3\t6\t二码遗漏\t\t2013-11-01 10:05:30\r\n"
                            "500011\t买：1234\t\t\t\t天空九码\t\t2013-11-01 10:05:30\r\n";
  const std::string bytes = ReadBytes(LogFile("2013-11-01.txt"));
  EXPECT_EQ(bytes, Utf8ToGbk(kHeader + first));
  EXPECT_EQ(bytes.substr(0, 4), "\xC6\xDA\xBA\xC5");  // "期号" in GBK

  program.stats.LatestPeriod = "500011";
  program.app.Clock.SetServerTime(MakeDateTime(2013, 11, 1, 10, 10, 31));
  Recommend({{"345", "8", "8", "0", "三码遗漏"}});
  LogRecommendations(program);

  EXPECT_EQ(ReadBytes(LogFile("2013-11-01.txt")),
            Utf8ToGbk(kHeader + first + "500012\t345\t8\t8\t0\t三码遗漏\t\t2013-11-01 10:10:31\r\n"));
  ASSERT_EQ(List().ItemCount(), 3);
  EXPECT_EQ(List().ItemTexts(2),
            (std::vector<std::string>{"500012", "345", "8", "8", "0", "三码遗漏", "2013-11-01 10:10:31"}));
  EXPECT_EQ(List().Snapshot().visible_item_request, 2);
  EXPECT_EQ(CountLabel(), "记录数：3");
}

TEST_F(EventLogTest, OldLinesOfTheDayFileStayByteForByte) {
  SetDateBox("2013-11-01");
  fs::create_directories(LogFile("").parent_path());
  const std::string old = "\xC6\xDA\xBA\xC5 \x80\xFF odd bytes\n";
  std::ofstream(LogFile("2013-11-01.txt"), std::ios::binary) << old;
  program.app.Clock.SetServerTime(MakeDateTime(2013, 11, 1, 9, 0, 0));
  Recommend({{"12", "9", "3", "6", "二码遗漏"}});

  LogRecommendations(program);

  EXPECT_EQ(ReadBytes(LogFile("2013-11-01.txt")),
            old + Utf8ToGbk("500011\t12\t9\t3\t6\t二码遗漏\t\t2013-11-01 09:00:00\r\n"));
}

TEST_F(EventLogTest, OnlyTheHotRowLogsNothingButUpdatesTheLabel) {
  SetDateBox("2013-11-01");
  LogWindow().Get<LabelModel>(kLogCountLabel).SetText("");
  Recommend({});

  LogRecommendations(program);

  EXPECT_FALSE(fs::exists(LogFile("2013-11-01.txt")));
  EXPECT_EQ(List().ItemCount(), 0);
  EXPECT_EQ(CountLabel(), "记录数：0");
}

TEST_F(EventLogTest, DayFileNameFallsBackToTheClockUnlessTheDateBoxHoldsAPlainDate) {
  platform.SetComputerClock(MakeDateTime(2015, 6, 7, 23, 59, 58));
  SetDateBox("");
  EXPECT_EQ(DayLogFileName(program), "2015-06-07.txt");  // no server answer yet

  // Before any server answer the record time is the computer's too.
  Recommend({{"12", "9", "3", "6", "二码遗漏"}});
  LogRecommendations(program);
  EXPECT_EQ(ReadBytes(LogFile("2015-06-07.txt")),
            Utf8ToGbk(kHeader + "500011\t12\t9\t3\t6\t二码遗漏\t\t2015-06-07 23:59:58\r\n"));

  program.app.Clock.SetServerTime(MakeDateTime(2014, 3, 2, 0, 0, 5));
  const struct {
    std::string box, file;
  } cases[] = {
      {"", "2014-03-02.txt"},
      {"2013-11-01", "2013-11-01.txt"},
      {"../../x", "2014-03-02.txt"},
      {"2013/11/01", "2014-03-02.txt"},
      {"..", "2014-03-02.txt"},
      {"2013-11-01\n", "2014-03-02.txt"},
      {"-", "2014-03-02.txt"},
  };
  for (const auto& c : cases) {
    SetDateBox(c.box);
    EXPECT_EQ(DayLogFileName(program), c.file) << c.box;
  }
}

TEST_F(EventLogTest, ExportPadsShortFieldsAndWritesGbkToTheChosenFile) {
  SetDateBox("2013-11-01");
  program.app.Clock.SetServerTime(MakeDateTime(2013, 11, 1, 10, 5, 30));
  Recommend({{"12", "9", "5", "", "二码遗漏"}, {"买：1234", "", "", "", "天空九码"}});
  LogRecommendations(program);
  const std::string target = (fs::path(home.Path()) / "export.txt").string();
  platform.QueueSavePath(target);

  LogWindow().Get<ButtonModel>(kLogExportButton).Click();

  EXPECT_EQ(ReadBytes(target),
            Utf8ToGbk(kHeader +
                      "500011\t12    \t9    \t5    \t    \t二码遗漏\t\t2013-11-01 10:05:30\r\n"
                      "500011\t买：1234\t    \t    \t    \t天空九码\t\t2013-11-01 10:05:30\r\n"));
  const auto requests = platform.SaveRequests();
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_EQ(requests[0].filter, "文本文件（.txt）|*.txt");
  EXPECT_EQ(requests[0].defaultExtension, ".txt");
  EXPECT_EQ(fs::path(requests[0].startFolder), fs::absolute(home.Path()));

  // A cancelled dialog writes nothing.
  fs::remove(target);
  ExportLog(program);
  EXPECT_FALSE(fs::exists(target));
}

TEST_F(EventLogTest, LogWindowHidesOnCloseAndShowsTheSameRowsAgain) {
  WindowModel& window = LogWindow().Model();
  EXPECT_EQ(window.Caption(), "日志记录");
  EXPECT_FALSE(window.Visible());
  Recommend({{"12", "9", "3", "6", "二码遗漏"}});
  LogRecommendations(program);

  EXPECT_TRUE(Main().ChooseMenu("日志记录"));
  EXPECT_TRUE(window.Visible());
  EXPECT_FALSE(window.RequestClose());
  EXPECT_FALSE(window.Visible());
  EXPECT_TRUE(Main().ChooseMenu("日志记录"));
  EXPECT_TRUE(window.Visible());
  EXPECT_EQ(List().ItemCount(), 1);
  const auto columns = List().Columns();
  ASSERT_EQ(columns.size(), 7u);
  EXPECT_EQ(columns[4], (ListColumn{"离散", 0, Align::Left}));
  EXPECT_EQ(columns[6], (ListColumn{"记录时间", 130, Align::Left}));
}

}  // namespace
}  // namespace pk
