#include "plans/kill_feed_plan.h"

#include <array>
#include <cmath>
#include <mutex>

#include "acquire/web_answer.h"
#include "app/ui/colour.h"
#include "app/ui/ui_models.h"
#include "base/numbers.h"
#include "base/page_fetcher.h"
#include "base/text.h"
#include "plans/plan_tracker.h"
#include "stats/recommendations.h"

namespace pk {

namespace {

constexpr const char* kGridName = "高级表格_杀一码";
constexpr int kItemCount = 100;
constexpr int kJudgedRows = 99;    // periods with a result
constexpr int kComingRow = 100;    // the kill codes for the coming period
constexpr int kFirstTrackerRow = 101;
constexpr int kResultColumn = 12;  // sources that hit
constexpr int kChampionCodeColumn = 13;
constexpr std::array<const char*, 10> kSourceHeaders = {"一", "二", "三", "四", "五", "六", "七", "八", "九", "十"};
constexpr std::array<const char*, 4> kTrackerLabels = {"当前连对", "当前连错", "最大连对", "最大连错"};

// Rows 1..104 by columns 1..13, as texts; index 0 unused in both.
using FeedTable = std::array<std::array<std::string, 14>, 105>;

double Number(const std::string& text) { return TextToNumber(text); }
std::string Text(double value) { return NumberToText(value); }

// The runs of one source live as texts in rows 101..104 of its column (an empty cell
// counts as 0; a run that never happened stays empty).
void RecordTextOutcome(FeedTable& table, int column, bool hit) {
  std::string& currentHits = table[kFirstTrackerRow][column];
  std::string& currentMisses = table[kFirstTrackerRow + 1][column];
  std::string& maxHits = table[kFirstTrackerRow + 2][column];
  std::string& maxMisses = table[kFirstTrackerRow + 3][column];
  if (hit) {
    currentHits = Text(Number(currentHits) + 1);
    currentMisses = "0";
    if (Number(maxHits) < Number(currentHits)) maxHits = currentHits;
  } else {
    currentMisses = Text(Number(currentMisses) + 1);
    currentHits = "0";
    if (Number(maxMisses) < Number(currentMisses)) maxMisses = currentMisses;
  }
}

std::string KillCode(const std::string& piece) { return TextBetween(piece, ":", ","); }

}  // namespace

std::vector<std::string> KillFeedItems(std::string_view body) {
  std::string text = ReplaceAll(body, "\"", "");
  if (!Contains(text, "KillNum")) return {};
  std::vector<std::string> items = Split(ReplaceAll(text, "KillNum", ""), "}},");
  if (items.size() < kItemCount) return {};
  for (int i = 0; i < kItemCount; ++i)
    if (Split(items[i], "Num").size() < 11) return {};
  return items;
}

void RunKillFeedPlan(Program& program) {
  GridModel& grid = program.ui().Window("MainWindow").Get<GridModel>(kGridName);
  grid.SetBackColour(CellRange{1, 1, kComingRow, kResultColumn}, kWhite);
  grid.SetRowCount(105);

  std::string headers;
  std::string body = FetchPage(program.sources.killFeed + kKillFeedPath, &headers);
  const std::vector<std::string> items = KillFeedItems(UsableBody(std::move(body), headers));
  if (items.empty()) return;  // the grid keeps the texts of the last forecast read

  FeedTable table;
  int allHitStreak = 0;
  for (int i = 1; i <= kJudgedRows; ++i) {
    const std::string& item = items[i - 1];
    std::array<std::string, 14>& row = table[i];
    row[1] = ReplaceAll(Split(item, ":{").front(), "{", "");
    row[kChampionCodeColumn] = LastChar(TextBetween(item, "LotteryResult:", ","));
    const std::vector<std::string> pieces = Split(item, "Num");
    for (int l = 1; l <= 10; ++l) {
      const std::string& piece = pieces[l];
      row[l + 1] = KillCode(piece);
      const bool success = std::trunc(Number(TextBetween(piece, "Check:", "}"))) == 1;
      if (success) {
        row[kResultColumn] = Text(Number(row[kResultColumn]) + 1);
      } else {
        grid.SetBackColour(i, l + 1, kMissPink);
      }
      RecordTextOutcome(table, l + 1, success);
    }
    allHitStreak = NumbersEqual(Number(row[kResultColumn]), 10) ? allHitStreak + 1 : 0;
  }
  const std::string& coming = items[kComingRow - 1];
  table[kComingRow][1] = coming.substr(0, coming.find(':'));
  const std::vector<std::string> comingPieces = Split(coming, "Num");
  for (int l = 1; l <= 10; ++l) table[kComingRow][l + 1] = KillCode(comingPieces[l]);

  for (int r = 1; r <= kFirstTrackerRow + 3; ++r) {
    const std::array<std::string, 14>& row = table[r];
    std::vector<std::string> texts{row[1], row[kChampionCodeColumn]};
    for (int c = 2; c <= kResultColumn; ++c) texts.push_back(row[c]);
    const bool allHit = NumbersEqual(Number(row[kResultColumn]), 10);
    if (allHit) texts[kResultColumn] = kAllHit;
    grid.SetRowTexts(r, 0, texts);
    if (allHit) grid.SetBackColour(r, kResultColumn, kAllHitGreen);
    if (r != kFirstTrackerRow + 1) continue;
    for (int l = 1; l <= 10; ++l) {
      const double misses = Number(row[l + 1]);
      if (misses < 4) continue;
      AddRecommendation(program, "去：" + table[kComingRow][l + 1], "", Text(misses), "",
                        std::string("九码一（") + kSourceHeaders[l - 1] + ")" + Text(6 - misses) + "期计划");
    }
  }
  if (allHitStreak >= 6)
    AddRecommendation(program, "九码一全对", "8", Text(allHitStreak), "", Text(9 - allHitStreak) + "期计划");

  for (int k = 0; k < 4; ++k) grid.SetCellText(kFirstTrackerRow + k, 0, kTrackerLabels[k]);
  grid.SetTextColour(CellRange{1, 1, kComingRow, 1}, kBlue);
  grid.SetTextColour(CellRange{kComingRow, 2, kComingRow, kResultColumn}, kBlue);
}

void RefreshKillFeedPlan(Program& program) {
  program.workers.Start([&program] {
    std::lock_guard lock(program.drawLock);
    RunKillFeedPlan(program);
  });
}

void SetUpKillFeedRefresh(Program& program) {
  program.ui().Window("MainWindow").Get<ButtonModel>("按钮_九码一刷新").OnClick([&program] {
    RefreshKillFeedPlan(program);
  });
}

}  // namespace pk
