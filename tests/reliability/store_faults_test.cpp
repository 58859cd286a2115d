// The stores and the day log when the file system works against the program: a database
// locked by another connection, a file that cannot be written, a disk that fills up while
// the day log or the staging table is written. The program reports what it must, loses
// nothing already stored, and every file stays readable.
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <thread>

#include "../e2e/e2e_fixture.h"
#include "app/companion_library.h"
#include "base/gbk.h"
#include "base/numbers.h"
#include "stats/event_log.h"
#include "store/cipher_database.h"
#include "store/database_preparation.h"
#include "store/draw_store.h"
#include "store/staging_file.h"
#include "store/statements.h"
#include "store/store_files.h"
#include "support/temp_home.h"
#include "workshop/extremes_window.h"
#include "support/staged_periods.h"

namespace pk {
namespace {

namespace fs = std::filesystem;

std::string ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

std::vector<std::string> Draw(int64_t period) {
  return {std::to_string(period), "01", "02", "03", "04", "05", "06", "07", "08", "09", "10"};
}

// Runs `body` in a child process whose files may grow to `limit` bytes at most, with the
// signal of an oversized write ignored so that the write fails as on a full disk. The
// child's exit status: 0 when body returned true.
int WithFullDisk(rlim_t limit, const std::function<bool()>& body) {
  const pid_t child = fork();
  if (child == 0) {
    signal(SIGXFSZ, SIG_IGN);
    const rlimit fileSize{limit, limit};
    setrlimit(RLIMIT_FSIZE, &fileSize);
    _exit(body() ? 0 : 1);
  }
  int status = 0;
  waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 100 + WTERMSIG(status);
}

struct StoreFaultsTest : test::SimFixture {
  std::unique_ptr<ExtremesWorkshop> workshop;

  void SetUp() override {
    SimFixture::SetUp();
    const std::string ini = SettingsFilePath(home.Path());
    PrepareDatabaseFile(home.Path(), BuiltInDataStamp(), IniFile(ini), platform);
    program->companion().SetSourceFile(ini);
    program->app.Clock.SetServerTime(server.Now());
    workshop = std::make_unique<ExtremesWorkshop>(*program);
    ASSERT_TRUE(workshop->Open());
  }
  void TearDown() override {
    workshop.reset();
    SimFixture::TearDown();
  }
  void StoreOnly(int64_t period) {
    ASSERT_EQ(workshop->staging()->Execute(ClearDraws()), 1);
    ASSERT_EQ(workshop->staging()->Run(InsertFetchedDraw(Draw(period))), StatementResult::Succeeded);
  }
  // Periods first..last into the staging table, in one transaction.
  void StageDraws(int first, int last) {
    ASSERT_TRUE(workshop->staging()->Begin());
    for (int p = first; p <= last; ++p)
      ASSERT_EQ(workshop->staging()->Run(InsertFetchedDraw(Draw(p))), StatementResult::Succeeded);
    ASSERT_TRUE(workshop->staging()->Commit());
  }
  void Update() {
    workshop->window().Get<ButtonModel>("按钮_演算极限更新").Click();
    workshop->WaitForJobs();
  }
  bool Shown(const std::string& text) {
    for (const auto& message : platform.Messages())
      if (message.text == text) return true;
    return false;
  }
};

// Another connection holds the staging file in an exclusive transaction for the whole
// update: nothing is inserted, the update does not claim success, and the next update
// after the lock is gone brings every draw in once.
TEST_F(StoreFaultsTest, LockedStagingStoreLosesNothingAndTheNextUpdateCatchesUp) {
  const int64_t last = server.NewestPeriod() - 30;
  StoreOnly(last);
  {
    std::unique_ptr<CipherDatabase> other =
        CipherDatabase::OpenExisting(DataFilePath(home.Path(), kStagingFileName), kStagingPassword);
    ASSERT_TRUE(other && other->HoldsTables());
    ASSERT_TRUE(other->ExecuteScript("BEGIN EXCLUSIVE;"));
    Update();
    EXPECT_EQ(workshop->window().Get<LabelModel>("透明标签_更新").Text(), "演算极限前，请先更新数据库！");
    EXPECT_TRUE(Shown("开奖数据无法写入数据库，请稍后重新更新！"));
    ASSERT_TRUE(other->ExecuteScript("ROLLBACK;"));
  }
  EXPECT_EQ(test::StagedPeriods(home.Path()), std::vector<int64_t>{last});
  Update();
  const std::vector<int64_t> periods = test::StagedPeriods(home.Path());
  ASSERT_EQ(periods.size(), 31u);
  for (size_t i = 0; i < periods.size(); ++i) EXPECT_EQ(periods[i], last + static_cast<int64_t>(i));
  EXPECT_EQ(workshop->window().Get<LabelModel>("透明标签_更新").Text(), "已获取完毕！");
}

// The extremes store locked by another writer while a computation writes a new extreme: the row says "否"
// with its remark, and the manual update writes it once the lock is gone.
TEST_F(StoreFaultsTest, LockedExtremesStoreMarksTheRowAndTheManualUpdateRepairsIt) {
  // One draw won by car 2, then 400 won by car 1: the nine-code combination without car 1
  // stays out for 400 draws, more than any delivered extreme.
  ASSERT_EQ(workshop->staging()->Execute(ClearDraws()), 1);
  ASSERT_EQ(workshop->staging()->Run(InsertFetchedDraw(std::vector<std::string>{"1", "02", "01", "03", "04", "05", "06", "07", "08", "09", "10"})),
            StatementResult::Succeeded);
  StageDraws(2, 401);

  // Another writer holds the extremes store: reading goes on, writing waits and fails.
  std::unique_ptr<CipherDatabase> other =
      CipherDatabase::OpenExisting(DataFilePath(home.Path(), kExtremesFileName), kExtremesPassword);
  ASSERT_TRUE(other && other->HoldsTables());
  ASSERT_TRUE(other->ExecuteScript("BEGIN IMMEDIATE;"));
  workshop->window().Get<ButtonModel>("选择框_九码").SetChecked(true);
  workshop->window().Get<ButtonModel>("按钮_开始演算").Click();
  workshop->WaitForJobs();
  ReportListModel& results = workshop->window().Get<ReportListModel>("超级列表框1");
  ASSERT_EQ(results.ItemCount(), 1);
  std::vector<std::string> row = results.Snapshot().items[0].texts;
  EXPECT_EQ(row[0], "234567890");
  EXPECT_EQ(row[2], "400");
  EXPECT_EQ(row[3], "否");
  EXPECT_EQ(row[4], "请在演算完毕后,右键点击选择更新!");
  ASSERT_TRUE(other->ExecuteScript("ROLLBACK;"));
  other.reset();

  results.SetSelectedItem(0);
  workshop->ManualUpdate();
  EXPECT_EQ(results.Snapshot().items[0].texts[3], "是");
  DrawStore check(DataFilePath(home.Path(), kExtremesFileName), kExtremesPassword);
  TableSnapshot nine;
  ASSERT_TRUE(check.ReadTable("九码极限", nine));
  bool found = false;
  for (size_t r = 0; r < nine.RowCount(); ++r) {
    if (nine.Text(r, "号码组合") != "234567890") continue;
    EXPECT_EQ(nine.Text(r, "遗漏极限"), "400");
    found = true;
  }
  EXPECT_TRUE(found);
}

// The extremes store held in an exclusive transaction: the job cannot even read its table.
// Its draws were never computed, so they stay in the staging table for the next computation.
TEST_F(StoreFaultsTest, UnreadableExtremesTableKeepsTheStagedDraws) {
  ASSERT_EQ(workshop->staging()->Execute(ClearDraws()), 1);
  StageDraws(1, 30);
  std::unique_ptr<CipherDatabase> other =
      CipherDatabase::OpenExisting(DataFilePath(home.Path(), kExtremesFileName), kExtremesPassword);
  ASSERT_TRUE(other && other->HoldsTables());
  ASSERT_TRUE(other->ExecuteScript("BEGIN EXCLUSIVE;"));
  workshop->window().Get<ButtonModel>("选择框_九码").SetChecked(true);
  workshop->window().Get<ButtonModel>("按钮_开始演算").Click();
  workshop->WaitForJobs();
  ASSERT_TRUE(other->ExecuteScript("ROLLBACK;"));
  EXPECT_EQ(test::StagedPeriods(home.Path()).size(), 30u);
  EXPECT_TRUE(Shown("极限数据库无法读取，开奖数据已保留，请稍后重新演算！"));
  EXPECT_FALSE(Shown("演算结束，请查看记录框中是否有未更新的极限请右击手动更新！"));
  EXPECT_EQ(workshop->window().Get<ButtonModel>("按钮_开始演算").Caption(), "开始演算");
}

// A staging table that cannot be read (its file damaged after the window opened it): the
// update neither searches thousands of days nor writes over the file.
TEST_F(StoreFaultsTest, DamagedStagingFileIsLeftAloneByTheUpdate) {
  workshop.reset();
  const std::string staging = DataFilePath(home.Path(), kStagingFileName);
  const std::string damaged(8192, 'x');
  { std::ofstream(staging, std::ios::binary | std::ios::trunc) << damaged; }
  workshop = std::make_unique<ExtremesWorkshop>(*program);
  ASSERT_TRUE(workshop->Open());
  const auto started = std::chrono::steady_clock::now();
  Update();
  EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(20));
  EXPECT_EQ(ReadBytes(staging), damaged);
  EXPECT_EQ(workshop->window().Get<LabelModel>("透明标签_更新").Text(), "演算极限前，请先更新数据库！");
  EXPECT_TRUE(Shown("开奖数据无法写入数据库，请稍后重新更新！"));
}

// The disk fills up while the day log is rewritten: the old lines stay as they were and no
// half-written file is left behind.
TEST(DiskFullTest, DayLogKeepsItsOldLines) {
  test::TempHome home;
  fs::create_directories(fs::path(home.Path()) / "log");
  const fs::path day = fs::path(home.Path()) / "log" / "2026-03-01.txt";
  const std::string old = Utf8ToGbk(LogHeaderLine()) + std::string(200000, 'a') + "\r\n";
  { std::ofstream(day, std::ios::binary) << old; }

  const int status = WithFullDisk(old.size() + 8, [&] {
    RecordingPlatform platform;
    Program program(platform, home.Path());
    program.ui().Window("MainWindow").Get<EditModel>("日期框").SetText("2026-03-01");
    program.stats.Recommendations = {{"12", "", "", "", "hot"}, {"357", "41", "40", "1", "三码（一）"}};
    program.stats.RecommendationRow = 2;
    LogRecommendations(program);
    return true;  // the program goes on
  });
  EXPECT_EQ(status, 0);
  const std::string after = ReadBytes(day);
  EXPECT_TRUE(after == old) << "the day log now holds " << after.size() << " bytes instead of " << old.size();
  for (const fs::directory_entry& entry : fs::directory_iterator(day.parent_path()))
    EXPECT_EQ(entry.path().filename(), day.filename()) << "left behind: " << entry.path();

  // With room again the row lands below the old lines.
  RecordingPlatform platform;
  Program program(platform, home.Path());
  program.ui().Window("MainWindow").Get<EditModel>("日期框").SetText("2026-03-01");
  program.stats.Recommendations = {{"12", "", "", "", "hot"}, {"357", "41", "40", "1", "三码（一）"}};
  program.stats.RecommendationRow = 2;
  LogRecommendations(program);
  const std::string now = ReadBytes(day);
  EXPECT_TRUE(now.starts_with(old));
  EXPECT_NE(now.find("357\t41\t40\t1\t"), std::string::npos);
}

// The disk fills up while a run of draws is inserted into the staging table: the commit
// fails, the file keeps the rows it held and opens with its password.
TEST(DiskFullTest, StagingInsertsFailWholeAndTheFileStaysReadable) {
  test::TempHome home;
  ASSERT_TRUE(EnsureStagingFile(home.Path()));
  const std::string path = DataFilePath(home.Path(), kStagingFileName);
  const std::vector<int64_t> before = test::StagedPeriods(home.Path());
  ASSERT_EQ(before.size(), 9u);

  const int status = WithFullDisk(fs::file_size(path) + 4096, [&] {
    DrawStore staging(path, kStagingPassword);
    if (!staging.Begin()) return true;
    for (int64_t p = 472547; p < 472547 + 5000; ++p) {
      if (staging.Run(InsertFetchedDraw(Draw(p))) != StatementResult::Succeeded) break;
    }
    const bool committed = staging.Commit();
    if (!committed) staging.Rollback();
    return !committed;  // the full disk must not let the commit claim success
  });
  EXPECT_EQ(status, 0);
  EXPECT_EQ(test::StagedPeriods(home.Path()), before);
  DrawStore reopened(path, kStagingPassword);
  EXPECT_TRUE(reopened.IsReadable());
  EXPECT_EQ(reopened.Run(InsertFetchedDraw(Draw(472547))), StatementResult::Succeeded);
}

// A store file the program may not write (read-only): statements fail, reads go on, the
// file is unchanged. Root writes through file permissions, so there it cannot be shown.
TEST(ReadOnlyStoreTest, StatementsFailAndTheFileIsUnchanged) {
  if (geteuid() == 0) GTEST_SKIP() << "running as root: file permissions do not stop writes";
  test::TempHome home;
  ASSERT_TRUE(EnsureStagingFile(home.Path()));
  const std::string path = DataFilePath(home.Path(), kStagingFileName);
  fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  const std::string bytes = ReadBytes(path);
  {
    DrawStore staging(path, kStagingPassword);
    TableSnapshot rows;
    EXPECT_TRUE(staging.ReadTable("PK10date", rows));
    EXPECT_EQ(rows.RowCount(), 9u);
    EXPECT_EQ(staging.Run(InsertFetchedDraw(Draw(472547))), StatementResult::Failed);
    EXPECT_EQ(staging.Execute(ClearDraws()), 0);
  }
  EXPECT_EQ(ReadBytes(path), bytes);
}

}  // namespace
}  // namespace pk
