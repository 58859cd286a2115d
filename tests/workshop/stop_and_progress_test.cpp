// Driving a computation: the progress it reports, and a stop that returns the rows finished
// so far. The same for the fast and the reference version of each computation.
#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "history_builders.h"
#include "store/table_keys.h"
#include "workshop/combination_extremes.h"
#include "workshop/kill_rule_extremes.h"
#include "workshop/trend_extremes.h"

namespace pk {
namespace {

using Computation = std::function<ExtremesOutcome(const ExtremesControl&, ExtremesMethod)>;

struct Named {
  const char* name;
  Computation compute;
  int64_t total;     // the progress total the workshop shows
  int64_t last_done;  // the units done at the end
};

std::vector<StoredExtreme> ExposeAll(const std::vector<std::string>& keys) {
  std::vector<StoredExtreme> rows;
  for (const std::string& key : keys) rows.push_back({key, "-1"});
  return rows;
}

std::vector<Named> Computations() {
  static std::mt19937_64 random(5);
  static const WorkshopDraws draws = testing_history::RandomOrders(400, random);
  static const auto combinations = ExposeAll(CombinationKeys(3));
  static const auto rules = ExposeAll(KillRuleKeys(3));
  static const TrendTable trend = [] {
    TrendTable table;
    table.columns = TrendColumns(7);
    table.columns.resize(12);
    table.patterns = TrendPatterns();
    table.stored.assign(table.patterns.size(), std::vector<std::string>(table.columns.size(), "-1"));
    return table;
  }();
  return {
      {"combination omission",
       [](const ExtremesControl& c, ExtremesMethod m) { return ComputeCombinationExtremes(draws, combinations, c, m); },
       120, 120},
      // rows × (columns + 1), of which rows × columns get done
      {"trend runs", [](const ExtremesControl& c, ExtremesMethod m) { return ComputeTrendExtremes(draws, trend, c, m); },
       60 * 13, 60 * 12},
      {"kill rule opens",
       [](const ExtremesControl& c, ExtremesMethod m) { return ComputeKillRuleExtremes(draws, rules, 399, c, m); },
       340, 340},
  };
}

TEST(StopAndProgress, ProgressRisesToTheTotal) {
  for (const Named& computation : Computations()) {
    for (ExtremesMethod method : {ExtremesMethod::kFast, ExtremesMethod::kReference}) {
      std::vector<std::pair<int64_t, int64_t>> reports;
      ExtremesControl control;
      control.progress = [&](int64_t done, int64_t total) { reports.emplace_back(done, total); };
      computation.compute(control, method);
      ASSERT_FALSE(reports.empty()) << computation.name;
      for (size_t i = 0; i < reports.size(); ++i) {
        EXPECT_EQ(reports[i].second, computation.total) << computation.name;
        if (i > 0) EXPECT_GT(reports[i].first, reports[i - 1].first) << computation.name;
      }
      EXPECT_EQ(reports.back().first, computation.last_done) << computation.name;
    }
  }
}

TEST(StopAndProgress, StopKeepsTheRowsFinishedSoFar) {
  for (const Named& computation : Computations()) {
    for (ExtremesMethod method : {ExtremesMethod::kFast, ExtremesMethod::kReference}) {
      const ExtremesOutcome whole = computation.compute({}, method);
      ASSERT_FALSE(whole.stopped);

      std::stop_source stopped_before;
      stopped_before.request_stop();
      const ExtremesOutcome none = computation.compute({stopped_before.get_token(), {}}, method);
      EXPECT_TRUE(none.stopped) << computation.name;
      EXPECT_TRUE(none.rows.empty()) << computation.name;

      // Stop at the first progress report: what comes back is the beginning of the whole.
      std::stop_source source;
      ExtremesControl control{source.get_token(), [&](int64_t, int64_t) { source.request_stop(); }};
      const ExtremesOutcome part = computation.compute(control, method);
      EXPECT_TRUE(part.stopped) << computation.name;
      ASSERT_LT(part.rows.size(), whole.rows.size()) << computation.name;
      EXPECT_TRUE(std::equal(part.rows.begin(), part.rows.end(), whole.rows.begin())) << computation.name;
    }
  }
}

}  // namespace
}  // namespace pk
