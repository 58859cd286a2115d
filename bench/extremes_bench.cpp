// The extremes computations, fast against literal, in one run:
// - reference and fast versions of each computation on the same 100,000-draw history;
// - the fast versions alone on 1,000,000 draws;
// then a summary with the speed-ups, the checks the engine is held to, and the peak memory.
//
// The literal trend procedure takes minutes on 100,000 draws; it is measured on a few
// columns of each trend table (every row) and scaled to all columns, which is exact enough
// because every column costs the same: nine passes over all draws per row.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "store/table_keys.h"
#include "workshop/combination_extremes.h"
#include "workshop/kill_rule_extremes.h"
#include "workshop/trend_extremes.h"

namespace {

using namespace pk;

constexpr size_t kReferenceDraws = 100'000;
constexpr size_t kLargeDraws = 1'000'000;
constexpr size_t kReferenceTrendColumnsPerTable = 2;

WorkshopDraws RandomHistory(size_t count, uint64_t seed) {
  std::mt19937_64 random(seed);
  WorkshopDraws draws;
  draws.Reserve(count);
  std::array<uint8_t, 10> cars{};
  std::iota(cars.begin(), cars.end(), uint8_t{1});
  for (size_t i = 0; i < count; ++i) {
    std::shuffle(cars.begin(), cars.end(), random);
    draws.AppendNumbers(cars);
  }
  return draws;
}

std::vector<StoredExtreme> Rows(const std::vector<std::string>& keys) {
  std::vector<StoredExtreme> rows;
  for (const std::string& key : keys) rows.push_back({key, ""});
  return rows;
}

struct Workload {
  std::vector<std::vector<StoredExtreme>> combination_tables;  // sizes 2..9
  std::vector<TrendTable> trend_tables;                        // sizes 5..7
  std::vector<TrendTable> trend_subsets;                       // a few columns of each
  std::vector<std::vector<StoredExtreme>> kill_tables;         // kill_one, kill_one_4
  size_t trend_columns = 0;
  size_t trend_subset_columns = 0;

  Workload() {
    for (int size = kMinCombinationSize; size <= kMaxCombinationSize; ++size)
      combination_tables.push_back(Rows(CombinationKeys(size)));
    for (int size = kMinTrendSize; size <= kMaxTrendSize; ++size) {
      TrendTable table;
      table.columns = TrendColumns(size);
      table.patterns = TrendPatterns();
      trend_columns += table.columns.size();
      TrendTable subset = table;
      subset.columns.resize(kReferenceTrendColumnsPerTable);
      trend_subset_columns += subset.columns.size();
      trend_tables.push_back(std::move(table));
      trend_subsets.push_back(std::move(subset));
    }
    kill_tables.push_back(Rows(KillRuleKeys(3)));
    kill_tables.push_back(Rows(KillRuleKeys(4)));
  }
};

const Workload& Tables() {
  static const Workload workload;
  return workload;
}

const WorkshopDraws& History(size_t count) {
  static std::map<size_t, WorkshopDraws> histories;
  auto it = histories.find(count);
  if (it == histories.end()) it = histories.emplace(count, RandomHistory(count, 20150405)).first;
  return it->second;
}

size_t Combinations(const WorkshopDraws& draws, ExtremesMethod method) {
  size_t rows = 0;
  for (const auto& table : Tables().combination_tables)
    rows += ComputeCombinationExtremes(draws, table, {}, method).rows.size();
  return rows;
}

size_t Trends(const WorkshopDraws& draws, ExtremesMethod method, const std::vector<TrendTable>& tables) {
  size_t rows = 0;
  for (const auto& table : tables) rows += ComputeTrendExtremes(draws, table, {}, method).rows.size();
  return rows;
}

size_t Kills(const WorkshopDraws& draws, ExtremesMethod method) {
  size_t rows = 0;
  const int64_t v = static_cast<int64_t>(draws.size()) - 1;
  for (const auto& table : Tables().kill_tables)
    rows += ComputeKillRuleExtremes(draws, table, v, {}, method).rows.size();
  return rows;
}

// Keeps every benchmark's time per iteration (milliseconds) for the summary.
class SummaryReporter : public benchmark::ConsoleReporter {
 public:
  std::map<std::string, double> milliseconds;

  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs)
      if (run.run_type == Run::RT_Iteration) milliseconds[run.run_name.function_name] = run.GetAdjustedRealTime();
    ConsoleReporter::ReportRuns(runs);
  }
};

// Each iteration is one computation run over a snapshot just read: a fresh copy of the
// history (made outside the timing), so that nothing derived from an earlier run is reused.
void Register(const std::string& name, size_t draws, bool once,
              std::function<size_t(const WorkshopDraws&)> work) {
  auto* bench = benchmark::RegisterBenchmark(name.c_str(), [draws, work](benchmark::State& state) {
    size_t rows = 0;
    for (auto _ : state) {
      state.PauseTiming();
      const WorkshopDraws snapshot = History(draws);
      state.ResumeTiming();
      benchmark::DoNotOptimize(rows = work(snapshot));
    }
    state.counters["rows"] = static_cast<double>(rows);
  });
  bench->Unit(benchmark::kMillisecond)->UseRealTime();
  if (once) bench->Iterations(1);
}

void RegisterAll() {
  using M = ExtremesMethod;
  const auto& tables = Tables();
  Register("combination/reference/100k", kReferenceDraws, true,
           [](const WorkshopDraws& d) { return Combinations(d, M::kReference); });
  Register("combination/fast/100k", kReferenceDraws, false,
           [](const WorkshopDraws& d) { return Combinations(d, M::kFast); });
  Register("trend/reference-subset/100k", kReferenceDraws, true,
           [&](const WorkshopDraws& d) { return Trends(d, M::kReference, tables.trend_subsets); });
  Register("trend/fast-subset/100k", kReferenceDraws, false,
           [&](const WorkshopDraws& d) { return Trends(d, M::kFast, tables.trend_subsets); });
  Register("trend/fast/100k", kReferenceDraws, false,
           [&](const WorkshopDraws& d) { return Trends(d, M::kFast, tables.trend_tables); });
  Register("kill/reference/100k", kReferenceDraws, true, [](const WorkshopDraws& d) { return Kills(d, M::kReference); });
  Register("kill/fast/100k", kReferenceDraws, false, [](const WorkshopDraws& d) { return Kills(d, M::kFast); });
  Register("combination/fast/1m", kLargeDraws, false, [](const WorkshopDraws& d) { return Combinations(d, M::kFast); });
  Register("trend/fast/1m", kLargeDraws, false,
           [&](const WorkshopDraws& d) { return Trends(d, M::kFast, tables.trend_tables); });
  Register("kill/fast/1m", kLargeDraws, false, [](const WorkshopDraws& d) { return Kills(d, M::kFast); });
}

void PrintSummary(const std::map<std::string, double>& ms) {
  const auto get = [&](const char* name) {
    const auto it = ms.find(name);
    return it == ms.end() ? 0.0 : it->second;
  };
  const double scale = static_cast<double>(Tables().trend_columns) / static_cast<double>(Tables().trend_subset_columns);
  const double combination_reference = get("combination/reference/100k");
  const double trend_reference = get("trend/reference-subset/100k") * scale;
  const double kill_reference = get("kill/reference/100k");
  const double combination_fast = get("combination/fast/100k");
  const double trend_fast = get("trend/fast/100k");
  const double kill_fast = get("kill/fast/100k");
  const double all_large = get("combination/fast/1m") + get("trend/fast/1m") + get("kill/fast/1m");
  const auto ratio = [](double slow, double fast) { return fast > 0 ? slow / fast : 0.0; };
  const auto verdict = [](bool ok) { return ok ? "met" : "NOT MET"; };
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  const double peak_mb = static_cast<double>(usage.ru_maxrss) / 1024.0;

  std::printf("\nSpeed-up over the literal procedure on %zu draws (same history, same run):\n", kReferenceDraws);
  std::printf("  combination omission  %10.1f ms -> %8.2f ms  %8.0fx  (target 50x: %s)\n", combination_reference,
              combination_fast, ratio(combination_reference, combination_fast),
              verdict(ratio(combination_reference, combination_fast) >= 50));
  std::printf("  trend runs            %10.1f ms -> %8.2f ms  %8.0fx  (target 500x: %s)\n", trend_reference, trend_fast,
              ratio(trend_reference, trend_fast), verdict(ratio(trend_reference, trend_fast) >= 500));
  std::printf("      literal trend time measured on %zu of %zu columns (all 60 rows) and scaled by %.1f;\n"
              "      on those columns alone the fast version is %.0fx faster\n",
              Tables().trend_subset_columns, Tables().trend_columns, scale,
              ratio(get("trend/reference-subset/100k"), get("trend/fast-subset/100k")));
  std::printf("  kill rule opens       %10.1f ms -> %8.2f ms  %8.0fx  (target 50x: %s)\n", kill_reference, kill_fast,
              ratio(kill_reference, kill_fast), verdict(ratio(kill_reference, kill_fast) >= 50));
  std::printf("All three fast on %zu draws: %.1f ms (combination %.1f, trend %.1f, kill %.1f)\n", kLargeDraws,
              all_large, get("combination/fast/1m"), get("trend/fast/1m"), get("kill/fast/1m"));
  std::printf("  against the literal combination omission on %zu draws, %.1f ms: %s\n", kReferenceDraws,
              combination_reference, verdict(all_large < combination_reference));
  std::printf("Peak memory of this whole run: %.0f MB (target for %zu draws: under 200 MB: %s)\n", peak_mb,
              kLargeDraws, verdict(peak_mb < 200));
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  RegisterAll();
  SummaryReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  PrintSummary(reporter.milliseconds);
  benchmark::Shutdown();
  return 0;
}
