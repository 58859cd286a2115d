#include "gui/demo_run.h"

#include <mutex>

#include "app/ui/main_window_controls.h"
#include "app/ui/ui_models.h"

namespace pk {

DemoRun::DemoRun(Program& program) : program_(program), sources_(StartDemoSources(program)) {
  QObject::connect(&poll_, &QTimer::timeout, [this] { Step(); });
  // A tick of a stopped timer does nothing, so this follows automatic mode on and off.
  QObject::connect(&fast_countdown_, &QTimer::timeout,
                   [this] { program_.ui().Window(kMainWindow).Get<TimerModel>("时钟_倒计时").Tick(); });
}

void DemoRun::Start() { poll_.start(200); }

void DemoRun::Stop() {
  poll_.stop();
  fast_countdown_.stop();
}

void DemoRun::Step() {
  UiWindow& main = program_.ui().Window(kMainWindow);
  ButtonModel& fetch = main.Get<ButtonModel>("按钮_获取数据");
  if (!fetch_pressed_) {
    if (!fetch.Enabled()) return;  // the extremes are still loading
    fetch_pressed_ = true;
    fetch.Click();
    return;
  }
  if (program_.workers.Running() > 0) return;
  std::unique_lock lock(program_.drawLock, std::try_to_lock);
  if (!lock.owns_lock()) return;
  const bool fetched = !program_.history.empty();
  lock.unlock();
  poll_.stop();  // the fetch has ended; without draws it has shown its message
  if (fetched && program_.app.AutoMode == 0) main.Get<ButtonModel>("按钮_自动").Click();
  if (fetched && sources_->Speed() > 1) fast_countdown_.start(static_cast<int>(1000 / (sources_->Speed() - 1)));
}

}  // namespace pk
