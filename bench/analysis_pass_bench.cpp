// The analysis pass over a day of draws (179) and over a long history (5,000): a full run,
// and an incremental run after one more draw. Besides the time of the whole pass, each
// module's share is reported as a counter in milliseconds per pass, measured between the
// pass's step notifications.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <map>
#include <mutex>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "app/analysis_pass.h"
#include "app/draw_history.h"
#include "app/program.h"
#include "app/recording_platform.h"

namespace {

using namespace pk;
using Clock = std::chrono::steady_clock;

std::string TwoDigits(int number) { return (number < 10 ? "0" : "") + std::to_string(number); }

// The k-code combinations of "1234567890" in order, the first `count` of them.
std::vector<std::string> Combinations(int k, size_t count) {
  const std::string alphabet = "1234567890";
  std::vector<std::string> out;
  std::vector<int> pick(k);
  std::iota(pick.begin(), pick.end(), 0);
  while (out.size() < count) {
    std::string text;
    for (int i : pick) text += alphabet[i];
    out.push_back(text);
    int i = k - 1;
    while (i >= 0 && pick[i] == 10 - k + i) --i;
    if (i < 0) break;
    ++pick[i];
    for (int j = i + 1; j < k; ++j) pick[j] = pick[j - 1] + 1;
  }
  return out;
}

// An empty data folder for one program, removed afterwards.
struct ScratchHome {
  std::string path;
  ScratchHome() {
    std::string pattern = (std::filesystem::temp_directory_path() / "pkcalc-bench-XXXXXX").string();
    path = mkdtemp(pattern.data()) ? pattern : ".";
  }
  ~ScratchHome() {
    std::error_code ignored;
    if (path != ".") std::filesystem::remove_all(path, ignored);
  }
};

// A program holding `draws` random draws and trend tables with records near the runs,
// so that every module has its full work to do.
struct LoadedProgram {
  ScratchHome home;
  RecordingPlatform platform;
  Program program{platform, home.path};
  std::mt19937 random{20150405};
  long nextPeriod = 472000;

  explicit LoadedProgram(int draws) {
    std::vector<std::string> fields;
    for (int i = 0; i < draws; ++i) {
      for (const std::string& number : RandomOrder()) fields.push_back(number);
      fields.insert(fields.end(), {"", std::to_string(nextPeriod++), ""});
    }
    LoadDay(program, fields);

    std::uniform_int_distribution<int> digit(1, 2), record(6, 30);
    auto& trend = program.trend;
    trend.Patterns.clear();
    for (int j = 0; j < 60; ++j) {
      std::string pattern;
      for (int l = 0; l < 9; ++l) pattern += static_cast<char>('0' + digit(random));
      trend.Patterns.push_back(pattern);
    }
    const std::array<int, 3> sizes = {5, 6, 7};
    for (int f = 0; f < 3; ++f) {
      trend.ExtremeTables[f].assign(60, std::vector<std::string>(kTrendCandidates[f]));
      for (auto& row : trend.ExtremeTables[f]) {
        for (auto& cell : row) cell = std::to_string(record(random));
      }
      SetTrendCandidates(program, static_cast<TrendFamily>(f), Combinations(sizes[f], kTrendCandidates[f]));
    }
  }

  std::array<std::string, 10> RandomOrder() {
    std::array<int, 10> cars;
    std::iota(cars.begin(), cars.end(), 1);
    std::shuffle(cars.begin(), cars.end(), random);
    std::array<std::string, 10> numbers;
    for (int p = 0; p < 10; ++p) numbers[p] = TwoDigits(cars[p]);
    return numbers;
  }

  void AppendRandomDraw() { AppendDraw(program, RandomOrder(), std::to_string(nextPeriod++)); }
};

// Sums each module's time over the passes it watches.
class ModuleTimer {
 public:
  explicit ModuleTimer(Program& program) : program_(program) {
    program_.passObserver = [this](std::string_view module, PassMode) { Mark(std::string(module)); };
  }
  ~ModuleTimer() { program_.passObserver = nullptr; }

  template <class Pass>
  void Run(Pass&& pass) {
    pass();
    Mark("");
    ++passes_;
  }

  void Report(benchmark::State& state) const {
    for (const auto& [module, seconds] : totals_) {
      state.counters[module] = benchmark::Counter(seconds * 1e3 / std::max(passes_, 1));
    }
  }

 private:
  void Mark(std::string module) {
    const Clock::time_point now = Clock::now();
    if (!current_.empty()) totals_[current_] += std::chrono::duration<double>(now - started_).count();
    current_ = std::move(module);
    started_ = now;
  }

  Program& program_;
  std::map<std::string, double> totals_;
  std::string current_;
  Clock::time_point started_;
  int passes_ = 0;
};

void FullPass(benchmark::State& state) {
  LoadedProgram loaded(static_cast<int>(state.range(0)));
  Program& program = loaded.program;
  ModuleTimer timer(program);
  for (auto _ : state) {
    std::lock_guard lock(program.drawLock);
    timer.Run([&] { RunFull(program); });
  }
  timer.Report(state);
}

void IncrementalPass(benchmark::State& state) {
  LoadedProgram loaded(static_cast<int>(state.range(0)));
  Program& program = loaded.program;
  {
    std::lock_guard lock(program.drawLock);
    RunFull(program);
  }
  ModuleTimer timer(program);
  for (auto _ : state) {
    std::lock_guard lock(program.drawLock);
    state.PauseTiming();
    loaded.AppendRandomDraw();
    state.ResumeTiming();
    timer.Run([&] { RunIncremental(program); });
  }
  timer.Report(state);
}

BENCHMARK(FullPass)->Arg(179)->Arg(5000)->Unit(benchmark::kMillisecond);
BENCHMARK(IncrementalPass)->Arg(179)->Arg(5000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
