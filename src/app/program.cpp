#include "app/program.h"

#include "app/companion_library.h"
#include "app/platform.h"
#include "app/program_folder.h"
#include "app/ui/main_window_controls.h"
#include "app/ui/ui_models.h"
#include "plans/bet_plan.h"
#include "settings/settings_window.h"
#include "stats/log_window.h"
#include "stats/recommendations.h"
#include "store/draw_store.h"
#include "store/statement_log.h"

namespace pk {

Program::Program(Platform& platform_, std::string home_)
    : platform(platform_),
      home(std::move(home_)),
      ui_(std::make_unique<UiRegistry>()),
      statements_(std::make_unique<StatementLog>()),
      companion_(std::make_unique<CompanionLibrary>(
          ProgramFolder(), [this](const std::string& message) { platform.ShowMessage(message, "提示", MessageButtons::Ok); })) {
  CreateMainWindow(*ui_);
  ConnectBetPlan(*this);
  SetUpRecommendationBox(*this);
  SetUpLogWindow(*this);
  SetUpSettingsWindow(*this);  // loads UserDestop.ini from the home folder, if there is one
}

Program::~Program() = default;

}  // namespace pk
