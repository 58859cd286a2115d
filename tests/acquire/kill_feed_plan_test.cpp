#include <gtest/gtest.h>

#include <array>
#include <functional>

#include "acquire_fixture.h"
#include "app/ui/colour.h"
#include "page_server.h"
#include "plans/kill_feed_plan.h"

namespace pk {
namespace {

// The forecast service's answer: 99 judged periods from 200001 on and the coming one.
// Source s kills the code (s + i) % 10 in period i; hit(i, s) says whether it succeeded.
std::string KillFeedPage(const std::function<bool(int period, int source)>& hit, int judged = 99, int sources = 10) {
  std::string json = "{";
  for (int i = 0; i <= judged; ++i) {
    const bool coming = i == judged;
    json += "\"" + std::to_string(200001 + i) + "\":{\"LotteryResult\":\"" + (coming ? "" : "0" + std::to_string(i % 9 + 1) + ",10,01") +
            "\",\"KillNum\":{";
    for (int s = 1; s <= sources; ++s) {
      json += (s > 1 ? "," : "") + std::string("\"") + std::to_string(s) + "\":{\"Num\":\"" + std::to_string((s + i) % 10) +
              "\",\"Check\":" + (!coming && hit(i, s) ? "1" : "0") + "}";
    }
    json += "}}" + std::string(coming ? "" : ",");
  }
  return json + "}";
}

struct KillFeedPlanTest : test::ProgramFixture {
  test::PageServer server;
  KillFeedPlanTest() { program.sources = WebSources::AllAt(server.Base()); }

  GridModel& Grid() { return Main().Get<GridModel>("高级表格_杀一码"); }
  void Serve(const std::string& page) { server.Set(kKillFeedPath, {page}); }
  std::vector<RecommendationRowTexts> Added() {
    const auto& rows = program.stats.Recommendations;
    return {rows.begin() + (rows.front()[0].empty() ? 1 : 0), rows.end()};
  }
};

TEST_F(KillFeedPlanTest, FillsTheGridWithRunsAndRecommendsLongMisses) {
  // Source 3 misses the last four periods, source 5 the last six; everyone else hits
  // except in period 10, where all ten miss.
  Serve(KillFeedPage([](int i, int s) {
    if (i == 10) return false;
    if (s == 3) return i < 95;
    if (s == 5) return i < 93;
    return i != 10;
  }));
  RunKillFeedPlan(program);

  GridModel& grid = Grid();
  ASSERT_EQ(grid.RowCount(), 105);
  EXPECT_EQ(grid.CellText(1, 0), "200001");
  EXPECT_EQ(grid.CellText(1, 1), "1");      // champion code of the result
  EXPECT_EQ(grid.CellText(1, 2), "1");      // source 1's kill code
  EXPECT_EQ(grid.CellText(1, 12), "全对");
  EXPECT_EQ(grid.BackColour(1, 12), kAllHitGreen);
  EXPECT_EQ(grid.CellText(11, 12), "");     // nobody hit: the count stays empty
  EXPECT_EQ(grid.BackColour(11, 2), kMissPink);
  EXPECT_EQ(grid.CellText(99, 12), "8");
  EXPECT_EQ(grid.BackColour(99, 4), kMissPink);
  EXPECT_EQ(grid.CellText(100, 0), "200100");
  EXPECT_EQ(grid.CellText(100, 4), "2");    // source 3's coming kill: (3 + 99) % 10
  EXPECT_EQ(grid.TextColour(100, 4), kBlue);
  EXPECT_EQ(grid.TextColour(50, 1), kBlue);

  const std::vector<std::string> labels = {"当前连对", "当前连错", "最大连对", "最大连错"};
  for (int k = 0; k < 4; ++k) EXPECT_EQ(grid.CellText(101 + k, 0), labels[k]);
  EXPECT_EQ(grid.CellText(101, 2), "88");   // source 1: hits since period 10
  EXPECT_EQ(grid.CellText(102, 2), "0");
  EXPECT_EQ(grid.CellText(103, 2), "88");
  EXPECT_EQ(grid.CellText(104, 2), "1");
  EXPECT_EQ(grid.CellText(102, 4), "4");
  EXPECT_EQ(grid.CellText(102, 6), "6");

  const std::vector<RecommendationRowTexts> expected = {
      {"去：2", "", "4", "", "九码一（三)2期计划"},
      {"去：4", "", "6", "", "九码一（五)0期计划"},
  };
  EXPECT_EQ(Added(), expected);
}

TEST_F(KillFeedPlanTest, SixAllHitPeriodsRecommendTheFamilyAndARefreshRepeatsIt) {
  Serve(KillFeedPage([](int i, int) { return i >= 93; }));  // all hit in the last six periods
  RunKillFeedPlan(program);
  const RecommendationRowTexts family = {"九码一全对", "8", "6", "", "3期计划"};
  ASSERT_EQ(Added(), std::vector<RecommendationRowTexts>{family});
  EXPECT_EQ(Grid().CellText(104, 2), "93");  // the misses before
  EXPECT_EQ(Grid().CellText(103, 2), "6");

  const auto texts = [this] {
    std::vector<std::string> all;
    for (int r = 0; r < Grid().RowCount(); ++r)
      for (int c = 0; c < Grid().ColumnCount(); ++c) all.push_back(Grid().CellText(r, c));
    return all;
  };
  const std::vector<std::string> first = texts();
  RefreshKillFeedPlan(program);  // the button's run: on a worker, under the draw lock
  program.workers.WaitIdle();
  EXPECT_EQ(texts(), first);
  EXPECT_EQ(Added(), (std::vector<RecommendationRowTexts>{family, family}));
}

TEST_F(KillFeedPlanTest, AnUnusableFeedAddsNothingAndKeepsTheLastTexts) {
  Serve(KillFeedPage([](int i, int s) { return !(s == 1 && i > 90); }));
  RunKillFeedPlan(program);
  ASSERT_EQ(Grid().BackColour(95, 2), kMissPink);
  program.stats.Recommendations.assign(1, {});
  const std::vector<std::string> before = {Grid().CellText(95, 0), Grid().CellText(102, 2)};

  const std::vector<std::pair<const char*, std::string>> feeds = {
      {"no forecast", "{\"error\":\"busy\"}"},
      {"99 items", KillFeedPage([](int, int) { return false; }, 98)},
      {"nine sources", KillFeedPage([](int, int) { return false; }, 99, 9)},
      {"garbage", std::string("\x01\xff KillNum }},\x80")},
  };
  for (const auto& [what, page] : feeds) {
    Serve(page);
    RunKillFeedPlan(program);
    EXPECT_EQ(Added().size(), 0u) << what;
    EXPECT_EQ(Grid().CellText(95, 0), before[0]) << what;
    EXPECT_EQ(Grid().CellText(102, 2), before[1]) << what;
    EXPECT_EQ(Grid().BackColour(95, 2), kWhite) << what;  // backgrounds are reset all the same
  }
  server.Remove(kKillFeedPath);  // 404
  RunKillFeedPlan(program);
  EXPECT_EQ(Added().size(), 0u);
}

TEST(KillFeedItems, NeedsAHundredItemsOfTenSources) {
  EXPECT_EQ(KillFeedItems(KillFeedPage([](int, int) { return true; })).size(), 100u);
  EXPECT_TRUE(KillFeedItems(KillFeedPage([](int, int) { return true; }, 98)).empty());
  EXPECT_TRUE(KillFeedItems("").empty());
}

}  // namespace
}  // namespace pk
