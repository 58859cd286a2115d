#include "plans/trend_plans.h"

#include <array>
#include <cmath>
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

}  // namespace

void RunTrendPlans(Program& program) {
  TrendPlanData& trend = program.trend;
  const int drawCount = static_cast<int>(program.history.size());
  if (drawCount < kWindow || !TrendTablesLoaded(trend, drawCount)) return;
  FillPatternDigits(trend);

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
    std::array<std::array<uint8_t, kWindow>, 3> hits{};
    for (int f = 0; f < 3; ++f) {
      active[f] = c < kTrendCandidates[f];
      if (!active[f]) continue;
      for (int t = 0; t < kWindow; ++t) hits[f][t] = static_cast<uint8_t>(trend.HitTables[f].Hit(firstRow + t, c));
    }
    std::array<Best, 3> best{};

    for (int j = 0; j < kPatterns; ++j) {
      const auto& digits = trend.PatternDigits[j];
      for (int k = 1; k <= kPeriod; ++k) {
        // Row DrawCount - 60 + k takes pattern position 1 and the walk runs to the newest draw.
        std::array<int, 3> run{};
        int l = 0;
        for (int t = k - 1; t < kWindow; ++t) {
          const int expected = digits[l];
          for (int f = 0; f < 3; ++f) run[f] = hits[f][t] == expected ? run[f] + 1 : 0;
          if (++l == kPeriod) l = 0;
        }
        // l is now the position after the newest draw's: the value the coming draw should take.
        for (const FamilyInfo& info : kFamilies) {
          const int f = info.family;
          if (!active[f]) continue;
          const double record = stored[f][j * kTrendCandidates[f] + c];
          const double distance = std::trunc(record - run[f]);
          if (distance > program.distances[info.distanceIndex]) continue;
          Best& candidateBest = best[f];
          if (!candidateBest.filled || candidateBest.distance - distance > 1e-7) {
            candidateBest = {true, j, l, run[f], record, distance};
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
