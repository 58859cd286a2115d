// The simulator's failure switches on the routes automatic mode does not cover: the day
// fetch and the history update through the companion library, the online bulletin with
// the update check, and the kill feed. The program goes on, tells the user in its own
// words, and once the source answers again brings in every draw exactly once.
#include <chrono>
#include <filesystem>
#include <memory>

#include "../e2e/e2e_fixture.h"
#include "acquire/online_bulletin.h"
#include "app/companion_library.h"
#include "base/numbers.h"
#include "base/page_fetcher.h"
#include "store/draw_store.h"
#include "store/statements.h"
#include "store/store_files.h"
#include "workshop/extremes_window.h"
#include "support/staged_periods.h"

namespace pk {
namespace {

using namespace std::chrono_literals;

// The modes every source meets; "hang" is left to the tests that shorten the client's wait.
const std::vector<sim::FailMode> kBrokenAnswers = {sim::FailMode::Refuse, sim::FailMode::Error500,
                                                   sim::FailMode::Truncate, sim::FailMode::Garbage};

struct WebFaultsTest : test::SimFixture {
  bool Shown(const std::string& text) {
    for (const auto& message : platform.Messages())
      if (message.text == text) return true;
    return false;
  }
};

TEST_F(WebFaultsTest, DayFetchTellsTheUserAndTheRetryLoadsTheDay) {
  for (sim::FailMode mode : kBrokenAnswers) {
    server.SetFailure("/bulletin/trax.html", mode);
    server.SetFailure("/pk10/kaijiang/", mode);
    DayFetch();
    const char* name = sim::FailModeName(mode).data();
    EXPECT_TRUE(program->history.empty()) << name;
    EXPECT_TRUE(Shown("获取数据失败，请重新获取！")) << name;
    EXPECT_TRUE(Main().Get<ButtonModel>("按钮_获取数据").Enabled()) << name;
    EXPECT_TRUE(Main().Get<ButtonModel>("按钮_自动").Enabled()) << name;
    server.ClearFailures();
  }
  // The bulletin pages broken, the draw page whole but padded to 50 MB: its 179 draws.
  server.SetFailure("/bulletin/trax.html", sim::FailMode::Garbage);
  server.SetFailure("/pk10/kaijiang/", sim::FailMode::Huge);
  DayFetch();
  EXPECT_EQ(program->history.size(), 179u);
  ExpectHistoryMatchesSimulator();
  EXPECT_EQ(NewestHeld(), server.NewestPeriod());

  server.ClearFailures();
  DayFetch();
  EXPECT_EQ(program->history.size(), 200u);  // four bulletin pages of 50
  ExpectHistoryMatchesSimulator();
}

// A draw published while the day fetch reads the bulletin's pages one after another
// shifts the later pages by one: the draw at the seam comes twice in a row.
TEST_F(WebFaultsTest, ADrawAtThePagesSeamIsHeldOnce) {
  std::vector<test::TestDraw> draws;
  for (int64_t p = 123450; p <= 123456; ++p) draws.push_back({std::to_string(p), test::Rotated(static_cast<int>(p % 10))});
  draws.insert(draws.begin() + 4, draws[3]);  // 123453 twice
  {
    std::lock_guard lock(program->drawLock);
    ASSERT_TRUE(LoadDayAnswer(*program, test::DayAnswerOf(draws)));
  }
  ASSERT_EQ(program->history.size(), 7u);
  for (size_t i = 0; i < 7; ++i) EXPECT_EQ(program->history[i][kPeriodColumn], std::to_string(123450 + i));
}

// The companion library waits out a silent source with the routine's real 18 seconds.
TEST_F(WebFaultsTest, DayFetchGivesUpOnASilentSourceAfterEighteenSeconds) {
  server.SetHangLimit(30s);
  server.SetFailure("/bulletin/trax.html", sim::FailMode::Refuse);
  server.SetFailure("/pk10/kaijiang/", sim::FailMode::Hang);
  const auto started = std::chrono::steady_clock::now();
  DayFetch();
  const auto waited = std::chrono::steady_clock::now() - started;
  EXPECT_GE(waited, 17s);
  EXPECT_LT(waited, 28s);
  EXPECT_TRUE(Shown("获取数据失败，请重新获取！"));
  EXPECT_TRUE(program->history.empty());
}

TEST_F(WebFaultsTest, BulletinAndUpdateCheckSurviveEveryFailure) {
  SetPageFetcherTimeout(2s);
  server.SetHangLimit(4s);
  std::vector<sim::FailMode> modes = kBrokenAnswers;
  modes.push_back(sim::FailMode::Hang);
  const DateTime before = MakeDateTime(2026, 3, 1, 9, 0, 0);
  for (sim::FailMode mode : modes) {
    const char* name = sim::FailModeName(mode).data();
    server.SetFailure("/pkcalc/notice.html", mode);
    // The start-up read: the server clock stays, or follows the answer's own "Date:".
    program->app.Clock.SetServerTime(before);
    const std::string date = FetchBulletin(*program);
    EXPECT_TRUE(date.empty() || date == "2026-03-01") << name;
    EXPECT_TRUE(program->app.Clock.ServerTime() == before || program->app.Clock.ServerTime() == server.Now()) << name;
    platform.QueueAnswer(MessageAnswer::Yes);  // a wrong question would end the program
    CheckForUpdate(*program);
    EXPECT_TRUE(Shown("无法获取最新版本信息，请稍后再试！")) << name;
    EXPECT_EQ(platform.EndRequests(), 0) << name;
    server.ClearFailures();
  }
  // A page padded to 50 MB is read whole.
  server.SetFailure("/pkcalc/notice.html", sim::FailMode::Huge);
  program->app.Clock.SetServerTime(before);
  EXPECT_EQ(FetchBulletin(*program), "2026-03-01");
  EXPECT_EQ(program->app.Clock.ServerTime(), server.Now());
  SetPageFetcherTimeout(18s);
}

TEST_F(WebFaultsTest, KillFeedKeepsItsLastGridThroughEveryFailure) {
  SetPageFetcherTimeout(2s);
  server.SetHangLimit(4s);
  GridModel& grid = Main().Get<GridModel>("高级表格_杀一码");
  Main().Get<ButtonModel>("按钮_九码一刷新").Click();
  program->workers.WaitIdle();
  const std::string coming = grid.CellText(100, 0);
  ASSERT_EQ(coming, std::to_string(server.NewestPeriod() + 1));
  std::vector<sim::FailMode> modes = kBrokenAnswers;
  modes.push_back(sim::FailMode::Hang);
  for (sim::FailMode mode : modes) {
    server.SetFailure("//ajax/shahao/PK10/100/n1", mode);
    Main().Get<ButtonModel>("按钮_九码一刷新").Click();
    program->workers.WaitIdle();
    EXPECT_EQ(grid.CellText(100, 0), coming) << sim::FailModeName(mode);
    EXPECT_EQ(grid.CellText(99, 0), std::to_string(server.NewestPeriod())) << sim::FailModeName(mode);
  }
  EXPECT_TRUE(platform.Messages().empty());
  SetPageFetcherTimeout(18s);
}

struct HistoryUpdateFaultsTest : WebFaultsTest {
  std::unique_ptr<ExtremesWorkshop> workshop;

  void SetUp() override {
    WebFaultsTest::SetUp();
    program->companion().SetSourceFile(SettingsFilePath(home.Path()));
    program->app.Clock.SetServerTime(server.Now());
    workshop = std::make_unique<ExtremesWorkshop>(*program);
    ASSERT_TRUE(workshop->Open());
  }
  void TearDown() override {
    workshop.reset();
    WebFaultsTest::TearDown();
  }
  void StoreOnly(int64_t period) {
    ASSERT_EQ(workshop->staging()->Execute(ClearDraws()), 1);
    ASSERT_EQ(workshop->staging()->Run(InsertFetchedDraw(std::vector<std::string>{std::to_string(period), "01", "02", "03", "04", "05", "06",
                                                          "07", "08", "09", "10"})),
              StatementResult::Succeeded);
  }
  std::vector<int64_t> StoredPeriods() { return test::StagedPeriods(home.Path()); }
  void Update() {
    workshop->window().Get<ButtonModel>("按钮_演算极限更新").Click();
    workshop->WaitForJobs();
  }
};

TEST_F(HistoryUpdateFaultsTest, ABrokenDayListInsertsNothingAndTheNextUpdateHasNoGap) {
  const int64_t last = server.NewestPeriod() - 250;
  StoreOnly(last);
  for (sim::FailMode mode : kBrokenAnswers) {
    server.SetFailure("/lottery/draw/list/557", mode);
    Update();
    const char* name = sim::FailModeName(mode).data();
    EXPECT_EQ(StoredPeriods(), std::vector<int64_t>{last}) << name;
    EXPECT_TRUE(Shown("未找到开奖数据，请稍后再试！")) << name;
    EXPECT_EQ(workshop->window().Get<LabelModel>("透明标签_更新").Text(), "演算极限前，请先更新数据库！") << name;
    server.ClearFailures();
  }
  // Padded pages still hold their draws; then nothing new arrives twice.
  server.SetFailure("/lottery/draw/list/557", sim::FailMode::Huge);
  Update();
  server.ClearFailures();
  Update();
  const std::vector<int64_t> periods = StoredPeriods();
  ASSERT_EQ(periods.size(), 251u);
  for (size_t i = 0; i < periods.size(); ++i) ASSERT_EQ(periods[i], last + static_cast<int64_t>(i));
}

}  // namespace
}  // namespace pk
