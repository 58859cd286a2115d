#include "cli/cmd_web_session.h"

#include <filesystem>
#include <mutex>

#include "acquire/online_bulletin.h"
#include "app/draw_history.h"
#include "app/ui/ui_models.h"
#include "base/ini.h"
#include "settings/settings_file.h"
#include "stats/extremes_loading.h"
#include "store/database_preparation.h"
#include "store/draw_store.h"
#include "store/store_files.h"

namespace pk::cli {

namespace {

UiWindow& Main(Program& program) { return program.ui().Window("MainWindow"); }

int DrawsHeld(Program& program) {
  std::lock_guard lock(program.drawLock);
  return static_cast<int>(program.history.size());
}

}  // namespace

void LoadExtremesStore(Program& program) { OpenAndLoadExtremes(program); }

bool FetchDay(Program& program) {
  Main(program).Get<EditModel>("日期框").SetText(FetchBulletin(program));
  Main(program).Get<ButtonModel>("按钮_获取数据").Click();
  program.workers.WaitIdle();
  return DrawsHeld(program) > 0;
}

AutoModeRun::AutoModeRun(Program& program) : program_(program), start_(DrawsHeld(program)), seen_(start_) {
  Main(program).Get<ButtonModel>("按钮_自动").Click();
}

AutoModeRun::~AutoModeRun() { Stop(); }

std::vector<std::string> AutoModeRun::Tick() {
  Main(program_).Get<TimerModel>("时钟_倒计时").Tick();
  std::vector<std::string> lines;
  // Draws count once their pass is done: no step and no pass is running then.
  if (program_.workers.Running() > 0) return lines;
  std::unique_lock lock(program_.drawLock, std::try_to_lock);
  if (!lock.owns_lock()) return lines;
  const int held = static_cast<int>(program_.history.size());
  for (; seen_ < held; ++seen_) lines.push_back(ResultLine(program_.history[seen_]));
  return lines;
}

void AutoModeRun::Stop() {
  if (program_.app.AutoMode == 1) Main(program_).Get<ButtonModel>("按钮_自动").Click();
  program_.workers.WaitIdle();
}

}  // namespace pk::cli
