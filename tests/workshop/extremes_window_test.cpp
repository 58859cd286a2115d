// The extremes window over a temporary data folder: computations on worker threads, the
// trim, the close check, the manual update, and the staging connection's transactions.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <filesystem>
#include <future>
#include <random>
#include <string>
#include <vector>

#include "app/program.h"
#include "app/recording_platform.h"
#include "app/ui/ui_models.h"
#include "base/ini.h"
#include "store/cipher_database.h"
#include "store/draw_store.h"
#include "store/record_set.h"
#include "store/statement_log.h"
#include "store/statements.h"
#include "store/store_files.h"
#include "store/store_reads.h"
#include "workshop/combination_extremes.h"
#include "workshop/extremes_jobs.h"
#include "workshop/extremes_window.h"
#include "workshop/history_update.h"
#include "workshop/kill_rule_extremes.h"
#include "workshop/trend_extremes.h"

namespace pk {
namespace {

class Folder {
 public:
  Folder() {
    std::random_device random;
    path_ = std::filesystem::temp_directory_path() / ("pkcalc-workshop-" + std::to_string(random()));
    std::filesystem::create_directories(path_);
  }
  ~Folder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  std::string Path() const { return path_.string(); }

 private:
  std::filesystem::path path_;
};

// Every kind's table, each with a few rows whose stored values are low enough to be raised.
const char* const kExtremesScript = R"(
CREATE TABLE "二码极限" (编号 INTEGER, 号码组合 TEXT, 遗漏极限 TEXT);
INSERT INTO "二码极限" VALUES (1,'12','0'),(2,'34','999'),(3,'56','1');
CREATE TABLE "九码极限" (编号 INTEGER, 号码组合 TEXT, 遗漏极限 TEXT);
INSERT INTO "九码极限" VALUES (1,'123456789','0');
CREATE TABLE "五码走势极限" (编号 INTEGER, 号码组合 TEXT, "12345" TEXT, "67890" TEXT);
INSERT INTO "五码走势极限" VALUES (1,'12','0','0'),(2,'112','0','99');
CREATE TABLE "kill_one" (编号 INTEGER, 位置组合 TEXT, 连开极限 TEXT);
INSERT INTO "kill_one" VALUES (1,'012','0'),(2,'123','0'),(3,'999','50');
CREATE TABLE "kill_one_4" (编号 INTEGER, 位置组合 TEXT, 连开极限 TEXT);
INSERT INTO "kill_one_4" VALUES (1,'0123','0');
)";

std::vector<std::string> RandomDraw(std::mt19937& random, int period) {
  std::vector<int> cars = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
  std::shuffle(cars.begin(), cars.end(), random);
  std::vector<std::string> values = {std::to_string(period)};
  for (int car : cars) values.push_back((car < 10 ? "0" : "") + std::to_string(car));
  return values;
}

struct ExtremesWindowTest : testing::Test {
  Folder home;
  RecordingPlatform platform;
  Program program{platform, home.Path()};
  ExtremesWorkshop* workshop = &program.extremesWorkshop();

  void SetUp() override {
    auto db = CipherDatabase::CreateNew(DataFilePath(home.Path(), kExtremesFileName), kExtremesPassword);
    ASSERT_TRUE(db && db->ExecuteScript(std::string("BEGIN;") + kExtremesScript + "COMMIT;"));
    db.reset();
    ASSERT_TRUE(workshop->Open());
  }

  UiWindow& Window() { return workshop->window(); }
  ButtonModel& Box(const char* name) { return Window().Get<ButtonModel>(name); }
  ReportListModel& List() { return Window().Get<ReportListModel>("超级列表框1"); }
  std::string LabelText(const char* name) { return Window().Get<LabelModel>(name).Text(); }

  // Appends draws after the nine of the fresh staging file (periods 472538 … 472546).
  void AddDraws(int count, unsigned seed = 7) {
    std::mt19937 random(seed);
    for (int i = 0; i < count; ++i)
      ASSERT_EQ(workshop->staging()->Run(InsertFetchedDraw(RandomDraw(random, 472547 + i))), StatementResult::Succeeded);
  }
  std::vector<std::vector<std::string>> StagingRows() {
    DrawStore store(DataFilePath(home.Path(), kStagingFileName), kStagingPassword);
    TableSnapshot rows;
    store.ReadTable("PK10date", rows);
    std::vector<std::vector<std::string>> out;
    for (size_t r = 0; r < rows.RowCount(); ++r) {
      std::vector<std::string> row;
      for (size_t c = 1; c < rows.columns.size(); ++c) row.emplace_back(rows.Cell(r, c));
      out.push_back(row);
    }
    return out;
  }
  WorkshopDraws Snapshot() {
    WorkshopDraws draws;
    RecordSet records(*workshop->staging());
    ReadAllDraws(records, [&](const std::array<std::string, 10>& t) { draws.AppendTexts(std::span<const std::string>(t)); });
    return draws;
  }
  void Compute(std::initializer_list<const char*> boxes) {
    for (const char* box : boxes) Box(box).SetChecked(true);
    Box("按钮_开始演算").Click();
    workshop->WaitForJobs();
    for (const char* box : boxes) Box(box).SetChecked(false);
  }
  // The list rows of one table: key, stored, new, updated.
  std::vector<std::array<std::string, 4>> Rows(const std::string& table) {
    std::vector<std::array<std::string, 4>> rows;
    for (const auto& r : List().Rows())
      if (r[5] == table) rows.push_back({r[7], r[1], r[2], r[3]});
    return rows;
  }
  std::vector<std::array<std::string, 4>> Expected(const ExtremesOutcome& outcome) {
    std::vector<std::array<std::string, 4>> rows;
    for (const ExtremeRow& r : outcome.rows) rows.push_back({r.key, r.stored, std::to_string(r.new_value), "是"});
    return rows;
  }
  std::string Stored(const std::string& table, const std::string& keyColumn, const std::string& key,
                     const std::string& column) {
    DrawStore store(DataFilePath(home.Path(), kExtremesFileName), kExtremesPassword);
    TableSnapshot rows;
    store.ReadTable(table, rows);
    for (size_t r = 0; r < rows.RowCount(); ++r)
      if (rows.Text(r, keyColumn) == key) return std::string(rows.Text(r, column));
    return "<absent>";
  }
};

std::vector<std::string> AllBoxes() {
  std::vector<std::string> boxes;
  for (const ExtremesKind& kind : ExtremesKinds()) boxes.push_back(kind.checkBox);
  return boxes;
}

TEST_F(ExtremesWindowTest, AllKindsRaiseStoredExtremesAsTheReferenceComputesAndTrimToNineNewest) {
  AddDraws(40);
  const WorkshopDraws draws = Snapshot();
  const auto before = StagingRows();
  ASSERT_EQ(before.size(), 49u);
  const ExtremesControl control;
  const auto two = ComputeCombinationExtremes(
      draws, std::vector<StoredExtreme>{{"12", "0"}, {"34", "999"}, {"56", "1"}}, control, ExtremesMethod::kReference);
  const auto kill = ComputeKillRuleExtremes(draws, std::vector<StoredExtreme>{{"012", "0"}, {"123", "0"}, {"999", "50"}},
                                            48, control, ExtremesMethod::kReference);
  TrendTable trend{{"12345", "67890"}, {"12", "112"}, {{"0", "0"}, {"0", "99"}}};
  const auto trendOutcome = ComputeTrendExtremes(draws, trend, control, ExtremesMethod::kReference);
  ASSERT_TRUE(std::any_of(trendOutcome.rows.begin(), trendOutcome.rows.end(),
                          [](const ExtremeRow& r) { return r.column == "67890"; }));  // the last column counts

  for (const std::string& box : AllBoxes()) Box(box.c_str()).SetChecked(true);
  Box("按钮_开始演算").Click();
  workshop->WaitForJobs();

  EXPECT_EQ(Rows("二码极限"), Expected(two));
  EXPECT_EQ(Rows("kill_one"), Expected(kill));
  EXPECT_EQ(Rows("五码走势极限"), Expected(trendOutcome));
  ASSERT_FALSE(two.rows.empty());
  EXPECT_EQ(Stored("二码极限", "号码组合", "12", "遗漏极限"), std::to_string(two.rows[0].new_value));
  EXPECT_EQ(Stored("二码极限", "号码组合", "34", "遗漏极限"), "999");  // not exceeded: no statement

  EXPECT_EQ(StagingRows(), std::vector<std::vector<std::string>>(before.end() - 9, before.end()));
  EXPECT_EQ(Box("按钮_开始演算").Caption(), "开始演算");
  EXPECT_TRUE(Box("按钮_开始演算").Enabled());
  EXPECT_EQ(LabelText("透明标签2"), "演算结束！");
  EXPECT_EQ(LabelText("透明标签3"), "");
  ASSERT_EQ(platform.Messages().size(), 1u);
  EXPECT_EQ(platform.Messages()[0].text, "演算结束，请查看记录框中是否有未更新的极限请右击手动更新！");
  EXPECT_FALSE(IniFile(home.Path() + "/UserDestop.ini").Read("Date", "Last_Update").empty());
  EXPECT_EQ(platform.ShutDownRequests(), 0);
}

TEST_F(ExtremesWindowTest, SecondComputationReusesTheFirstSnapshotAfterTheTrim) {
  AddDraws(30);
  Compute({"选择框_二码"});
  const auto first = Rows("二码极限");
  ASSERT_FALSE(first.empty());
  ASSERT_EQ(StagingRows().size(), 9u);
  // Put the stored values back: the second run must find the same extremes over 39 draws.
  workshop->extremes()->Execute("update 二码极限 set 遗漏极限='0' where 号码组合='12'");
  workshop->extremes()->Execute("update 二码极限 set 遗漏极限='1' where 号码组合='56'");
  List().DeleteAll();
  Compute({"选择框_二码"});
  EXPECT_EQ(Rows("二码极限"), first);
}

TEST_F(ExtremesWindowTest, KillOneStartsTwoJobsAndFinishesOnceWithShutDownInsteadOfTheMessage) {
  AddDraws(12);
  Box("选择框_完成后关机").SetChecked(true);
  Compute({"选择框_杀一码"});
  EXPECT_FALSE(Rows("kill_one").empty());
  EXPECT_FALSE(Rows("kill_one_4").empty());
  EXPECT_EQ(platform.ShutDownRequests(), 1);
  EXPECT_EQ(platform.EndRequests(), 1);
  EXPECT_TRUE(platform.Messages().empty());
  EXPECT_EQ(StagingRows().size(), 9u);
}

TEST_F(ExtremesWindowTest, NothingTickedOrNoStoredDrawsStopsWithAMessageAndNoTrim) {
  Box("按钮_开始演算").Click();
  workshop->WaitForJobs();
  ASSERT_EQ(platform.Messages().size(), 1u);
  EXPECT_EQ(platform.Messages()[0].text, "请选选择组合！");

  ASSERT_EQ(workshop->staging()->Execute(ClearDraws()), 1);
  Compute({"选择框_二码", "选择框_杀一码"});
  ASSERT_EQ(platform.Messages().size(), 2u);  // once, not once per job
  EXPECT_EQ(platform.Messages()[1].text, "没有可演算的开奖数据！");
  EXPECT_TRUE(List().Rows().empty());
  EXPECT_EQ(Box("按钮_开始演算").Caption(), "开始演算");
  EXPECT_TRUE(Box("按钮_开始演算").Enabled());
}

TEST_F(ExtremesWindowTest, FewerThanNineDrawsAreKeptByTheTrim) {
  ASSERT_EQ(workshop->staging()->Execute("delete from PK10date where 编号 > 472777"), 1);
  const auto before = StagingRows();
  ASSERT_EQ(before.size(), 5u);
  Compute({"选择框_二码"});
  EXPECT_EQ(StagingRows(), before);
}

bool LockIsFree(DrawLock& lock) {
  return std::async(std::launch::async, [&] {
           bool free = lock.try_lock();
           if (free) lock.unlock();
           return free;
         }).get();
}

TEST_F(ExtremesWindowTest, ClosingDuringAComputationStopsEveryJobWithoutWaitingForThem) {
  AddDraws(20);
  // Another job holds the lock for the whole test: nothing below may wait for it.
  std::unique_lock<DrawLock> held(program.drawLock);
  for (const std::string& box : AllBoxes()) Box(box.c_str()).SetChecked(true);
  Box("按钮_开始演算").Click();
  EXPECT_EQ(Box("按钮_开始演算").Caption(), "演算中..");

  // No keeps the window and its jobs.
  EXPECT_FALSE(Window().Model().RequestClose());
  platform.QueueAnswer(MessageAnswer::Yes);
  EXPECT_TRUE(Window().Model().RequestClose());
  EXPECT_FALSE(Window().Model().Visible());
  // The stopped jobs end without ever getting the lock.
  workshop->WaitForJobs();

  EXPECT_TRUE(List().Rows().empty());
  EXPECT_EQ(StagingRows().size(), 29u);  // no finish step, no trim
  EXPECT_EQ(Stored("二码极限", "号码组合", "12", "遗漏极限"), "0");
  // Reopened, the window is idle.
  EXPECT_EQ(Box("按钮_开始演算").Caption(), "开始演算");
  EXPECT_TRUE(Box("按钮_开始演算").Enabled());
  EXPECT_FALSE(Window().Get<TimerModel>("时钟1").Running());
  EXPECT_EQ(LabelText("透明标签1"), "选择组合点击开始演算!在完成之前请勿中断演算!");
  held.unlock();
  EXPECT_TRUE(LockIsFree(program.drawLock));

  // A computation after the forced close runs whole.
  Compute({"选择框_二码"});
  EXPECT_FALSE(Rows("二码极限").empty());
  EXPECT_EQ(LabelText("透明标签2"), "演算结束！");
}

TEST_F(ExtremesWindowTest, StartAndManualUpdateReturnWhileAnotherJobHoldsTheLock) {
  AddDraws(20);
  ReportListModel& list = List();
  const int row = list.InsertItem();
  list.SetItemTexts(row, {"123", "0", "17", "否", "请在演算完毕后,右键点击选择更新!", "kill_one", "连开极限", "123"});
  list.SetSelectedItem(row);
  {
    std::unique_lock<DrawLock> held(program.drawLock);
    Box("选择框_二码").SetChecked(true);
    Box("按钮_开始演算").Click();
    // The jobs wait on their own threads; the window thread goes on.
    EXPECT_EQ(Box("按钮_开始演算").Caption(), "演算中..");
    EXPECT_FALSE(Box("按钮_开始演算").Enabled());
    EXPECT_EQ(Rows("二码极限").size(), 0u);
    Window().ChooseMenu("手动更新");
    EXPECT_EQ(list.ItemText(row, 3), "是");
  }
  workshop->WaitForJobs();
  EXPECT_FALSE(Rows("二码极限").empty());
  EXPECT_EQ(Box("按钮_开始演算").Caption(), "开始演算");
  EXPECT_EQ(StagingRows().size(), 9u);
}

TEST_F(ExtremesWindowTest, TheMainWindowMenuOpensTheWindowModalUnlessAutomaticModeRuns) {
  UiWindow& main = program.ui().Window("MainWindow");
  Window().Model().SetVisible(false);
  program.app.AutoMode = 1;
  EXPECT_TRUE(main.ChooseMenu("演算极限"));
  EXPECT_FALSE(Window().Model().Visible());
  ASSERT_FALSE(platform.Messages().empty());
  EXPECT_EQ(platform.Messages().back().text, "请先停止自动！");

  program.app.AutoMode = 0;
  EXPECT_TRUE(main.ChooseMenu("演算极限"));
  EXPECT_TRUE(Window().Model().Visible());
  EXPECT_TRUE(Window().Model().Modal());
  EXPECT_EQ(platform.Messages().size(), 1u);
}

TEST_F(ExtremesWindowTest, ManualUpdateWritesTheSelectedRowAndMarksItOnlyOnSuccess) {
  ReportListModel& list = List();
  const int good = list.InsertItem();
  list.SetItemTexts(good, {"123", "0", "17", "否", "请在演算完毕后,右键点击选择更新!", "kill_one", "连开极限", "123"});
  const int bad = list.InsertItem();
  list.SetItemTexts(bad, {"12", "0", "17", "否", "", "没有这张表", "遗漏极限", "12"});
  list.SetSelectedItem(good);
  Window().ChooseMenu("手动更新");
  list.SetSelectedItem(bad);
  Window().ChooseMenu("手动更新");
  EXPECT_EQ(list.ItemText(good, 3), "是");
  EXPECT_EQ(list.ItemText(bad, 3), "否");
  EXPECT_EQ(Stored("kill_one", "位置组合", "123", "连开极限"), "17");
}

TEST_F(ExtremesWindowTest, ResultsWhoseTransactionDoesNotLandAreMarkedForTheManualUpdate) {
  AddDraws(30);
  // Another connection reading the extremes store keeps the job's commit out.
  auto reader = CipherDatabase::OpenExisting(DataFilePath(home.Path(), kExtremesFileName), kExtremesPassword);
  ASSERT_TRUE(reader && reader->ExecuteScript("BEGIN; SELECT count(*) FROM \"二码极限\";"));
  Compute({"选择框_二码"});
  const auto rows = List().Rows();
  ASSERT_FALSE(rows.empty());
  for (const auto& row : rows) {
    EXPECT_EQ(row[3], "否");
    EXPECT_EQ(row[4], "请在演算完毕后,右键点击选择更新!");
  }
  ASSERT_TRUE(reader->ExecuteOne("COMMIT"));
  reader.reset();
  EXPECT_EQ(Stored("二码极限", "号码组合", "12", "遗漏极限"), "0");

  List().SetSelectedItem(0);
  Window().ChooseMenu("手动更新");
  EXPECT_EQ(List().ItemText(0, 3), "是");
  EXPECT_EQ(Stored("二码极限", "号码组合", rows[0][7], "遗漏极限"), rows[0][2]);
}

TEST_F(ExtremesWindowTest, OpeningIsRefusedWhileAutomaticModeRuns) {
  program.app.AutoMode = 1;
  EXPECT_FALSE(workshop->Open());
  ASSERT_FALSE(platform.Messages().empty());
  EXPECT_EQ(platform.Messages().back().text, "请先停止自动！");
}

TEST_F(ExtremesWindowTest, StagingTransactionsRollBackOrLandWhole) {
  DrawStore& staging = *workshop->staging();
  std::mt19937 random(3);
  ASSERT_TRUE(staging.Begin());
  ASSERT_EQ(staging.Run(InsertFetchedDraw(RandomDraw(random, 472547))), StatementResult::Succeeded);
  staging.Rollback();
  EXPECT_EQ(StagingRows().size(), 9u);
  ASSERT_TRUE(staging.Begin());
  ASSERT_EQ(staging.Run(InsertFetchedDraw(RandomDraw(random, 472547))), StatementResult::Succeeded);
  ASSERT_EQ(staging.Run(InsertFetchedDraw(RandomDraw(random, 472548))), StatementResult::Succeeded);
  ASSERT_TRUE(staging.Commit());
  EXPECT_EQ(StagingRows().size(), 11u);
}

TEST(HistoryUpdateDays, FollowTheMissingDraws) {
  const std::array<std::pair<int64_t, int64_t>, 4> cases = {{{1, 1}, {178, 1}, {179, 2}, {358, 3}}};
  for (const auto& [total, days] : cases) EXPECT_EQ(UpdateDaysFor(total), days) << total;
}

TEST(ExtremesWindowModels, StartIdleWithTheResultColumns) {
  UiRegistry registry;
  UiWindow& window = CreateExtremesWindow(registry);
  EXPECT_EQ(window.Model().Caption(), "演算极限");
  const auto columns = window.Get<ReportListModel>("超级列表框1").Columns();
  ASSERT_EQ(columns.size(), 8u);
  EXPECT_EQ(columns[4].caption, "备注");
  EXPECT_EQ(columns[4].width, 157);
  EXPECT_EQ(columns[7].width, 0);
  EXPECT_EQ(window.Get<LabelModel>("透明标签2").Text(), "等待开始");
  EXPECT_EQ(window.Get<ButtonModel>("选择框_组合五码").Caption(), "走势五码");
  EXPECT_EQ(window.Get<LabelModel>("透明标签_更新").Text(), "演算极限前，请先更新数据库！");
}

}  // namespace
}  // namespace pk

namespace pk {
namespace {

TEST_F(ExtremesWindowTest, TimersShowPercentageAndAnimateTheHint) {
  workshop->state().progressTotal = 10000;
  workshop->state().progressCounter = 3752;
  workshop->TickProgress();
  EXPECT_EQ(LabelText("透明标签3"), "37.52%");
  EXPECT_EQ(Window().Get<ProgressBarModel>("进度条2").Value(), 37);
  workshop->state().progressTotal = 0;
  workshop->TickProgress();  // no total yet: no division by zero
  EXPECT_EQ(Window().Get<ProgressBarModel>("进度条2").Value(), 0);

  Window().Get<LabelModel>("透明标签1").SetText("正在演算极限值");
  for (int dot = 1; dot <= 6; ++dot) workshop->TickAnimation();
  EXPECT_EQ(LabelText("透明标签1"), "正在演算极限值......");
  workshop->TickAnimation();
  EXPECT_EQ(LabelText("透明标签1"), "正在演算极限值");
}

}  // namespace
}  // namespace pk
