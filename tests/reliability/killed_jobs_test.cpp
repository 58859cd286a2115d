// pkcalc-cli killed with SIGKILL in the middle of a history update and of an extremes
// computation: both store files still open with their passwords, hold every row committed
// before the kill, and the next run finishes the work correctly.
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <random>
#include <thread>

#include <gtest/gtest.h>

#include "app/recording_platform.h"
#include "base/ini.h"
#include "base/numbers.h"
#include "base/web_sources.h"
#include "pk10sim/sim_server.h"
#include "settings/settings_file.h"
#include "store/database_preparation.h"
#include "store/draw_store.h"
#include "store/staging_file.h"
#include "store/statements.h"
#include "store/store_files.h"
#include "support/temp_home.h"

namespace pk {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

const char* const kAllKinds = "二码,三码,四码,五码,六码,七码,八码,九码,走势五码,走势六码,走势七码,杀一码";
const char* const kExtremeTables[] = {"二码极限", "三码极限", "四码极限", "五码极限", "六码极限", "七码极限",
                                      "八码极限", "九码极限", "五码走势极限", "六码走势极限", "七码走势极限",
                                      "kill_one", "kill_one_4", "号码_位置遗漏", "九码位置极限"};

pid_t StartCli(const std::vector<std::string>& arguments) {
  const pid_t child = fork();
  if (child == 0) {
    const int null = open("/dev/null", O_WRONLY);
    dup2(null, 1);
    dup2(null, 2);
    std::vector<char*> argv{const_cast<char*>(PKCALC_CLI)};
    for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    execv(PKCALC_CLI, argv.data());
    _exit(127);
  }
  return child;
}

// Waits for the command and gives its exit status.
int Finish(pid_t child) {
  int status = 0;
  waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Kills the command once `ready` says so or the time is up; false when it ended before.
bool KillWhen(pid_t child, std::chrono::milliseconds latest, const std::function<bool()>& ready) {
  const auto deadline = std::chrono::steady_clock::now() + latest;
  while (std::chrono::steady_clock::now() < deadline && !ready()) {
    int status = 0;
    if (waitpid(child, &status, WNOHANG) == child) return false;
    std::this_thread::sleep_for(100us);
  }
  kill(child, SIGKILL);
  int status = 0;
  waitpid(child, &status, 0);
  return WIFSIGNALED(status);
}

// Every table of a store, or nothing when the file does not open with its password.
std::map<std::string, TableSnapshot> ReadStore(const std::string& path, std::string_view password,
                                               const std::vector<std::string>& tables) {
  DrawStore store(path, password);
  std::map<std::string, TableSnapshot> read;
  if (!store.IsReadable()) return read;
  for (const std::string& table : tables) {
    TableSnapshot rows;
    if (store.ReadTable(table, rows)) read[table] = std::move(rows);
  }
  return read;
}

std::vector<int64_t> Periods(const std::string& home) {
  const auto read = ReadStore(DataFilePath(home, kStagingFileName), kStagingPassword, {"PK10date"});
  std::vector<int64_t> periods;
  if (!read.contains("PK10date")) return periods;
  const TableSnapshot& rows = read.at("PK10date");
  for (size_t r = 0; r < rows.RowCount(); ++r) periods.push_back(static_cast<int64_t>(TextToNumber(rows.Text(r, "期号"))));
  return periods;
}

// The staging table holds `first`, `first + 1`, ... with no gap and no repeat.
void ExpectConsecutiveFrom(const std::vector<int64_t>& periods, int64_t first, const char* when) {
  ASSERT_FALSE(periods.empty()) << when;
  for (size_t i = 0; i < periods.size(); ++i) ASSERT_EQ(periods[i], first + static_cast<int64_t>(i)) << when;
}

bool JournalOf(const std::string& file) { return fs::exists(file + "-journal") || fs::exists(file + "-wal"); }

TEST(KilledJobsTest, HistoryUpdateKilledAnywhereLeavesAPrefixAndTheNextRunCompletes) {
  test::TempHome home;
  sim::SimServer server{sim::SimOptions{.seed = 4, .start = MakeDateTime(2026, 3, 9, 20, 0, 0), .speed = 0}};
  server.Start();
  const int64_t newest = server.NewestPeriod();
  const int64_t last = newest - 1500;  // eight and a half days back: ten day pages
  ASSERT_TRUE(EnsureStagingFile(home.Path()));
  {
    DrawStore staging(DataFilePath(home.Path(), kStagingFileName), kStagingPassword);
    ASSERT_EQ(staging.Execute(ClearDraws()), 1);
    ASSERT_EQ(staging.Run(InsertFetchedDraw(std::vector<std::string>{std::to_string(last), "01", "02", "03", "04", "05", "06", "07", "08", "09",
                                             "10"})),
              StatementResult::Succeeded);
  }
  const std::vector<std::string> update = {"update-history", "--home", home.Path(), "--sources", server.BaseAddress()};
  const std::string stagingPath = DataFilePath(home.Path(), kStagingFileName);

  // Big pages keep the command fetching for a while: killed while fetching, then killed
  // while its inserts are under way.
  server.SetFailure("/lottery/draw/list/557", sim::FailMode::Huge);
  EXPECT_TRUE(KillWhen(StartCli(update), 1500ms, [] { return false; }));
  ExpectConsecutiveFrom(Periods(home.Path()), last, "killed while fetching");
  EXPECT_TRUE(ReadStore(DataFilePath(home.Path(), kExtremesFileName), kExtremesPassword, {"二码极限"}).contains("二码极限"));

  server.ClearFailures();
  KillWhen(StartCli(update), 60s, [&] { return JournalOf(stagingPath); });
  std::vector<int64_t> periods = Periods(home.Path());
  ExpectConsecutiveFrom(periods, last, "killed while inserting");
  EXPECT_TRUE(periods.size() == 1 || periods.size() == 1501u) << periods.size();  // one transaction: all or none

  ASSERT_EQ(Finish(StartCli(update)), 0);
  periods = Periods(home.Path());
  ExpectConsecutiveFrom(periods, last, "after the next run");
  EXPECT_EQ(periods.back(), newest);
  server.Stop();
}

TEST(KilledJobsTest, ExtremesComputationKilledAnywhereKeepsItsWritesAndTheNextRunIsRight) {
  test::TempHome killed, reference;
  for (const test::TempHome* home : {&killed, &reference}) {
    RecordingPlatform platform;
    PrepareDatabaseFile(home->Path(), BuiltInDataStamp(), IniFile(SettingsFilePath(home->Path())), platform);
    ASSERT_TRUE(EnsureStagingFile(home->Path()));
    DrawStore staging(DataFilePath(home->Path(), kStagingFileName), kStagingPassword);
    ASSERT_EQ(staging.Execute(ClearDraws()), 1);
    // A long random history (the same in both folders) that passes many delivered extremes.
    std::mt19937 random(11);
    ASSERT_TRUE(staging.Begin());
    for (int period = 1; period <= 60000; ++period) {
      std::vector<std::string> draw = {std::to_string(period)};
      std::vector<int> cars = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
      std::shuffle(cars.begin(), cars.end(), random);
      for (int car : cars) draw.push_back((car < 10 ? "0" : "") + std::to_string(car));
      ASSERT_EQ(staging.Run(InsertFetchedDraw(draw)), StatementResult::Succeeded);
    }
    ASSERT_TRUE(staging.Commit());
  }
  const std::vector<std::string> tables(std::begin(kExtremeTables), std::end(kExtremeTables));
  const std::string extremesPath = DataFilePath(killed.Path(), kExtremesFileName);
  const auto initial = ReadStore(extremesPath, kExtremesPassword, tables);
  ASSERT_EQ(initial.size(), tables.size());

  ASSERT_EQ(Finish(StartCli({"compute-extremes", "--home", reference.Path(), "--kinds", kAllKinds})), 0);
  const auto right = ReadStore(DataFilePath(reference.Path(), kExtremesFileName), kExtremesPassword, tables);
  ASSERT_EQ(right.size(), tables.size());

  // Each value is the one stored before or the one the whole computation writes.
  const auto expectBetween = [&](const char* when) {
    const auto now = ReadStore(extremesPath, kExtremesPassword, tables);
    ASSERT_EQ(now.size(), tables.size()) << when;
    for (const std::string& table : tables) {
      const TableSnapshot& rows = now.at(table);
      ASSERT_EQ(rows.cells.size() > 0, true) << when << table;
      ASSERT_EQ(rows.RowCount(), initial.at(table).RowCount()) << when << table;
      for (size_t r = 0; r < rows.RowCount(); ++r)
        for (size_t c = 0; c < rows.columns.size(); ++c) {
          const std::string_view value = rows.Cell(r, c);
          ASSERT_TRUE(value == initial.at(table).Cell(r, c) || value == right.at(table).Cell(r, c))
              << when << " " << table << " row " << r << " column " << rows.columns[c] << ": " << value;
        }
    }
    const std::vector<int64_t> periods = Periods(killed.Path());
    EXPECT_TRUE(periods.size() == 60000 || periods.size() == 9) << when << ": " << periods.size();
  };

  const std::vector<std::string> compute = {"compute-extremes", "--home", killed.Path(), "--kinds", kAllKinds};
  EXPECT_TRUE(KillWhen(StartCli(compute), 300ms, [] { return false; }));
  expectBetween("killed while reading");
  KillWhen(StartCli(compute), 60s, [&] { return JournalOf(extremesPath); });
  expectBetween("killed while writing an extreme");
  KillWhen(StartCli(compute), 60s, [&] { return JournalOf(DataFilePath(killed.Path(), kStagingFileName)); });
  expectBetween("killed while trimming");

  ASSERT_EQ(Finish(StartCli(compute)), 0);
  const auto after = ReadStore(extremesPath, kExtremesPassword, tables);
  for (const std::string& table : tables) {
    EXPECT_EQ(after.at(table).cells, right.at(table).cells) << table;
    EXPECT_EQ(after.at(table).cellEnds, right.at(table).cellEnds) << table;
  }
}

}  // namespace
}  // namespace pk
