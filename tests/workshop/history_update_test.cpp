// The history update against the simulator, through the companion library the program
// loads: the staging table is brought up to the newest published period.
#include <gtest/gtest.h>

#include <filesystem>
#include <future>
#include <random>
#include <string>
#include <vector>

#include "app/companion_library.h"
#include "app/program.h"
#include "app/recording_platform.h"
#include "app/ui/ui_models.h"
#include "base/ini.h"
#include "base/numbers.h"
#include "base/web_sources.h"
#include "pk10sim/sim_server.h"
#include "store/draw_store.h"
#include "store/statements.h"
#include "store/store_files.h"
#include "workshop/extremes_window.h"
#include "support/staged_periods.h"

namespace pk {
namespace {

const DateTime kStart = MakeDateTime(2026, 3, 1, 10, 3, 10);

struct HistoryUpdateTest : testing::Test {
  std::filesystem::path home =
      std::filesystem::temp_directory_path() / ("pkcalc-update-" + std::to_string(std::random_device()()));
  RecordingPlatform platform;
  sim::SimServer server{sim::SimOptions{.seed = 9, .start = kStart, .speed = 0}};
  std::unique_ptr<Program> program;
  ExtremesWorkshop* workshop = nullptr;

  void SetUp() override {
    std::filesystem::create_directories(home);
    server.Start();
    const std::string ini = home.string() + "/UserDestop.ini";
    SaveWebSources(IniFile(ini), WebSources::AllAt(server.BaseAddress()));
    program = std::make_unique<Program>(platform, home.string());
    program->companion().SetSourceFile(ini);
    program->app.Clock.SetServerTime(server.Now());
    workshop = &program->extremesWorkshop();
    ASSERT_TRUE(workshop->Open());
  }
  void TearDown() override {
    program.reset();
    server.Stop();
    std::error_code ignored;
    std::filesystem::remove_all(home, ignored);
  }

  // The staging table cut to one draw of the given period.
  void StoreOnly(int64_t period) {
    ASSERT_EQ(workshop->staging()->Execute(ClearDraws()), 1);
    std::vector<std::string> draw = {std::to_string(period), "01", "02", "03", "04", "05",
                                     "06", "07", "08", "09", "10"};
    ASSERT_EQ(workshop->staging()->Run(InsertFetchedDraw(draw)), StatementResult::Succeeded);
  }
  std::vector<int64_t> StoredPeriods() { return test::StagedPeriods(home.string()); }
  void Update() {
    workshop->window().Get<ButtonModel>("按钮_演算极限更新").Click();
    workshop->WaitForJobs();
  }
  std::string LabelText(const char* name) { return workshop->window().Get<LabelModel>(name).Text(); }
  bool LockIsFree() {
    return std::async(std::launch::async, [&] {
             bool free = program->drawLock.try_lock();
             if (free) program->drawLock.unlock();
             return free;
           }).get();
  }
  static void ExpectConsecutive(const std::vector<int64_t>& periods, int64_t first, int64_t last) {
    ASSERT_EQ(periods.size(), static_cast<size_t>(last - first + 1));
    for (size_t i = 0; i < periods.size(); ++i) ASSERT_EQ(periods[i], first + static_cast<int64_t>(i)) << i;
  }
};

TEST_F(HistoryUpdateTest, BringsTheStagingTableToTheNewestPeriodOverSeveralDays) {
  const int64_t newest = server.NewestPeriod();
  const int64_t last = newest - 400;  // about two and a quarter days back
  StoreOnly(last);
  Update();
  const std::vector<int64_t> periods = StoredPeriods();
  ASSERT_EQ(periods.size(), 401u);
  for (size_t i = 0; i < periods.size(); ++i) ASSERT_EQ(periods[i], last + static_cast<int64_t>(i));
  EXPECT_EQ(LabelText("透明标签_更新"), "已获取完毕！");
  EXPECT_EQ(LabelText("透明标签1"), "获取完毕，请演算极限！");
  EXPECT_FALSE(workshop->window().Get<TimerModel>("时钟_更新数据库").Running());

  // A second update finds nothing new.
  Update();
  EXPECT_EQ(StoredPeriods().size(), 401u);
}

TEST_F(HistoryUpdateTest, StoppedWhileInsertingKeepsAConsecutivePrefixAndTheNextUpdateGoesOn) {
  const int64_t newest = server.NewestPeriod();
  const int64_t last = newest - 400;
  StoreOnly(last);
  workshop->state().afterDrawInserted = [&](int64_t inserted) {
    if (inserted == 150) workshop->StopJobs();
  };
  Update();
  workshop->state().afterDrawInserted = nullptr;

  ExpectConsecutive(StoredPeriods(), last, last + 150);
  EXPECT_TRUE(LockIsFree());
  EXPECT_EQ(LabelText("透明标签_更新"), "演算极限前，请先更新数据库！");
  EXPECT_FALSE(workshop->window().Get<TimerModel>("时钟_更新数据库").Running());
  EXPECT_EQ(workshop->window().Get<ProgressBarModel>("进度条_更新数据").Value(), 0);
  EXPECT_TRUE(platform.Messages().empty());

  Update();
  ExpectConsecutive(StoredPeriods(), last, newest);
  EXPECT_EQ(LabelText("透明标签_更新"), "已获取完毕！");
}

TEST_F(HistoryUpdateTest, ClicksWhileAnotherJobHoldsTheLockQueueTheirJobsAndReturn) {
  const int64_t newest = server.NewestPeriod();
  StoreOnly(newest - 60);
  ButtonModel& update = workshop->window().Get<ButtonModel>("按钮_演算极限更新");
  ButtonModel& start = workshop->window().Get<ButtonModel>("按钮_开始演算");
  {
    std::unique_lock<DrawLock> held(program->drawLock);
    update.Click();
    EXPECT_EQ(LabelText("透明标签_更新"), "正在获取数据...");
    workshop->window().Get<ButtonModel>("选择框_二码").SetChecked(true);
    start.Click();  // behind the waiting update
    EXPECT_EQ(start.Caption(), "演算中..");
    update.Click();  // a second update behind both
    EXPECT_EQ(StoredPeriods().size(), 1u);
  }
  workshop->WaitForJobs();

  // Whichever order the jobs took the lock in, the table ends at the newest period with no
  // draw twice, and the computation ran to its finish.
  const std::vector<int64_t> periods = StoredPeriods();
  ASSERT_FALSE(periods.empty());
  ExpectConsecutive(periods, periods.front(), newest);
  EXPECT_EQ(start.Caption(), "开始演算");
  EXPECT_TRUE(start.Enabled());
  EXPECT_EQ(LabelText("透明标签2"), "演算结束！");
  EXPECT_EQ(LabelText("透明标签_更新"), "已获取完毕！");
  EXPECT_TRUE(LockIsFree());
}

TEST_F(HistoryUpdateTest, NoDrawsInElevenDaysLeavesTheTableAndTellsTheUser) {
  StoreOnly(server.NewestPeriod() - 3);
  program->app.Clock.SetServerTime(DateTime{kStart.seconds + 20 * 86400});
  Update();
  EXPECT_EQ(StoredPeriods().size(), 1u);
  ASSERT_FALSE(platform.Messages().empty());
  EXPECT_EQ(platform.Messages().back().text, "未找到开奖数据，请稍后再试！");
  EXPECT_EQ(LabelText("透明标签_更新"), "演算极限前，请先更新数据库！");
  EXPECT_TRUE(LockIsFree());
}

}  // namespace
}  // namespace pk
