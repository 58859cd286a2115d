#include "workshop/history_update.h"

#include <chrono>
#include <span>
#include <string>
#include <thread>
#include <vector>

#include "app/companion_library.h"
#include "app/platform.h"
#include "app/program.h"
#include "app/ui/ui_models.h"
#include "base/numbers.h"
#include "base/text.h"
#include "base/time.h"
#include "store/draw_store.h"
#include "store/record_set.h"
#include "store/statements.h"
#include "store/store_reads.h"
#include "workshop/extremes_window.h"

namespace pk {

namespace {

constexpr int64_t kDrawsPerDay = 179;
constexpr int kSearchDays = 10;
constexpr int64_t kSecondsPerDay = 86400;
constexpr size_t kWordsPerDraw = 11;
constexpr char kIdleUpdateText[] = "演算极限前，请先更新数据库！";

std::string DayText(DateTime today, int64_t daysBack) {
  return FormatDateTime(LongChineseText(DateTime{today.seconds - daysBack * kSecondsPerDay}), "-", false);
}

// Labels and timers back to where they stand when no update runs.
void EndLabels(UiWindow& window, const std::string& updateText) {
  window.Get<TimerModel>("时钟_更新数据库").SetPeriod(0);
  window.Get<LabelModel>("透明标签_更新").SetText(updateText);
  window.Get<ProgressBarModel>("进度条_更新数据").SetValue(0);
}

bool TakeLock(DrawLock& lock, std::stop_token stop) {
  for (;;) {
    if (stop.stop_requested()) return false;
    if (lock.try_lock()) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
}

// The staging file cannot take the draws (damaged, locked by another program, disk full).
constexpr char kStagingNotWritten[] = "开奖数据无法写入数据库，请稍后重新更新！";

// Inserts the groups whose periods continue the stored ones, in one transaction. An
// insert that fails or is refused ends the run there, as a gap does, so the table only
// ever grows by consecutive periods. A stop request ends the run as well and keeps the
// draws inserted before it: they are the next periods in order, and the next update goes
// on from the last of them. False when the transaction could not be opened or committed:
// then nothing of the run is stored.
bool InsertNewDraws(ExtremesWorkshop& workshop, const std::vector<std::string>& words, std::stop_token stop) {
  WorkshopState& state = workshop.state();
  DrawStore& staging = *workshop.staging();
  const size_t groups = words.size() / kWordsPerDraw;
  double next = TextToNumber(state.nextPeriod) + 1;
  state.nextPeriod = NumberToText(next);
  if (!staging.Begin()) return false;
  for (size_t g = 0; g < groups && !stop.stop_requested(); ++g) {
    const std::span<const std::string> draw(words.data() + g * kWordsPerDraw, kWordsPerDraw);
    if (!NumbersEqual(TextToNumber(draw[0]), next)) continue;
    const StatementResult result = staging.Run(InsertFetchedDraw(draw));
    if (result == StatementResult::Refused) state.refusedPeriods.push_back(draw[0]);
    if (result != StatementResult::Succeeded) break;
    next += 1;
    state.nextPeriod = NumberToText(next);
    ++state.updateCount;
    if (state.afterDrawInserted) state.afterDrawInserted(state.updateCount);
  }
  if (!staging.Commit()) {
    staging.Rollback();
    state.updateCount = 0;
    return false;
  }
  return true;
}

}  // namespace

int64_t UpdateDaysFor(int64_t updateTotal) { return updateTotal / kDrawsPerDay + 1; }

void RunHistoryUpdate(ExtremesWorkshop& workshop, uint64_t run, std::stop_token stop) {
  Program& program = workshop.program();
  UiWindow& window = workshop.window();
  WorkshopState& state = workshop.state();
  auto stopped = [&] {
    if (state.updateRun == run) EndLabels(window, kIdleUpdateText);
  };
  if (!TakeLock(program.drawLock, stop)) return stopped();
  std::lock_guard<DrawLock> lock(program.drawLock, std::adopt_lock);
  // Without a readable staging table there is no last period to continue from (the
  // search would reach back thousands of days) and nothing could be stored.
  if (!workshop.staging() || !workshop.staging()->IsReadable()) {
    EndLabels(window, kIdleUpdateText);
    program.platform.ShowMessage(kStagingNotWritten, "", MessageButtons::Ok);
    return;
  }
  {
    // Read under the lock, after any update or trim that ran before this job.
    RecordSet records(*workshop.staging());
    state.nextPeriod = ReadLastPeriod(records);
  }

  const DateTime today = program.app.Clock.ServerTime().value_or(program.platform.ComputerClock());
  std::string newestDay = program.companion().GetOldDate(DayText(today, 0));
  for (int back = 1; newestDay.empty() && back <= kSearchDays && !stop.stop_requested(); ++back)
    newestDay = program.companion().GetOldDate(DayText(today, back));
  const std::vector<std::string> newestWords = Split(newestDay, " ");
  if (stop.stop_requested()) return stopped();
  if (newestWords.size() / kWordsPerDraw == 0) {
    EndLabels(window, kIdleUpdateText);
    program.platform.ShowMessage("未找到开奖数据，请稍后再试！", "", MessageButtons::Ok);
    return;
  }

  const size_t lastGroup = newestWords.size() / kWordsPerDraw - 1;
  const double newest = TextToNumber(newestWords[lastGroup * kWordsPerDraw]);
  const int64_t total = static_cast<int64_t>(newest - TextToNumber(state.nextPeriod)) + 1;
  state.updateTotal = static_cast<int32_t>(total);
  const int64_t days = UpdateDaysFor(total);

  std::string all;
  for (int64_t w = days; w >= 1 && !stop.stop_requested(); --w) {
    // A day without draws adds nothing (not an empty word that would shift the groups).
    const std::string day = Trim(program.companion().GetOldDate(DayText(today, w)));
    if (!day.empty()) all += " " + day;
  }
  all += " " + Trim(newestDay);
  if (stop.stop_requested()) return stopped();

  state.updateCount = 0;
  state.refusedPeriods.clear();
  TimerModel& timer = window.Get<TimerModel>("时钟_更新数据库");
  if (!timer.Running()) timer.SetPeriod(1);
  const bool stored = InsertNewDraws(workshop, Split(Trim(all), " "), stop);
  if (!stored) {
    EndLabels(window, kIdleUpdateText);
    program.platform.ShowMessage(kStagingNotWritten, "", MessageButtons::Ok);
    return;
  }
  if (stop.stop_requested()) return stopped();

  EndLabels(window, "已获取完毕！");
  // A computation started meanwhile waits for the lock behind this update: its button,
  // animation and hint stay as they are until it has finished.
  if (window.Get<ButtonModel>("按钮_开始演算").Caption() == "开始演算") {
    window.Get<ButtonModel>("按钮_开始演算").SetEnabled(true);
    window.Get<TimerModel>("时钟1").SetPeriod(0);
    window.Get<LabelModel>("透明标签1").SetText("获取完毕，请演算极限！");
  }
  if (!state.refusedPeriods.empty()) {
    std::string periods;
    for (const std::string& period : state.refusedPeriods) periods += (periods.empty() ? "" : "、") + period;
    program.platform.ShowMessage("以下期号的开奖数据含无效号码，已跳过：" + periods, "", MessageButtons::Ok);
  }
}

}  // namespace pk
