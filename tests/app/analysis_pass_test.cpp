#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/analysis_pass.h"
#include "app/recording_platform.h"
#include "support/temp_home.h"
#include "app/ui/ui_models.h"

namespace pk {
namespace {

struct PassStep {
  std::string module;
  PassMode mode;
  int skyFullRun, skyGridNextRow, killFullRun;
  int killGridRows, jumpGridRows;  // row counts of the two grids a full run empties first
  bool operator==(const PassStep&) const = default;
};

struct AnalysisPassTest : testing::Test {
  test::TempHome home;
  RecordingPlatform platform;
  Program program{platform, home.Path()};
  std::vector<PassStep> steps;

  void SetUp() override {
    platform.SetScreen({1280, 800});
    program.passObserver = [this](std::string_view module, PassMode mode) {
      steps.push_back({std::string(module), mode, program.plans.SkyFullRun, program.plans.SkyGridNextRow,
                       program.kills.FullRun, Main().Get<GridModel>("高级表格_杀一码").RowCount(),
                       Main().Get<GridModel>("高级表格_天空AB跳").RowCount()});
    };
  }
  UiWindow& Main() { return program.ui().Window("MainWindow"); }
};

const std::vector<std::string> kSequence = {
    "ResetRecommendations", "CountHotNumbers",  "UpdateChampionOmission", "UpdateCombinationOmission",
    "UpdateAttributeGroups", "RunTrendPlans",   "RunSkyPlans",            "RunKillFeedPlan",
    "RunKillFormulas",       "ShowRecommendations", "ShowAlertBalloon",   "LogRecommendations",
    "ShowTrendCurves",       "FillExtremeLists"};

TEST_F(AnalysisPassTest, FullRunEmptiesTwoGridsSetsFlagsAndRunsEveryModuleInOrder) {
  Main().Get<GridModel>("高级表格_杀一码").SetRowCount(7);
  Main().Get<GridModel>("高级表格_天空AB跳").SetRowCount(9);
  program.plans.SkyGridNextRow = 5;
  program.app.AlertText = "结果：03";

  RunFull(program);

  // Both grids are down to their header rows before the first module runs.
  ASSERT_EQ(steps.size(), kSequence.size());
  EXPECT_EQ(steps[0], (PassStep{kSequence[0], PassMode::Full, 1, 1, 1, 1, 1}));
  for (size_t i = 0; i < steps.size(); ++i) {
    EXPECT_EQ(steps[i].module, kSequence[i]) << i;
    EXPECT_EQ(steps[i].mode, PassMode::Full) << i;
  }
  const auto shown = Main().Get<BalloonModel>("气球提示框1").Shown();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0], (BalloonShow{1180, 760, program.app.AlertText}));
}

TEST_F(AnalysisPassTest, IncrementalRunKeepsSkyGridRowAndGrids) {
  Main().Get<GridModel>("高级表格_天空AB跳").SetRowCount(9);
  program.plans.SkyFullRun = 1;
  program.kills.FullRun = 1;
  program.plans.SkyGridNextRow = 6;

  RunIncremental(program);

  ASSERT_EQ(steps.size(), kSequence.size());
  EXPECT_EQ(steps[0], (PassStep{kSequence[0], PassMode::Incremental, 0, 6, 0, 1, 9}));
  for (size_t i = 0; i < steps.size(); ++i) {
    EXPECT_EQ(steps[i].module, kSequence[i]) << i;
    EXPECT_EQ(steps[i].mode, PassMode::Incremental) << i;
  }
}

TEST_F(AnalysisPassTest, LockedScreenShowsNoBalloon) {
  program.app.Locked = 1;
  RunFull(program);
  RunIncremental(program);
  EXPECT_TRUE(Main().Get<BalloonModel>("气球提示框1").Shown().empty());
  EXPECT_EQ(steps.size(), 2 * kSequence.size());
}

}  // namespace
}  // namespace pk
