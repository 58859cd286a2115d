#include "plans/sky_plans.h"

#include <algorithm>
#include <functional>
#include <string_view>

#include "app/companion_library.h"
#include "app/ui/colour.h"
#include "app/ui/grid_model.h"
#include "app/ui/ui_registry.h"
#include "app/ui/ui_window.h"
#include "base/numbers.h"
#include "base/text.h"
#include "plans/code_text.h"
#include "plans/sky_tables.h"
#include "stats/recommendations.h"

namespace pk {

namespace {

constexpr const char* kJumpGrid = "高级表格_天空AB跳";
constexpr const char* kNineGrid = "高级表格_天空杀一码";
constexpr int kScanLength = 20;  // gap values the gap scans look at
constexpr int kFlagCount = 29;
constexpr int kNineCodeMinDraws = 16;

// Sky grid columns.
enum SkyColumn : int { kPeriodCell = 0, kCodesCell = 1, kDrawnCell = 2, kResultCell = 3, kRemarkCell = 4 };

// The four gap sets of the three-code plans and the three of the five-code plans.
constexpr std::array<std::string_view, 4> kTripleSets = {"0", "14", "24", "34"};
constexpr std::array<std::string_view, 3> kFiveSets = {"10", "20", "30"};

bool InSet(int gap, std::string_view set) { return Contains(set, NumberToText(gap)); }

// One plan of the family: its bracketed name, its threshold and its planned periods.
struct SkyPlan {
  std::string_view name;
  int threshold;
  int periods;
};

constexpr SkyPlan kAB{"天空-AB", 14, 3};
constexpr SkyPlan kG4AB{"天空-G4AB", 8, 2};
constexpr SkyPlan kAABB{"天空-AABB", 14, 3};
constexpr SkyPlan kAAB{"天空AAB", 13, 3};
constexpr SkyPlan kRunA{"天空-连A", 8, 3};
constexpr SkyPlan kRun0103{"天空-连01-03", 14, 3};
constexpr SkyPlan kMiss0103{"天空-漏01-03", 15, 3};
constexpr SkyPlan kRun04{"天空-连04", 10, 3};
constexpr SkyPlan kG123{"天空-G123", 6, 3};
constexpr SkyPlan kG4{"天空-G4", 4, 2};
constexpr SkyPlan kABC{"天空-ABC", 9, 2};
constexpr SkyPlan kHotColdAB{"天空-冷热AB", 14, 3};
constexpr SkyPlan kHotColdAABB{"天空-冷热AABB", 14, 3};
constexpr SkyPlan kHotColdAAB{"天空-冷热AAB", 12, 3};
constexpr SkyPlan kColdRun{"天空-冷连", 14, 3};
constexpr SkyPlan kHotRun{"天空-热连", 14, 3};

class SkyRun {
 public:
  explicit SkyRun(Program& program)
      : program_(program),
        newest_(program.history.back()),
        n_(ChampionNumber(newest_)),
        gaps_(program.plans.ChampionGapSeries),
        flags_(program.plans.HotColdFlags) {}

  void GapPlans() {
    if (static_cast<int>(gaps_.size()) < kScanLength) return;
    PatternPlans();
    RunPlans();
    CyclePlan();
  }

  void HotColdPlans() {
    if (static_cast<int>(flags_.size()) < kFlagCount) return;
    const std::string hot = HotColdCodes(program_.plans, newest_, true);
    const std::string cold = HotColdCodes(program_.plans, newest_, false);
    const auto group = [&](bool takeHot) -> const std::string& { return takeHot ? hot : cold; };

    if (const int run = HotColdRun({1, 2}, 2); run >= kHotColdAB.threshold) Emit(kHotColdAB, run, group(Flag(29) == 1));
    if (const int run = HotColdRun({1, 1, 2, 2}, 4); run >= kHotColdAABB.threshold)
      Emit(kHotColdAABB, run, group(Flag(28) == 1));
    if (const int run = HotColdRun({1, 1, 2}, 3); run >= kHotColdAAB.threshold) Emit(kHotColdAAB, run, group(Flag(27) == 2));

    // The runs of hot flags, then of cold flags, with one counter carried from the
    // first pass into the second.
    int counter = 0;
    for (int wanted : {1, 2}) {
      for (int i = 1; i <= kFlagCount; ++i) counter = Flag(i) == wanted ? counter + 1 : 0;
      if (counter >= kColdRun.threshold) {
        if (Flag(29) == 1) {
          Emit(kColdRun, counter, cold);
        } else {
          Emit(kHotRun, counter, hot);
        }
      }
    }
  }

 private:
  static int ChampionNumber(const DrawRecord& draw) {
    const double value = TextToNumber(draw[kChampionColumn]);
    return value >= 1 && value <= 10 ? static_cast<int>(value) : 0;
  }

  // Gap entry e, numbered 1..S.
  int Gap(int e) const { return gaps_[e - 1]; }
  int S() const { return static_cast<int>(gaps_.size()); }
  int Flag(int i) const { return flags_[i - 1]; }

  // Length of the pattern run ending at the newest gap, for the alignment starting at
  // entry S - 20 + d; phases are true for A (in the set) and false for B.
  int PatternRun(std::string_view set, const std::vector<bool>& phases, int d) const {
    int counter = 0;
    size_t phase = 0;
    for (int e = S() - kScanLength + d; e <= S(); ++e) {
      counter = InSet(Gap(e), set) == phases[phase] ? counter + 1 : 0;
      phase = (phase + 1) % phases.size();
    }
    return counter;
  }

  int BestPatternRun(std::string_view set, const std::vector<bool>& phases, std::initializer_list<int> alignments) const {
    int best = 0;
    for (int d : alignments) best = std::max(best, PatternRun(set, phases, d));
    return best;
  }

  void PatternPlans() {
    const std::vector<bool> ab = {true, false}, aabb = {true, true, false, false}, aab = {true, true, false};
    const int last = Gap(S());
    for (int column = 1; column <= 4; ++column) {
      const std::string_view set = kTripleSets[column - 1];
      const int run = BestPatternRun(set, ab, {1, 2});
      if (run >= kAB.threshold) Emit(kAB, run, Triple(column, InSet(last, set)));
    }
    if (const int run = BestPatternRun("4", ab, {1, 2}); run >= kG4AB.threshold) {
      Emit(kG4AB, run, PickCodes(kPairTable, 4, n_, last == 4 ? PickMode::In : PickMode::Out));
    }
    for (int column = 1; column <= 4; ++column) {
      const std::string_view set = kTripleSets[column - 1];
      const int run = PatternRun(set, aabb, 4);
      if (run >= kAABB.threshold) Emit(kAABB, run, Triple(column, InSet(Gap(S() - 1), set)));
    }
    for (int column = 1; column <= 4; ++column) {
      const std::string_view set = kTripleSets[column - 1];
      const int run = BestPatternRun(set, aab, {1, 2, 3});
      if (run >= kAAB.threshold) Emit(kAAB, run, Triple(column, !InSet(Gap(S() - 2), set)));
    }
  }

  struct Runs {
    int in = 0, out = 0;
  };

  // The runs in and out of a set that end at the newest of the last 20 gaps.
  template <class Member>
  Runs RunsOf(Member member) const {
    Runs runs;
    for (int e = S() - kScanLength + 1; e <= S(); ++e) {
      if (member(Gap(e))) {
        ++runs.in;
        runs.out = 0;
      } else {
        ++runs.out;
        runs.in = 0;
      }
    }
    return runs;
  }

  Runs SetRuns(std::string_view set) const {
    return RunsOf([set](int gap) { return InSet(gap, set); });
  }

  void RunPlans() {
    for (int column = 1; column <= 4; ++column) {
      const Runs runs = SetRuns(kTripleSets[column - 1]);
      if (runs.in >= kRunA.threshold) Emit(kRunA, runs.in, PickCodes(kTripleTable, column, n_, PickMode::Out));
    }
    for (int column = 1; column <= 3; ++column) {
      const Runs runs = SetRuns(kFiveSets[column - 1]);
      if (runs.in >= kRun0103.threshold) Emit(kRun0103, runs.in, PickCodes(kFiveTable, column, n_, PickMode::Out));
    }
    for (int column = 1; column <= 3; ++column) {
      const Runs runs = SetRuns(kFiveSets[column - 1]);
      if (runs.out >= kMiss0103.threshold) Emit(kMiss0103, runs.out, PickCodes(kFiveTable, column, n_, PickMode::In));
    }
    if (const Runs runs = SetRuns("40"); runs.in >= kRun04.threshold) {
      Emit(kRun04, runs.in, PickCodes(kFiveTable, 4, n_, PickMode::Out));
    }
    for (int k = 1; k <= 4; ++k) {
      const Runs runs = RunsOf([k](int gap) { return gap == k; });
      const SkyPlan& plan = k < 4 ? kG123 : kG4;
      if (runs.in >= plan.threshold) Emit(plan, runs.in, PickCodes(kPairTable, k, n_, PickMode::Out));
    }
  }

  void CyclePlan() {
    for (std::string_view cycle : kCycleNames) {
      int bestCounter = 0;
      char bestLast = '0';
      for (int d = 1; d <= 3; ++d) {
        int counter = 0;
        char last = '0';
        int phase = 0;
        for (int e = S() - kScanLength + d; e <= S(); ++e) {
          const int value = cycle[phase] - '0';
          if (Gap(e) == value) {
            ++counter;
            last = cycle[phase];
          } else {
            counter = 0;
          }
          phase = (phase + 1) % 3;
        }
        if (d == 1 || counter > bestCounter) {
          bestCounter = counter;
          bestLast = last;
        }
      }
      if (bestCounter < kABC.threshold) continue;
      const size_t at = cycle.find(bestLast);
      if (at == std::string_view::npos) continue;
      const int v = cycle[(at + 1) % 3] - '0';
      Emit(kABC, bestCounter,
           v != 0 ? PickCodes(kPairTable, v, n_, PickMode::Out) : PickCodes(kTripleTable, 1, n_, PickMode::Out));
    }
  }

  // The largest run of flags following the phases (1 hot, 2 cold) over the alignments
  // starting at flags 1..alignments; the counter carries over from one alignment into
  // the next.
  int HotColdRun(const std::vector<int>& phases, int alignments) const {
    int counter = 0, maximum = 0;
    for (int d = 1; d <= alignments; ++d) {
      size_t phase = 0;
      for (int i = d; i <= kFlagCount; ++i) {
        counter = Flag(i) == phases[phase] ? counter + 1 : 0;
        phase = (phase + 1) % phases.size();
      }
      maximum = std::max(maximum, counter);
    }
    return maximum;
  }

  std::string Triple(int column, bool in) const {
    return PickCodes(kTripleTable, column, n_, in ? PickMode::In : PickMode::Out);
  }

  // Lists the codes in the jump grid's queue and the recommendation box. The period
  // count starts at 1 on the first run that reaches the threshold.
  void Emit(const SkyPlan& plan, int counter, const std::string& codes) {
    if (codes.empty()) return;
    const std::string remark = "第" + NumberToText(counter - (plan.threshold - 1)) + "期,共" +
                               NumberToText(plan.periods) + "期[" + std::string(plan.name) + "]";
    program_.plans.SkyBuyList.emplace_back(codes, remark);
    AddRecommendation(program_, "买：" + codes, "", "", "", remark);
  }

  Program& program_;
  const DrawRecord& newest_;
  const int n_;
  const std::vector<int32_t>& gaps_;
  const std::vector<int32_t>& flags_;
};

std::string NextPeriod(const Program& program) { return NumberToText(TextToNumber(program.stats.LatestPeriod) + 1); }

// A pending row is judged once the draw it was issued for is known: its period is not
// after the newest one. A pass that brought no new draw leaves it pending.
bool DrawKnown(const std::string& rowPeriod, double newestPeriod) {
  return TextToNumber(rowPeriod) <= newestPeriod + 1e-7;
}

void RunNineCodePlan(Program& program, const SkyNineSource& nineCodeKills) {
  const std::string answer = nineCodeKills(SkyNineInput(program.history), 1, program.distances[kAlertDistanceCount - 1]);
  for (const std::string& kill : SkyNineKills(answer)) {
    const std::string codes = Complement(kill);
    program.plans.SkyNineList.push_back(codes);
    AddRecommendation(program, "买：" + codes, "", "", "", "天空九码");
  }
}

void UpdateNineGrid(Program& program, GridModel& grid) {
  const std::string& digit = program.history.back()[kChampionDigitColumn];
  const double newestPeriod = TextToNumber(program.stats.LatestPeriod);
  for (int row = grid.RowCount() - 1; row >= 0; --row) {
    if (!grid.CellText(row, kDrawnCell).empty()) continue;
    if (!DrawKnown(grid.CellText(row, kPeriodCell), newestPeriod)) continue;
    grid.SetCellText(row, kDrawnCell, digit);
    if (Contains(grid.CellText(row, kCodesCell), digit)) {
      grid.SetCellText(row, kResultCell, "对");
    } else {
      grid.SetCellText(row, kResultCell, "错");
      grid.SetBackColour(row, kResultCell, kMissPink);
    }
  }
  const std::string period = NextPeriod(program);
  for (const std::string& codes : program.plans.SkyNineList) {
    const int row = grid.AppendRow();
    grid.SetRowTexts(row, kPeriodCell, {period, codes});
    grid.EnsureRowVisible(row);
  }
}

void UpdateJumpGrid(Program& program, GridModel& grid) {
  PlanState& plans = program.plans;
  plans.SkyGridNextRow = std::max(plans.SkyGridNextRow, 1);
  if (plans.SkyFullRun == 0) {
    const std::string& digit = program.history.back()[kChampionDigitColumn];
    const double newestPeriod = TextToNumber(program.stats.LatestPeriod);
    for (int row = plans.SkyGridNextRow - 1; row >= 0 && grid.CellText(row, kDrawnCell).empty(); --row) {
      const std::string period = grid.CellText(row, kPeriodCell);
      if (period.empty() || !DrawKnown(period, newestPeriod)) continue;
      grid.SetCellText(row, kDrawnCell, digit);
      if (Contains(grid.CellText(row, kCodesCell), digit)) {
        grid.SetCellText(row, kResultCell, "中");
      } else {
        grid.SetCellText(row, kResultCell, "挂");
        grid.SetTextColour(row, kResultCell, kRed);
      }
      grid.SetBackColour(CellRange{row, kPeriodCell, row, kRemarkCell}, kJudgedGrey);
    }
  }
  if (plans.SkyBuyList.empty()) return;
  const std::string period = NextPeriod(program);
  for (const auto& [codes, remark] : plans.SkyBuyList) {
    const int row = grid.InsertRow(plans.SkyGridNextRow);
    grid.SetRowTexts(row, kPeriodCell, {period, codes, "", "", remark});
    ++plans.SkyGridNextRow;
  }
  grid.EnsureRowVisible(plans.SkyGridNextRow - 1);
}

// Long remarks are read as a hint over the grid: the current cell's text.
void ShowCurrentCellAsHint(GridModel& grid) {
  grid.OnCurrentCell([&grid](int row, int column) {
    if (row > 0) grid.SetToolTip(grid.CellText(row, column));
  });
}

}  // namespace

std::string HotColdCodes(const PlanState& plans, const DrawRecord& newest, bool hot) {
  std::vector<int> digits;
  for (int rank = hot ? 0 : 5; rank < (hot ? 5 : 10); ++rank) {
    const int position = plans.HotRanking[rank].position;
    if (position < 1 || position > 10) return "";
    digits.push_back(static_cast<int>(TextToNumber(LastChar(newest[position]))));
  }
  std::sort(digits.begin(), digits.end());
  if (digits.front() == 0) std::rotate(digits.begin(), digits.begin() + 1, digits.end());
  std::string codes;
  for (int digit : digits) codes += NumberToText(digit);
  return codes;
}

std::string SkyNineInput(const DrawHistory& history) {
  if (static_cast<int>(history.size()) < kNineCodeMinDraws) return "";
  std::string text;
  for (const DrawRecord& draw : history) {
    text += draw[kPeriodColumn];
    text += ' ';
    for (int position = 1; position <= 10; ++position) {
      text += draw[position];
      text += ' ';
    }
  }
  return Trim(text);
}

std::vector<std::string> SkyNineKills(const std::string& answer) {
  std::vector<std::string> kills;
  for (const std::string& item : Split(answer, "|")) {
    if (item.empty()) continue;
    const std::vector<std::string> pieces = Split(item, " ");
    if (pieces.size() < 2) continue;
    kills.push_back(pieces[1]);
  }
  return kills;
}

void RunSkyPlans(Program& program) {
  RunSkyPlans(program, [&program](const std::string& draws, int slots, int offset) {
    return program.companion().Qelmora(draws, slots, offset);
  });
}

void RunSkyPlans(Program& program, const SkyNineSource& nineCodeKills) {
  PlanState& plans = program.plans;
  plans.SkyBuyList.clear();
  plans.SkyNineList.clear();
  UiWindow& main = program.ui().Window("MainWindow");
  GridModel& jumpGrid = main.Get<GridModel>(kJumpGrid);
  ShowCurrentCellAsHint(jumpGrid);
  if (program.history.empty()) return;

  SkyRun run(program);
  run.GapPlans();
  run.HotColdPlans();
  RunNineCodePlan(program, nineCodeKills);
  UpdateNineGrid(program, main.Get<GridModel>(kNineGrid));
  UpdateJumpGrid(program, jumpGrid);
}

}  // namespace pk
