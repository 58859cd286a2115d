// Start-up against the in-process simulator: the order and effects of every step, the
// store prepared and opened on the calling thread and loaded by a worker, and the
// refusal of a second instance.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "app/main_window_behaviour.h"
#include "app/program.h"
#include "app/recording_platform.h"
#include "app/start_up.h"
#include "app/ui/main_window_controls.h"
#include "app/ui/ui_models.h"
#include "app/version.h"
#include "base/ini.h"
#include "base/web_sources.h"
#include "pk10sim/sim_server.h"
#include "settings/settings_file.h"
#include "stats/extremes_loading.h"
#include "store/store_files.h"
#include "support/temp_home.h"

namespace pk {
namespace {

const DateTime kServerNow = MakeDateTime(2026, 3, 1, 10, 3, 10);

struct StartUpTest : testing::Test {
  test::TempHome home;
  RecordingPlatform platform;
  sim::SimServer server{sim::SimOptions{.seed = 3, .start = kServerNow, .speed = 0}};
  std::unique_ptr<Program> program;

  std::string Ini() const { return SettingsFilePath(home.Path()); }
  std::string Store() const { return DataFilePath(home.Path(), kExtremesFileName); }

  void SetUp() override {
    server.Start();
    SaveWebSources(IniFile(Ini()), WebSources::AllAt(server.BaseAddress()));
  }
  void MakeProgram() { program = std::make_unique<Program>(platform, home.Path()); }
  void TearDown() override {
    if (program) program->workers.WaitIdle();
    program.reset();
    server.Stop();
  }
  UiWindow& Main() { return program->ui().Window(kMainWindow); }
};

TEST_F(StartUpTest, EveryStepTakesEffectAndTheExtremesLoadOnAWorkerAfterTheCallReturned) {
  MakeProgram();
  platform.SetProcessNames({OwnExecutableName(), "bash"});
  const int designedHeight = Main().Model().Height();
  {
    // Held here, the lock keeps the loading worker waiting: start-up must not wait for it.
    std::lock_guard lock(program->drawLock);
    RunStartUp(*program);
    EXPECT_TRUE(program->stats.CombinationTable[0][0].combination.empty());
    EXPECT_NE(program->store, nullptr);  // opened on this thread
  }
  program->workers.WaitIdle();
  EXPECT_FALSE(program->stats.CombinationTable[0][0].combination.empty());
  EXPECT_NE(Main().Get<StatusBarModel>("状态条1").PartText(0), kExtremesUnreadableText);

  EXPECT_EQ(program->app.ProgramVersion, ProgramVersionText());
  EXPECT_EQ(Main().Model().Caption(), std::string(kMainWindowTitle) + ProgramVersionText());
  EXPECT_EQ(Main().Get<EditModel>("日期框").Text(), "2026-03-01");
  EXPECT_EQ(program->app.Clock.ServerTime()->seconds / 60, kServerNow.seconds / 60);
  EXPECT_FALSE(program->app.Tips.empty());  // the first read took the bulletin's texts
  EXPECT_TRUE(std::filesystem::is_directory(std::filesystem::path(home.Path()) / "log"));
  EXPECT_TRUE(std::filesystem::exists(Store()));
  EXPECT_FALSE(std::filesystem::exists(DataFilePath(home.Path(), "date.zip")));
  EXPECT_EQ(IniFile(Ini()).Read("Date", "Last_Update"), "2015-04-05 16:24:11");

  EXPECT_EQ(program->app.OsName, "？");
  EXPECT_EQ(Main().Model().Height(), designedHeight);
  const auto cars = Main().Get<AnimationModel>("动画框1").Objects();
  ASSERT_EQ(cars.size(), 10u);
  EXPECT_EQ(cars[9].picture, 9);
  EXPECT_EQ(cars[9].x, 9 * 29 + 4);
  EXPECT_EQ(Main().Get<ButtonModel>("按钮_获取数据").FocusRequests(), 1);
  const TrayIconModel& tray = Main().Get<TrayIconModel>(kTrayIcon);
  EXPECT_TRUE(tray.Present());
  EXPECT_EQ(tray.Icon(), kProgramIcon);
  EXPECT_EQ(tray.Tip(), "岚驰PK10演算工具");
  EXPECT_EQ(Main().Get<TimerModel>(kTipTimer).Period(), 10000);
  EXPECT_TRUE(platform.Messages().empty());
  EXPECT_EQ(platform.EndRequests(), 0);
  // Loaded hidden.
  EXPECT_FALSE(program->ui().Window("SettingsWindow").Model().Visible());
  EXPECT_FALSE(program->ui().Window("LogWindow").Model().Visible());
}

TEST_F(StartUpTest, AnOlderStoreInPlaceIsReplacedByTheCarriedOne) {
  IniFile(Ini()).Write("Date", "Last_Update", "2015-04-05 16:24:10");
  { std::ofstream(Store()) << "not a store"; }
  MakeProgram();
  RunStartUp(*program);
  program->workers.WaitIdle();
  EXPECT_GT(std::filesystem::file_size(Store()), 1000u);
  EXPECT_FALSE(program->stats.CombinationTable[0][0].combination.empty());
  EXPECT_EQ(IniFile(Ini()).Read("Date", "Last_Update"), "2015-04-05 16:24:11");
  EXPECT_EQ(program->app.LastUpdate, MakeDateTime(2015, 4, 5, 16, 24, 10));
}

TEST_F(StartUpTest, ASecondInstanceIsToldAndNothingElseHappens) {
  MakeProgram();
  platform.SetProcessNames({OwnExecutableName(), "bash", OwnExecutableName()});
  RunStartUp(*program);
  program->workers.WaitIdle();

  ASSERT_EQ(platform.Messages().size(), 1u);
  EXPECT_EQ(platform.Messages()[0].text, "软件已运行，请勿重复运行！");
  EXPECT_EQ(platform.Messages()[0].title, "重复运行");
  EXPECT_EQ(platform.EndRequests(), 1);
  EXPECT_EQ(Main().Get<EditModel>("日期框").Text(), "");
  EXPECT_FALSE(std::filesystem::exists(std::filesystem::path(home.Path()) / "log"));
  EXPECT_FALSE(std::filesystem::exists(Store()));
  EXPECT_EQ(program->store, nullptr);
  EXPECT_FALSE(Main().Get<TrayIconModel>(kTrayIcon).Present());
  EXPECT_EQ(Main().Get<TimerModel>(kTipTimer).Period(), 0);
}

TEST(SecondInstance, CountsExactNamesIncludingItself) {
  EXPECT_FALSE(HasSecondInstance({"pkcalc", "bash"}, "pkcalc"));
  EXPECT_TRUE(HasSecondInstance({"pkcalc", "bash", "pkcalc"}, "pkcalc"));
  EXPECT_FALSE(HasSecondInstance({"pkcalc", "PKCALC", "pkcalc.exe", "pkcalc "}, "pkcalc"));
  EXPECT_FALSE(HasSecondInstance({}, "pkcalc"));
}

TEST(OsName, VersionNumbersNameTheKnownSystemsOnly) {
  struct Case {
    int major, minor;
    const char* name;
  };
  const Case cases[] = {{5, 0, "Windows 2000"}, {5, 1, "WinXP"}, {5, 2, "Windows Server 2003"},
                        {6, 0, "Vista"},        {6, 1, "Win7"},  {6, 2, "？"},
                        {10, 0, "？"},          {4, 10, "Windows 2000"},   {0, 0, "？"}};
  for (const Case& c : cases) EXPECT_EQ(OsNameOfVersion(c.major, c.minor), c.name) << c.major << "." << c.minor;
}

}  // namespace
}  // namespace pk
