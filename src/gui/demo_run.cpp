#include "gui/demo_run.h"

#include <mutex>

#include "acquire/online_bulletin.h"
#include "app/ui/main_window_controls.h"
#include "app/ui/ui_models.h"
#include "stats/extremes_loading.h"

namespace pk {

DemoRun::DemoRun(Program& program) : program_(program), sources_(StartDemoSources(program)) {
  OpenAndLoadExtremes(program);
  UiWindow& main = program.ui().Window(kMainWindow);
  main.Get<EditModel>("日期框").SetText(FetchBulletin(program));
  main.Get<ButtonModel>("按钮_获取数据").Click();
  QObject::connect(&poll_, &QTimer::timeout, [this] { StartAutoModeWhenFetched(); });
  poll_.start(500);
}

void DemoRun::StartAutoModeWhenFetched() {
  if (program_.workers.Running() > 0) return;
  std::unique_lock lock(program_.drawLock, std::try_to_lock);
  if (!lock.owns_lock()) return;
  const bool fetched = !program_.history.empty();
  lock.unlock();
  poll_.stop();  // the fetch has ended; without draws it has shown its message
  if (fetched && program_.app.AutoMode == 0) {
    program_.ui().Window(kMainWindow).Get<ButtonModel>("按钮_自动").Click();
  }
}

}  // namespace pk
