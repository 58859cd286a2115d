#include "acquire/auto_mode.h"

#include "acquire/live_feed.h"
#include "acquire/online_bulletin.h"
#include "app/platform.h"
#include "app/ui/ui_models.h"
#include "base/numbers.h"

namespace pk {

namespace {

constexpr int64_t kDay = 24 * 3600;
constexpr int64_t kFirstDraw = 9 * 3600 + 7 * 60 + 30;  // 09:07:30
constexpr int64_t kLastDraw = 23 * 3600 + 57 * 60 + 30;  // 23:57:30
constexpr int32_t kRequestDelay = 20;                  // the feeds are asked this long after a draw

UiWindow& Main(Program& program) { return program.ui().Window("MainWindow"); }

void EnableDayControls(UiWindow& main, bool enabled) {
  for (const char* name : {"日期框", "单选框_冠军", "单选框_期号"}) main.Find(name).SetEnabled(enabled);
}

}  // namespace

int32_t CountdownFor(DateTime serverTime) {
  const DateParts parts = SplitDateTime(serverTime);
  const DateTime midnight = MakeDateTime(parts.year, parts.month, parts.day);
  const int64_t sinceMidnight = serverTime.seconds - midnight.seconds;
  if (sinceMidnight > kLastDraw) return static_cast<int32_t>(kDay - sinceMidnight + kFirstDraw + kRequestDelay);
  if (sinceMidnight < kFirstDraw) return static_cast<int32_t>(kFirstDraw - sinceMidnight + kRequestDelay);

  // Within the day: to the next time whose minute ends in 2 or 7, at second 30.
  const int c = parts.minute % 10;
  const int s = parts.second;
  int32_t countdown;
  if (s > 30) {
    const int b = s - 30;
    countdown = c < 2 ? (2 - c) * 60 - b : c <= 6 ? (7 - c) * 60 - b : (12 - c) * 60 - b;
  } else {
    countdown = c <= 2 ? (2 - c) * 60 + 30 - s : c <= 7 ? (7 - c) * 60 + 30 - s : (12 - c) * 60 + 30 - s;
  }
  return countdown + kRequestDelay;
}

void ScheduleNextDraw(Program& program, bool withBulletin) {
  if (withBulletin) FetchBulletin(program);
  if (const std::optional<DateTime> now = program.app.Clock.ServerTime()) program.stats.Countdown = CountdownFor(*now);
}

void ToggleAutoMode(Program& program) {
  UiWindow& main = Main(program);
  if (main.Get<EditModel>("开奖结果框").Text().empty()) {
    program.platform.ShowMessage("请先获取数据！", "提示", MessageButtons::Ok);
    return;
  }
  auto& button = main.Get<ButtonModel>("按钮_自动");
  auto& timer = main.Get<TimerModel>("时钟_倒计时");
  if (program.app.AutoMode == 1) {
    timer.SetPeriod(0);
    EnableDayControls(main, true);
    button.SetCaption("自动");
    main.Get<LabelModel>("标签_倒计时").SetText("点击自动");
    program.app.AutoMode = 0;
  } else {
    program.app.AutoMode = 1;
    button.SetCaption("停止");
    EnableDayControls(main, false);
    ScheduleNextDraw(program, true);
    timer.SetPeriod(1000);
  }
}

void CountdownTick(Program& program) {
  std::atomic<int32_t>& countdown = program.stats.Countdown;
  if (countdown > 0) {
    const int32_t left = --countdown;
    Main(program).Get<LabelModel>("标签_倒计时").SetText(NumberToText(left) + " 秒");
  } else {
    countdown = 299;
    StartLiveFeedStep(program);
  }
}

void SetUpAutoMode(Program& program) {
  UiWindow& main = Main(program);
  main.Get<ButtonModel>("按钮_自动").OnClick([&program] { ToggleAutoMode(program); });
  main.Get<TimerModel>("时钟_倒计时").OnTick([&program] { CountdownTick(program); });
}

}  // namespace pk
