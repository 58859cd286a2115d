#include "workshop/extremes_jobs.h"

#include <array>
#include <chrono>
#include <optional>
#include <thread>

#include "app/platform.h"
#include "app/program.h"
#include "app/ui/ui_models.h"
#include "base/ini.h"
#include "base/numbers.h"
#include "base/page_fetcher.h"
#include "base/time.h"
#include "settings/settings_file.h"
#include "store/draw_store.h"
#include "store/record_set.h"
#include "store/statements.h"
#include "store/store_reads.h"
#include "store/table_keys.h"
#include "workshop/combination_extremes.h"
#include "workshop/extremes_window.h"
#include "workshop/kill_rule_extremes.h"
#include "workshop/trend_extremes.h"

namespace pk {

namespace {

constexpr char kIdleHint[] = "选择组合点击开始演算!在完成之前请勿中断演算!";
constexpr char kStagingTable[] = "PK10date";

// DrawLock taken so that a stop request still ends a job that waits for it.
class StoppableDrawLock {
 public:
  StoppableDrawLock(DrawLock& lock, std::stop_token stop) : lock_(lock) {
    for (;;) {
      if (stop.stop_requested()) return;
      if (lock_.try_lock()) break;
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    held_ = true;
  }
  ~StoppableDrawLock() {
    if (held_) lock_.unlock();
  }
  bool Held() const { return held_; }

 private:
  DrawLock& lock_;
  bool held_ = false;
};

ExtremesControl ControlFor(WorkshopState& state, std::stop_token stop) {
  return ExtremesControl{stop, [&state](int64_t done, int64_t total) {
                           state.progressTotal = static_cast<int32_t>(total);
                           state.progressCounter = static_cast<int32_t>(done);
                         }};
}

void ReadSnapshot(ExtremesWorkshop& workshop, std::stop_token stop) {
  if (stop.stop_requested()) return;
  WorkshopState& state = workshop.state();
  UiWindow& window = workshop.window();
  window.Get<TimerModel>("时钟_进度").SetPeriod(300);
  window.Get<LabelModel>("透明标签2").SetText("正在读取数据");
  RecordSet records(*workshop.staging());
  records.Open(kStagingTable);
  state.progressTotal = static_cast<int32_t>(records.RecordCount());
  state.progressCounter = 0;
  WorkshopDraws draws;
  draws.Reserve(static_cast<size_t>(records.RecordCount()));
  const int64_t count = ReadAllDraws(records, [&](const std::array<std::string, 10>& texts) {
    draws.AppendTexts(std::span<const std::string>(texts));
    ++state.progressCounter;
  });
  if (stop.stop_requested()) return;  // a later computation reads it again
  state.draws = std::move(draws);
  state.drawCount = count;
}

std::vector<StoredExtreme> StoredColumn(const TableSnapshot& table, std::string_view keyColumn,
                                        std::string_view valueColumn) {
  std::vector<StoredExtreme> rows;
  rows.reserve(table.RowCount());
  for (size_t r = 0; r < table.RowCount(); ++r)
    rows.push_back({std::string(table.Text(r, keyColumn)), std::string(table.Text(r, valueColumn))});
  return rows;
}

// The combination columns of a trend table: every field after the key, the last one
// included (it is a combination column like the others).
TrendTable TrendTableOf(const TableSnapshot& table) {
  TrendTable trend;
  const int fields = static_cast<int>(table.columns.size());
  for (int c = 2; c <= fields - 1; ++c) trend.columns.push_back(table.columns[c]);
  for (size_t r = 0; r < table.RowCount(); ++r) {
    trend.patterns.emplace_back(table.Text(r, kTrendKeyColumn));
    std::vector<std::string> stored;
    for (int c = 2; c <= fields - 1; ++c) stored.emplace_back(table.Cell(r, c));
    trend.stored.push_back(std::move(stored));
  }
  return trend;
}

bool IsTrendTable(const std::string& table) {
  return table == "五码走势极限" || table == "六码走势极限" || table == "七码走势极限";
}

ExtremesOutcome Compute(ExtremesWorkshop& workshop, const std::string& table, std::stop_token stop) {
  WorkshopState& state = workshop.state();
  LabelModel& status = workshop.window().Get<LabelModel>("透明标签2");
  RecordSet extremes(*workshop.extremes());
  const TableSnapshot snapshot = ReadExtremeTable(extremes, table);
  // A table the store lacks reads as empty, as before; a store that cannot be read at all
  // (locked past the wait, damaged) cannot even list its tables.
  TableSnapshot catalogue;
  if (snapshot.columns.empty() && !workshop.extremes()->ReadTable("sqlite_master", catalogue)) state.tableUnread = true;
  const ExtremesControl control = ControlFor(state, stop);
  if (IsTrendTable(table)) {
    status.SetText("正在演算" + table.substr(0, table.size() - std::string("走势极限").size()) + "组合");
    return ComputeTrendExtremes(state.draws, TrendTableOf(snapshot), control);
  }
  if (table == kKillOneTable || table == kKillOne4Table) {
    status.SetText(table == kKillOneTable ? "正在演算杀一码[1]..." : "正在演算杀一码[2]...");
    RecordSet staging(*workshop.staging());
    staging.Open(kStagingTable);
    return ComputeKillRuleExtremes(state.draws, StoredColumn(snapshot, kKillRuleKeyColumn, "连开极限"),
                                   staging.RecordCount() - 1, control);
  }
  status.SetText("正在演算" + table);
  return ComputeCombinationExtremes(state.draws, StoredColumn(snapshot, kCombinationKeyColumn, "遗漏极限"), control);
}

// The statements of one job go in one transaction: a raised extreme per row on a long
// history means thousands of them, and each on its own would wait for the disk. The rows
// are listed once the transaction has landed; when it has not, every row of it is marked
// for the manual update. Without a transaction each statement lands on its own.
void WriteResults(ExtremesWorkshop& workshop, const std::string& table, const ExtremesOutcome& outcome,
                  std::stop_token stop) {
  ReportListModel& list = workshop.window().Get<ReportListModel>("超级列表框1");
  DrawStore& store = *workshop.extremes();
  const std::string keyColumn = ExtremesKeyColumn(table);
  const bool batched = store.Begin();
  std::vector<bool> updated;
  for (const ExtremeRow& row : outcome.rows) {
    if (stop.stop_requested()) break;
    const std::string value = std::to_string(row.new_value);
    updated.push_back(store.Run(UpdateExtreme(table, row.column, keyColumn, row.key, value)) ==
                      StatementResult::Succeeded);
  }
  if (batched && !store.Commit()) {
    store.Rollback();
    updated.assign(updated.size(), false);
  }
  for (size_t r = 0; r < updated.size(); ++r) {
    const ExtremeRow& row = outcome.rows[r];
    const int item = list.InsertItem();
    list.SetItemTexts(item, {row.shown_name, row.stored, std::to_string(row.new_value), updated[r] ? "是" : "否",
                             updated[r] ? "" : "请在演算完毕后,右键点击选择更新!", table, row.column, row.key});
  }
}

// Cuts the staging table to its nine newest draws. The rows to keep are read and their
// statements built before anything is deleted, and the whole runs as one transaction.
void TrimStaging(DrawStore& staging) {
  RecordSet records(staging);
  const std::vector<std::vector<std::string>> newest = ReadNewestDraws(records);
  if (newest.size() < 9) return;  // nothing older to cut away
  std::vector<std::string> inserts;
  for (const std::vector<std::string>& row : newest) {
    std::optional<std::string> insert = InsertDraw(row);
    if (!insert) return;  // a row that cannot be written back is never deleted
    inserts.push_back(std::move(*insert));
  }
  if (!staging.Begin()) return;
  bool ok = staging.Execute(ClearDraws()) == 1;
  for (const std::string& insert : inserts) ok = ok && staging.Execute(insert) == 1;
  if (!ok || !staging.Commit()) staging.Rollback();
}

// A table that could not be read: the staging table stays whole for the next computation.
constexpr char kExtremesUnread[] = "极限数据库无法读取，开奖数据已保留，请稍后重新演算！";

void Finish(ExtremesWorkshop& workshop) {
  Program& program = workshop.program();
  ShowComputationIdle(workshop.window(), "演算结束！");
  if (workshop.state().nothingToCompute) return;
  if (workshop.state().tableUnread) {
    program.platform.ShowMessage(kExtremesUnread, "", MessageButtons::Ok);
    return;
  }
  TrimStaging(*workshop.staging());
  if (workshop.window().Get<ButtonModel>("选择框_完成后关机").Checked()) {
    program.platform.ShutDownComputer();
    program.platform.EndProgram();
    return;
  }
  program.platform.ShowMessage("演算结束，请查看记录框中是否有未更新的极限请右击手动更新！", "", MessageButtons::Ok);
  FetchWebTime(program.app.Clock, PlainHttpRead(program.sources.webTime + "/special/time/"));
  const DateTime now = program.app.Clock.ServerTime().value_or(program.platform.ComputerClock());
  IniFile(SettingsFilePath(program.home)).Write("Date", "Last_Update", FormatDateTime(LongChineseText(now), "-", true));
}

// True when this job was the last of its computation.
bool LeaveJobs(WorkshopState& state, int jobId) {
  std::lock_guard lock(state.jobsMutex);
  if (state.pendingJobs.size() >= 2) {
    std::erase(state.pendingJobs, jobId);
    return false;
  }
  return true;
}

}  // namespace

const std::vector<ExtremesKind>& ExtremesKinds() {
  static const std::vector<ExtremesKind> kinds = {
      {"选择框_二码", "二码", {"二码极限"}},         {"选择框_三码", "三码", {"三码极限"}},
      {"选择框_四码", "四码", {"四码极限"}},         {"选择框_五码", "五码", {"五码极限"}},
      {"选择框_六码", "六码", {"六码极限"}},         {"选择框_七码", "七码", {"七码极限"}},
      {"选择框_八码", "八码", {"八码极限"}},         {"选择框_九码", "九码", {"九码极限"}},
      {"选择框_组合五码", "走势五码", {"五码走势极限"}}, {"选择框_组合六码", "走势六码", {"六码走势极限"}},
      {"选择框_组合七码", "走势七码", {"七码走势极限"}}, {"选择框_杀一码", "杀一码", {"kill_one", "kill_one_4"}},
  };
  return kinds;
}

std::string ExtremesKeyColumn(const std::string& table) {
  return std::string(table == kKillOneTable || table == kKillOne4Table ? kKillRuleKeyColumn : kCombinationKeyColumn);
}

void ShowComputationIdle(UiWindow& window, const std::string& status) {
  ButtonModel& start = window.Get<ButtonModel>("按钮_开始演算");
  start.SetEnabled(true);
  start.SetCaption("开始演算");
  window.Get<TimerModel>("时钟1").SetPeriod(0);
  window.Get<TimerModel>("时钟_进度").SetPeriod(0);
  window.Get<LabelModel>("透明标签1").SetText(kIdleHint);
  window.Get<LabelModel>("透明标签2").SetText(status);
  window.Get<LabelModel>("透明标签3").SetText("");
  window.Get<ProgressBarModel>("进度条2").SetValue(0);
}

void RunExtremesJob(ExtremesWorkshop& workshop, int jobId, uint64_t run, std::string table, std::stop_token stop) {
  WorkshopState& state = workshop.state();
  // A stopped job may have touched the timers or labels after the window set them idle.
  auto stopped = [&] {
    if (state.computationRun == run) ShowComputationIdle(workshop.window(), "等待开始");
  };
  StoppableDrawLock lock(workshop.program().drawLock, stop);
  if (!lock.Held()) return stopped();
  if (!state.nothingToCompute) {
    if (state.draws.empty()) ReadSnapshot(workshop, stop);
    if (stop.stop_requested()) return stopped();
    state.progressCounter = 0;
    if (state.draws.empty()) {
      state.nothingToCompute = true;
      workshop.program().platform.ShowMessage("没有可演算的开奖数据！", "", MessageButtons::Ok);
    } else {
      const ExtremesOutcome outcome = Compute(workshop, table, stop);
      if (outcome.stopped || stop.stop_requested()) return stopped();
      WriteResults(workshop, table, outcome, stop);
      if (stop.stop_requested()) return stopped();
    }
  }
  if (LeaveJobs(state, jobId)) Finish(workshop);
}

}  // namespace pk
