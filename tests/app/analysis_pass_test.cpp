#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/analysis_pass.h"
#include "app/recording_platform.h"
#include "app/ui/ui_models.h"

namespace pk {
namespace {

struct PassStep {
  std::string module;
  PassMode mode;
  int skyFullRun, skyGridNextRow, killFullRun;
  bool operator==(const PassStep&) const = default;
};

struct AnalysisPassTest : testing::Test {
  RecordingPlatform platform;
  Program program{platform, "."};
  std::vector<PassStep> steps;

  void SetUp() override {
    platform.SetScreen({1280, 800});
    program.passObserver = [this](std::string_view module, PassMode mode) {
      steps.push_back({std::string(module), mode, program.plans.SkyFullRun, program.plans.SkyGridNextRow,
                       program.kills.FullRun});
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

  ASSERT_EQ(steps.size(), kSequence.size());
  for (size_t i = 0; i < steps.size(); ++i) {
    EXPECT_EQ(steps[i], (PassStep{kSequence[i], PassMode::Full, 1, 1, 1})) << i;
  }
  EXPECT_EQ(Main().Get<GridModel>("高级表格_杀一码").RowCount(), 1);
  EXPECT_EQ(Main().Get<GridModel>("高级表格_天空AB跳").RowCount(), 1);
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
  for (size_t i = 0; i < steps.size(); ++i) {
    EXPECT_EQ(steps[i], (PassStep{kSequence[i], PassMode::Incremental, 0, 6, 0})) << i;
  }
  EXPECT_EQ(Main().Get<GridModel>("高级表格_天空AB跳").RowCount(), 9);
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
