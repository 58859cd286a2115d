#include "app/program.h"

#include "acquire/auto_mode.h"
#include "acquire/day_fetch.h"
#include "acquire/help_window.h"
#include "acquire/online_bulletin.h"
#include "app/about_window.h"
#include "app/companion_library.h"
#include "app/main_window_behaviour.h"
#include "app/platform.h"
#include "app/program_folder.h"
#include "app/ui/main_window_controls.h"
#include "app/ui/ui_models.h"
#include "base/ini.h"
#include "plans/bet_plan.h"
#include "plans/kill_feed_plan.h"
#include "settings/lock_window.h"
#include "settings/settings_file.h"
#include "settings/settings_window.h"
#include "stats/log_window.h"
#include "stats/recommendations.h"
#include "store/draw_store.h"
#include "store/statement_log.h"
#include "workshop/extremes_window.h"

namespace pk {

Program::Program(Platform& platform_, std::string home_)
    : platform(platform_),
      home(std::move(home_)),
      ui_(std::make_unique<UiRegistry>()),
      statements_(std::make_unique<StatementLog>()),
      // A missing companion library or export is told once, in the status bar, so that a
      // plan on a worker never waits for a message box; the library's own messages (the
      // draw page that could not be read) are message boxes.
      companion_(std::make_unique<CompanionLibrary>(
          ProgramFolder(),
          [this](const std::string& message) {
            ui_->Window(kMainWindow).Get<StatusBarModel>("状态条1").SetPartText(0, message);
          },
          [this](const std::string& message) { platform.ShowMessage(message, "", MessageButtons::Ok); })) {
  CreateMainWindow(*ui_);
  ConnectBetPlan(*this);
  SetUpRecommendationBox(*this);
  SetUpLogWindow(*this);
  SetUpSettingsWindow(*this);  // loads UserDestop.ini from the home folder, if there is one
  // Missing source keys are written with their defaults; without a data folder the
  // defaults hold for this run.
  sources = LoadWebSources(IniFile(home.empty() ? std::string() : SettingsFilePath(home)));
  // The companion library's scrapers read the same sources.
  if (!home.empty()) companion_->SetSourceFile(SettingsFilePath(home));
  SetUpAutoMode(*this);
  SetUpDayFetch(*this);
  SetUpKillFeedRefresh(*this);
  SetUpUpdateCheck(*this);
  SetUpHelpWindow(*this);
  SetUpAboutWindow(*this);
  SetUpLockWindow(*this);
  SetUpMainWindowBehaviour(*this);
  extremesWorkshop_ = SetUpExtremesWindow(*this);
}

// No job may outlive the records it works on.
Program::~Program() {
  extremesWorkshop_.reset();
  workers.WaitIdle();
}

}  // namespace pk
