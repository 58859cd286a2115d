#include "stats/hot_numbers.h"

#include <algorithm>
#include <string>
#include <vector>

#include "app/ui/colour.h"
#include "app/ui/main_window_controls.h"
#include "app/ui/ui_models.h"
#include "base/numbers.h"
#include "base/text.h"

namespace pk {

namespace {

constexpr int kHotWindow = 100;
constexpr int kTrackedDraws = 30;

// "1".."9", and "0" for 10.
std::string LastDigit(int n) { return std::to_string(n % 10); }

std::string TwoDigitText(int n) { return n < 10 ? "0" + std::to_string(n) : std::to_string(n); }

const char* ClassWord(HotClass c) {
  switch (c) {
    case HotClass::Hot: return "热";
    case HotClass::Warm: return "温";
    case HotClass::Cold: return "冷";
  }
  return "";
}

Colour ClassColour(HotClass c) {
  switch (c) {
    case HotClass::Hot: return kRed;
    case HotClass::Warm: return kOrange;
    case HotClass::Cold: return kBlue;
  }
  return kBlack;
}

}  // namespace

HotClass ClassifyHotCount(int count) {
  if (count >= 11) return HotClass::Hot;
  if (count >= 8) return HotClass::Warm;
  return HotClass::Cold;
}

void RankPositions(PlanState& plans) {
  struct Entry {
    int32_t label, value;
  };
  std::vector<Entry> entries;
  for (int p = 0; p < 10; ++p) entries.push_back({p + 1, plans.RecentPositionOmission[p].omission});

  // Two rounds of moving a larger omission forward to place k; an entry passes equal
  // ones on its way, so equal omissions end up reversed and the order is not always sorted.
  for (int round = 0; round < 2; ++round) {
    for (int k = 0; k < 10; ++k) {
      for (int t = 9; t > k; --t) {
        if (entries[t].value > entries[k].value) {
          const Entry moved = entries[t];
          entries.erase(entries.begin() + t);
          entries.insert(entries.begin() + k, moved);
        }
      }
    }
  }

  // Position 1 always ranks last.
  const auto first = std::find_if(entries.begin(), entries.end(), [](const Entry& e) { return e.label == 1; });
  std::rotate(first, first + 1, entries.end());

  plans.HotGroupDigits = {"", ""};
  for (int rank = 0; rank < 10; ++rank) {
    plans.HotRanking[rank] = {entries[rank].label, entries[rank].value};
    plans.HotGroupDigits[rank < 5 ? 0 : 1] += LastDigit(entries[rank].label);
  }
}

void TrackPositionGroups(PlanState& plans) {
  plans.HotColdFlags.clear();
  const std::vector<std::string>& trace = plans.PositionTrace;
  const int last = static_cast<int>(trace.size());
  const int first = std::max(0, last - kTrackedDraws);
  if (first == last) RankPositions(plans);  // no draws: the ranking of all-zero omissions

  for (int r = first; r < last; ++r) {
    // The digit "0" is position 10. An empty trace (the first draw of a day load has no
    // previous draw) names no position, so every omission grows.
    int winner = 0;
    if (!trace[r].empty()) {
      winner = static_cast<int>(TextToNumber(trace[r]));
      if (winner == 0) winner = 10;
    }
    for (int p = 0; p < 10; ++p) {
      int32_t& omission = plans.RecentPositionOmission[p].omission;
      omission = (p + 1 == winner) ? 0 : omission + 1;
    }
    RankPositions(plans);
    if (r + 1 < last) {
      const std::string& next = trace[r + 1];
      plans.HotColdFlags.push_back(!next.empty() && Contains(plans.HotGroupDigits[0], next) ? 1 : 2);
    }
  }
}

void CountHotNumbers(Program& program) {
  HotNumberStats& hot = program.stats.HotNumbers;
  PlanState& plans = program.plans;
  for (int n = 0; n < 10; ++n) hot.counts[n] = {n + 1, 0};
  hot.hotDigits.clear();
  for (int p = 0; p < 10; ++p) plans.RecentPositionOmission[p] = {p + 1, 0};
  plans.PositionTrace.clear();

  // The window never reaches before the first draw.
  const int drawCount = static_cast<int>(program.history.size());
  for (int d = std::max(0, drawCount - kHotWindow); d < drawCount; ++d) {
    const DrawRecord& draw = program.history[d];
    const double champion = TextToNumber(draw[kChampionColumn]);
    for (int n = 1; n <= 10; ++n) {
      if (NumbersEqual(n, champion)) {
        ++hot.counts[n - 1][1];
        break;
      }
    }
    plans.PositionTrace.push_back(draw[kPrevPositionColumn]);
  }

  TrackPositionGroups(plans);

  UiWindow& main = program.ui().Window(kMainWindow);
  ChartModel& chart = main.Get<ChartModel>("柱状图控件1");
  GridModel& grid = main.Get<GridModel>("高级表格_热码");
  for (int n = 1; n <= 10; ++n) {
    const int count = hot.counts[n - 1][1];
    chart.SetPoint(n - 1, TwoDigitText(n), count);
    const HotClass c = ClassifyHotCount(count);
    grid.SetCellText(1, n, ClassWord(c));
    grid.SetTextColour(1, n, ClassColour(c));
    if (c == HotClass::Hot) hot.hotDigits += LastDigit(n);
  }
  grid.SetCellText(1, 0, hot.hotDigits);

  if (program.stats.Recommendations.empty()) program.stats.Recommendations.resize(1);
  RecommendationRowTexts& first = program.stats.Recommendations.front();
  first[0] = hot.hotDigits;
  first[4] = "百期热码";
}

}  // namespace pk
