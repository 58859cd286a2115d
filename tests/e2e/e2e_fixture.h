#pragma once
// A program whose data folder points every web source at an in-process simulator on
// loopback, with the simulator's clock standing still until a test moves it.
#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "../acquire/acquire_fixture.h"
#include "app/program.h"
#include "app/recording_platform.h"
#include "app/ui/ui_models.h"
#include "app/draw_history.h"
#include "base/ini.h"
#include "base/text.h"
#include "base/web_sources.h"
#include "pk10sim/sim_server.h"
#include "settings/settings_file.h"

namespace pk::test {

// 10:03:10 operator time: the day's draws up to 10:02:30 are out, the next at 10:07:30.
inline const DateTime kSimStart = MakeDateTime(2026, 3, 1, 10, 3, 10);

struct SimFixture : testing::Test {
  TempHome home;
  sim::SimServer server{sim::SimOptions{.seed = 5, .start = kSimStart, .speed = 0}};
  RecordingPlatform platform;
  std::unique_ptr<Program> program;
  std::atomic<int> fullPasses{0}, incrementalPasses{0};

  void SetUp() override {
    server.Start();
    SaveWebSources(IniFile(SettingsFilePath(home.Path())), WebSources::AllAt(server.BaseAddress()));
    program = std::make_unique<Program>(platform, home.Path());
    program->passObserver = [this](std::string_view module, PassMode mode) {
      if (module == "ResetRecommendations") ++(mode == PassMode::Full ? fullPasses : incrementalPasses);
    };
  }
  void TearDown() override {
    program.reset();  // waits for its jobs
    server.Stop();
  }

  UiWindow& Main() { return program->ui().Window("MainWindow"); }
  std::string Results() { return Main().Get<EditModel>("开奖结果框").Text(); }

  // The simulator's clock moves to this operator time (and stands still there).
  void At(int hour, int minute, int second) { server.SetClock(MakeDateTime(2026, 3, 1, hour, minute, second), 0); }

  void DayFetch() {
    Main().Get<ButtonModel>("按钮_获取数据").Click();
    program->workers.WaitIdle();
  }
  // The countdown reaches zero: one feed step, waited for with the pass it starts.
  void FeedStep() {
    program->stats.Countdown = 0;
    Main().Get<TimerModel>("时钟_倒计时").SetPeriod(1000);
    Main().Get<TimerModel>("时钟_倒计时").Tick();
    program->workers.WaitIdle();
  }

  // The held draws match the simulator's, period by period, with no gap.
  void ExpectHistoryMatchesSimulator() {
    ASSERT_FALSE(program->history.empty());
    int64_t expected = std::stoll(program->history.front()[kPeriodColumn]);
    for (const DrawRecord& row : program->history) {
      ASSERT_EQ(row[kPeriodColumn], std::to_string(expected));
      const sim::Draw draw = server.Draws().At(expected);
      for (int p = 1; p <= 10; ++p) ASSERT_EQ(std::stoi(row[p]), draw.numbers[p - 1]) << expected << " position " << p;
      ++expected;
    }
  }
  int64_t NewestHeld() { return std::stoll(program->history.back()[kPeriodColumn]); }
};

}  // namespace pk::test
