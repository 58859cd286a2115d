#include "plans/trend_plans.h"

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <vector>

#include "base/numbers.h"
#include "plans/code_text.h"
#include "stats/recommendations.h"
#include "stats/stored_extreme.h"

namespace pk {

namespace {

constexpr int kPatterns = 60;
constexpr int kPeriod = 9;
constexpr int kWindow = 60;  // the draws a walk may cover
constexpr int kMaxCandidates = 210;

struct FamilyInfo {
  TrendFamily family;
  const char* table;
  const char* remark;
  int distanceIndex;  // into AlertDistances
};

// Offered and emitted in this order.
constexpr std::array<FamilyInfo, 3> kFamilies = {{{kFiveCodes, "五码走势极限", "五码走势[", 8},
                                                  {kSevenCodes, "七码走势极限", "七码走势[", 10},
                                                  {kSixCodes, "六码走势极限", "六码走势[", 9}}};

bool TrendTablesLoaded(const TrendPlanData& trend, int drawCount) {
  if (static_cast<int>(trend.Patterns.size()) < kPatterns) return false;
  for (int f = 0; f < 3; ++f) {
    const int candidates = kTrendCandidates[f];
    if (static_cast<int>(trend.Candidates[f].size()) < candidates) return false;
    for (int c = 0; c < candidates; ++c) {
      if (trend.Candidates[f][c].empty()) return false;
    }
    if (static_cast<int>(trend.ExtremeTables[f].size()) < kPatterns) return false;
    for (int j = 0; j < kPatterns; ++j) {
      if (static_cast<int>(trend.ExtremeTables[f][j].size()) < candidates) return false;
    }
    const TrendHitTable& hits = trend.HitTables[f];
    if (hits.columns < candidates || hits.Rows() < drawCount) return false;
  }
  return true;
}

void FillPatternDigits(TrendPlanData& trend) {
  if (trend.PatternDigits[0][0] != 0) return;
  for (int j = 0; j < kPatterns; ++j) {
    const std::string& pattern = trend.Patterns[j];
    for (int l = 0; l < kPeriod; ++l) {
      trend.PatternDigits[j][l] = l < static_cast<int>(pattern.size())
                                      ? static_cast<int32_t>(TextToNumber(std::string_view(pattern).substr(l, 1)))
                                      : 0;
    }
  }
}

// The closest (pattern, next position) of one family for the current candidate.
struct Best {
  bool filled = false;
  int pattern = 0, next = 0, run = 0;
  double stored = 0, distance = 0;
};

// The window's 60 draws as bits, bit t for window row t (bit 59 the newest draw).
using WindowBits = uint64_t;

// One walk: pattern j started at phase k, i.e. at window row k - 1 with position 1.
struct Walk {
  WindowBits rows = 0;        // the rows it covers
  WindowBits expectsIn = 0;   // rows where the pattern expects the champion inside (1)
  WindowBits expectsOut = 0;  // rows where it expects it outside (2)
  int next = 0;               // 0-based pattern position of the coming draw
};

std::array<std::array<Walk, kPeriod>, kPatterns> PlanWalks(const TrendPlanData& trend) {
  std::array<std::array<Walk, kPeriod>, kPatterns> walks{};
  for (int j = 0; j < kPatterns; ++j) {
    for (int k = 1; k <= kPeriod; ++k) {
      Walk& walk = walks[j][k - 1];
      int l = 0;
      for (int t = k - 1; t < kWindow; ++t) {
        const WindowBits bit = WindowBits{1} << t;
        walk.rows |= bit;
        if (trend.PatternDigits[j][l] == 1) walk.expectsIn |= bit;
        if (trend.PatternDigits[j][l] == 2) walk.expectsOut |= bit;
        if (++l == kPeriod) l = 0;
      }
      walk.next = l;
    }
  }
  return walks;
}

// The run of rows that follow the walk's pattern and end with the newest draw: the
// counter a walk row by row would hold at its end.
int RunAtEnd(const Walk& walk, WindowBits inside, WindowBits outside) {
  const WindowBits broken = walk.rows & ~((inside & walk.expectsIn) | (outside & walk.expectsOut));
  if (broken == 0) return std::popcount(walk.rows);
  return kWindow - 1 - (63 - std::countl_zero(broken));
}

}  // namespace

void RunTrendPlans(Program& program) {
  TrendPlanData& trend = program.trend;
  const int drawCount = static_cast<int>(program.history.size());
  if (drawCount < kWindow || !TrendTablesLoaded(trend, drawCount)) return;
  FillPatternDigits(trend);
  const auto walks = PlanWalks(trend);

  // Stored records as numbers, [family][pattern][candidate].
  std::array<std::vector<double>, 3> stored;
  for (int f = 0; f < 3; ++f) {
    const int candidates = kTrendCandidates[f];
    stored[f].resize(static_cast<size_t>(kPatterns) * candidates);
    for (int j = 0; j < kPatterns; ++j) {
      for (int c = 0; c < candidates; ++c) stored[f][j * candidates + c] = TextToNumber(trend.ExtremeTables[f][j][c]);
    }
  }
  const int firstRow = drawCount - kWindow;  // 0-based row of the window's first draw

  for (int c = 0; c < kMaxCandidates; ++c) {
    std::array<bool, 3> active{};
    std::array<WindowBits, 3> inside{}, outside{};
    for (int f = 0; f < 3; ++f) {
      active[f] = c < kTrendCandidates[f];
      if (!active[f]) continue;
      for (int t = 0; t < kWindow; ++t) {
        const int hit = trend.HitTables[f].Hit(firstRow + t, c);
        if (hit == 1) inside[f] |= WindowBits{1} << t;
        if (hit == 2) outside[f] |= WindowBits{1} << t;
      }
    }
    std::array<Best, 3> best{};

    for (int j = 0; j < kPatterns; ++j) {
      for (int k = 1; k <= kPeriod; ++k) {
        const Walk& walk = walks[j][k - 1];
        for (const FamilyInfo& info : kFamilies) {
          const int f = info.family;
          if (!active[f]) continue;
          const int run = RunAtEnd(walk, inside[f], outside[f]);
          const double record = stored[f][j * kTrendCandidates[f] + c];
          const double distance = std::trunc(record - run);
          if (distance > program.distances[info.distanceIndex]) continue;
          Best& candidateBest = best[f];
          if (!candidateBest.filled || candidateBest.distance - distance > 1e-7) {
            candidateBest = {true, j, walk.next, run, record, distance};
          }
        }
      }
    }

    for (const FamilyInfo& info : kFamilies) {
      const int f = info.family;
      TrendBestRecord& record = trend.Best[f];
      record = {};
      if (!best[f].filled) continue;
      const Best& b = best[f];
      const std::string& candidate = trend.Candidates[f][c];
      const bool expectsInside = trend.PatternDigits[b.pattern][b.next] == 1;
      record = {true,
                trend.Patterns[b.pattern],
                "买：" + (expectsInside ? Complement(candidate) : candidate),
                NumberToText(b.stored),
                NumberToText(b.run),
                NumberToText(b.distance)};
      AddRecommendation(program, record.buyText, record.storedRecord, record.currentRun, record.distance,
                        info.remark + NumberToText(b.distance + 1) + "]期计划");
      if (b.distance < -1e-7) {
        WriteStoredExtreme(program, info.table, candidate, "号码组合", record.pattern, record.currentRun);
      }
    }
  }
}

}  // namespace pk
