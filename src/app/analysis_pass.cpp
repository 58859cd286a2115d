#include "app/analysis_pass.h"

#include "app/platform.h"
#include "app/ui/ui_models.h"
#include "plans/kill_feed_plan.h"
#include "plans/kill_formulas.h"
#include "plans/sky_plans.h"
#include "plans/trend_plans.h"
#include "stats/attribute_groups.h"
#include "stats/champion_omission.h"
#include "stats/combination_omission.h"
#include "stats/event_log.h"
#include "stats/hot_numbers.h"
#include "stats/recommendations.h"
#include "stats/trend_curves.h"

namespace pk {

namespace {

// The balloon near the screen corner with the pass's alert text; nothing while locked.
void ShowAlertBalloon(Program& program) {
  if (program.app.Locked != 0) return;
  const ScreenSize screen = program.platform.Screen();
  program.ui().Window("MainWindow").Get<BalloonModel>("气球提示框1").Show(screen.width - 100, screen.height - 40,
                                                                        program.app.AlertText);
}

void RunModuleSequence(Program& program, PassMode mode) {
  const auto step = [&](std::string_view name, auto&& module) {
    if (program.passObserver) program.passObserver(name, mode);
    module();
  };
  step("ResetRecommendations", [&] { ResetRecommendations(program); });
  step("CountHotNumbers", [&] { CountHotNumbers(program); });
  step("UpdateChampionOmission", [&] { UpdateChampionOmission(program, mode); });
  step("UpdateCombinationOmission", [&] { UpdateCombinationOmission(program, mode); });
  step("UpdateAttributeGroups", [&] { UpdateAttributeGroups(program, mode); });
  step("RunTrendPlans", [&] { RunTrendPlans(program); });
  step("RunSkyPlans", [&] { RunSkyPlans(program); });
  step("RunKillFeedPlan", [&] { RunKillFeedPlan(program); });
  step("RunKillFormulas", [&] { RunKillFormulas(program); });
  step("ShowRecommendations", [&] { ShowRecommendations(program); });
  step("ShowAlertBalloon", [&] { ShowAlertBalloon(program); });
  step("LogRecommendations", [&] { LogRecommendations(program); });
  step("ShowTrendCurves", [&] { ShowTrendCurves(program); });
  step("FillExtremeLists", [&] { FillExtremeLists(program); });
}

}  // namespace

void RunFull(Program& program) {
  UiWindow& main = program.ui().Window("MainWindow");
  main.Get<GridModel>("高级表格_杀一码").SetRowCount(1);
  main.Get<GridModel>("高级表格_天空AB跳").SetRowCount(1);
  program.plans.SkyFullRun = 1;
  program.plans.SkyGridNextRow = 1;
  program.kills.FullRun = 1;
  RunModuleSequence(program, PassMode::Full);
}

void RunIncremental(Program& program) {
  program.plans.SkyFullRun = 0;
  program.kills.FullRun = 0;
  RunModuleSequence(program, PassMode::Incremental);
}

}  // namespace pk
