// The extremes window's computation end to end over a staging table of 500,000 draws: every
// kind ticked (twelve jobs, kill_one and kill_one_4 included), from the click on "开始演算"
// to the last job's finish step. Each run gets fresh copies of the delivered extremes
// store and of the big staging file (the finish step trims the staging table and the
// first run raises extremes), and a fresh program, so that the draws are read again.
//
// Besides the whole run, the read of the draw snapshot from the staging file alone.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "app/program.h"
#include "app/recording_platform.h"
#include "app/ui/ui_models.h"
#include "base/ini.h"
#include "base/web_sources.h"
#include "settings/settings_file.h"
#include "store/database_preparation.h"
#include "store/draw_store.h"
#include "store/record_set.h"
#include "store/staging_file.h"
#include "store/statements.h"
#include "store/store_files.h"
#include "store/store_reads.h"
#include "workshop/extremes_jobs.h"
#include "workshop/extremes_window.h"

namespace {

using namespace pk;

constexpr int64_t kStagingDraws = 500'000;
constexpr int64_t kFirstNewPeriod = 472547;  // after the nine draws of the fresh staging file

std::filesystem::path BenchFolder(const std::string& name) {
  return std::filesystem::temp_directory_path() / ("pkcalc-workshop-bench-" + name);
}

// A data folder with the delivered date.dat and a staging table of kStagingDraws draws,
// made once per process. The web sources point at a closed loopback port, so the finish
// step's web time read fails at once.
const std::filesystem::path& TemplateHome() {
  static const std::filesystem::path home = [] {
    const std::filesystem::path folder = BenchFolder("template");
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    const IniFile ini(SettingsFilePath(folder.string()));
    SaveWebSources(ini, WebSources::AllAt("http://127.0.0.1:1"));
    RecordingPlatform platform;
    PrepareDatabaseFile(folder.string(), BuiltInDataStamp(), ini, platform);
    EnsureStagingFile(folder.string());

    DrawStore staging(DataFilePath(folder.string(), kStagingFileName), kStagingPassword);
    std::mt19937_64 random(11);
    std::array<int, 10> cars{};
    std::iota(cars.begin(), cars.end(), 1);
    std::vector<std::string> draw(11);
    staging.Begin();
    for (int64_t i = 0; i < kStagingDraws - 9; ++i) {
      std::shuffle(cars.begin(), cars.end(), random);
      draw[0] = std::to_string(kFirstNewPeriod + i);
      for (int p = 0; p < 10; ++p) draw[p + 1] = (cars[p] < 10 ? "0" : "") + std::to_string(cars[p]);
      staging.Run(InsertFetchedDraw(draw));
    }
    staging.Commit();
    return folder;
  }();
  return home;
}

void CopyHome(const std::filesystem::path& from, const std::filesystem::path& to) {
  std::filesystem::remove_all(to);
  std::filesystem::copy(from, to, std::filesystem::copy_options::recursive);
}

void BM_WorkshopAllKinds(benchmark::State& state) {
  const std::filesystem::path work = BenchFolder("run");
  int64_t rows = 0;
  for (auto _ : state) {
    state.PauseTiming();
    CopyHome(TemplateHome(), work);
    {
      RecordingPlatform platform;
      Program program(platform, work.string());
      ExtremesWorkshop& workshop = program.extremesWorkshop();
      workshop.Open();
      for (const ExtremesKind& kind : ExtremesKinds())
        workshop.window().Get<ButtonModel>(kind.checkBox).SetChecked(true);
      state.ResumeTiming();

      workshop.window().Get<ButtonModel>("按钮_开始演算").Click();
      workshop.WaitForJobs();

      state.PauseTiming();
      rows = workshop.window().Get<ReportListModel>("超级列表框1").ItemCount();
      if (workshop.state().drawCount != kStagingDraws) state.SkipWithError("the staging table was not read whole");
    }
    state.ResumeTiming();
  }
  std::filesystem::remove_all(work);
  state.counters["draws"] = static_cast<double>(kStagingDraws);
  state.counters["raised_rows"] = static_cast<double>(rows);
}
BENCHMARK(BM_WorkshopAllKinds)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void BM_StagingSnapshotRead(benchmark::State& state) {
  DrawStore staging(DataFilePath(TemplateHome().string(), kStagingFileName), kStagingPassword);
  for (auto _ : state) {
    RecordSet records(staging);
    WorkshopDraws draws;
    ReadAllDraws(records, [&](const std::array<std::string, 10>& texts) {
      draws.AppendTexts(std::span<const std::string>(texts));
    });
    benchmark::DoNotOptimize(draws);
  }
  state.counters["draws"] = static_cast<double>(kStagingDraws);
}
BENCHMARK(BM_StagingSnapshotRead)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
