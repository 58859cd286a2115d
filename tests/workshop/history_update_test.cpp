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

namespace pk {
namespace {

const DateTime kStart = MakeDateTime(2026, 3, 1, 10, 3, 10);

struct HistoryUpdateTest : testing::Test {
  std::filesystem::path home =
      std::filesystem::temp_directory_path() / ("pkcalc-update-" + std::to_string(std::random_device()()));
  RecordingPlatform platform;
  sim::SimServer server{sim::SimOptions{.seed = 9, .start = kStart, .speed = 0}};
  std::unique_ptr<Program> program;
  std::unique_ptr<ExtremesWorkshop> workshop;

  void SetUp() override {
    std::filesystem::create_directories(home);
    server.Start();
    const std::string ini = home.string() + "/UserDestop.ini";
    SaveWebSources(IniFile(ini), WebSources::AllAt(server.BaseAddress()));
    program = std::make_unique<Program>(platform, home.string());
    program->companion().SetSourceFile(ini);
    program->app.Clock.SetServerTime(server.Now());
    workshop = std::make_unique<ExtremesWorkshop>(*program);
    ASSERT_TRUE(workshop->Open());
  }
  void TearDown() override {
    workshop.reset();
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
  std::vector<int64_t> StoredPeriods() {
    DrawStore store(DataFilePath(home.string(), kStagingFileName), kStagingPassword);
    TableSnapshot rows;
    store.ReadTable("PK10date", rows);
    std::vector<int64_t> periods;
    for (size_t r = 0; r < rows.RowCount(); ++r)
      periods.push_back(static_cast<int64_t>(TextToNumber(rows.Text(r, "期号"))));
    return periods;
  }
  void Update() {
    workshop->window().Get<ButtonModel>("按钮_演算极限更新").Click();
    workshop->WaitForJobs();
  }
  std::string LabelText(const char* name) { return workshop->window().Get<LabelModel>(name).Text(); }
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

TEST_F(HistoryUpdateTest, NoDrawsInElevenDaysLeavesTheTableAndTellsTheUser) {
  StoreOnly(server.NewestPeriod() - 3);
  program->app.Clock.SetServerTime(DateTime{kStart.seconds + 20 * 86400});
  Update();
  EXPECT_EQ(StoredPeriods().size(), 1u);
  ASSERT_FALSE(platform.Messages().empty());
  EXPECT_EQ(platform.Messages().back().text, "未找到开奖数据，请稍后再试！");
  EXPECT_EQ(LabelText("透明标签_更新"), "演算极限前，请先更新数据库！");
  // The lock was given back.
  EXPECT_TRUE(std::async(std::launch::async, [&] {
                bool free = program->drawLock.try_lock();
                if (free) program->drawLock.unlock();
                return free;
              }).get());
}

}  // namespace
}  // namespace pk
