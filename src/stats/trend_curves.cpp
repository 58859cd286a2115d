#include "stats/trend_curves.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "app/ui/main_window_controls.h"
#include "app/ui/ui_models.h"
#include "base/numbers.h"

namespace pk {

namespace {

constexpr int kPlottedDraws = 30;

int32_t Champion(const DrawRecord& draw) { return static_cast<int32_t>(TextToNumber(draw[kChampionColumn])); }

}  // namespace

void ShowTrendCurves(Program& program) {
  const auto& history = program.history;
  const int drawCount = static_cast<int>(history.size());
  const int first = std::max(0, drawCount - kPlottedDraws);

  auto& points = program.stats.TrendCurvePoints;
  points = {};
  std::vector<ChartPoint> champions, spans;
  for (int d = first; d < drawCount; ++d) {
    const int32_t champion = Champion(history[d]);
    const int32_t span = d > 0 ? std::abs(champion - Champion(history[d - 1])) : 0;
    points[d - first] = {champion, span};
    champions.push_back({"", static_cast<double>(champion)});
    spans.push_back({"", static_cast<double>(span)});
  }

  UiWindow& main = program.ui().Window(kMainWindow);
  main.Get<ChartModel>("曲线图控件_奖号").SetPoints(std::move(champions));
  main.Get<ChartModel>("曲线图控件_跨度").SetPoints(std::move(spans));
}

}  // namespace pk
