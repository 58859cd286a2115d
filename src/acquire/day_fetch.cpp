#include "acquire/day_fetch.h"

#include <mutex>

#include "acquire/draw_checks.h"
#include "acquire/draw_intake.h"
#include "app/analysis_pass.h"
#include "app/companion_library.h"
#include "app/draw_history.h"
#include "app/platform.h"
#include "app/ui/ui_models.h"

namespace pk {

namespace {

UiWindow& Main(Program& program) { return program.ui().Window("MainWindow"); }

void EnableFetchButtons(UiWindow& main, bool enabled) {
  main.Get<ButtonModel>("按钮_获取数据").SetEnabled(enabled);
  main.Get<ButtonModel>("按钮_自动").SetEnabled(enabled);
}

// The bulletin pages first, the draw page when they give nothing usable.
std::string DayAnswer(Program& program) {
  std::string answer = program.companion().GetOldDate2();
  if (IsValidDayAnswer(answer)) return answer;
  answer = program.companion().GetOldDate1();
  return IsValidDayAnswer(answer) ? answer : std::string();
}

}  // namespace

void ClickDayFetch(Program& program) {
  if (program.app.AutoMode == 1) {
    program.platform.ShowMessage("请先停止自动！", "提示", MessageButtons::Ok);
    return;
  }
  UiWindow& main = Main(program);
  EnableFetchButtons(main, false);
  main.Get<EditModel>("开奖结果框").SetText("");
  program.workers.Start([&program] { RunDayFetch(program); });
}

void RunDayFetch(Program& program) {
  UiWindow& main = Main(program);
  {
    std::unique_lock lock(program.drawLock);
    // The history is emptied under the lock, so that a feed step still running after
    // automatic mode stopped can never interleave with the reset.
    ResetHistory(program);
    program.plans.ChampionGapSeries.clear();
    main.Get<EditModel>("开奖结果框").SetText("");

    if (!main.Get<ButtonModel>("单选框_冠军").Checked()) {
      // The period mode has no source of its own: nothing is loaded and no pass runs.
      main.Get<StatusBarModel>("状态条1").SetPartText(0, kPeriodModeUnsupported);
      EnableFetchButtons(main, true);
      return;
    }
    const std::string answer = DayAnswer(program);
    if (!answer.empty()) {
      LoadDayAnswer(program, answer);
      EnableFetchButtons(main, true);
      RunFull(program);
      return;
    }
    EnableFetchButtons(main, true);
  }
  // Told after the lock is released: the question waits for the user.
  program.platform.ShowMessage(kDayFetchFailed, "提示", MessageButtons::Ok);
}

void SetUpDayFetch(Program& program) {
  Main(program).Get<ButtonModel>("按钮_获取数据").OnClick([&program] { ClickDayFetch(program); });
}

}  // namespace pk
