#include "stats/recommendations.h"

#include "app/ui/main_window_controls.h"
#include "app/ui/ui_models.h"
#include "base/gbk.h"
#include "stats/sort_report_list.h"

namespace pk {

namespace {

constexpr int kTrayFlashPeriodMs = 600;

ReportListModel& RecommendationBox(Program& program) {
  return program.ui().Window(kMainWindow).Get<ReportListModel>("推荐框");
}

// Tabs between the codes and the remark of an alert line, so that remarks line up
// whatever the width of the codes.
std::string AlertTabs(const std::string& codes) {
  const size_t bytes = GbkLength(codes);
  if (bytes <= 5) return "\t\t\t";
  if (bytes <= 10) return "\t\t";
  return "\t";
}

}  // namespace

void ResetRecommendations(Program& program) {
  program.stats.Recommendations.assign(1, RecommendationRowTexts{});
  program.stats.RecommendationRow = 1;
  RecommendationBox(program).DeleteAll();
}

void AddRecommendation(Program& program, std::string codes, std::string extreme, std::string current,
                       std::string distance, std::string remark) {
  StatsState& stats = program.stats;
  RecommendationRowTexts row{std::move(codes), std::move(extreme), std::move(current), std::move(distance),
                             std::move(remark)};
  if (stats.Recommendations.empty()) stats.Recommendations.resize(1);
  if (stats.Recommendations.front()[0].empty()) {
    stats.Recommendations.front() = std::move(row);
    return;
  }
  stats.Recommendations.push_back(std::move(row));
  stats.RecommendationRow = static_cast<int32_t>(stats.Recommendations.size());
}

void ShowRecommendations(Program& program) {
  ReportListModel& box = RecommendationBox(program);
  box.DeleteAll();

  std::string alert = "结果：";
  if (!program.history.empty()) alert += program.history.back()[kChampionColumn];

  const auto& rows = program.stats.Recommendations;
  for (size_t r = 0; r < rows.size(); ++r) {
    const int item = box.InsertItem();
    box.SetItemTexts(item, {rows[r].begin(), rows[r].end()});
    // The hot-number row is shown but never alerted.
    if (r >= 1) alert += "\r\n" + rows[r][0] + AlertTabs(rows[r][0]) + rows[r][4];
  }
  program.app.AlertText = alert;

  UiWindow& main = program.ui().Window(kMainWindow);
  TimerModel& flashing = main.Get<TimerModel>(kTrayFlashTimer);
  if (rows.size() < 2) {
    flashing.SetPeriod(0);
    main.Get<TrayIconModel>(kTrayIcon).SetIcon(kProgramIcon);
  } else {
    flashing.SetPeriod(kTrayFlashPeriodMs);
  }
}

void SortRecommendationBox(Program& program, int column) {
  ReportListModel& box = RecommendationBox(program);
  if (box.ItemCount() < 2) return;
  // Codes and remarks sort as text, the three counts as numbers.
  const int type = (column == 1 || column == 2 || column == 3) ? kSortNumericAlias : kSortText;
  SortReportList(box, column, true, false, type);
}

void SetUpRecommendationBox(Program& program) {
  RecommendationBox(program).OnColumnClick([&program](int column) { SortRecommendationBox(program, column); });
}

}  // namespace pk
