#include "app/draw_history.h"

#include "app/program.h"
#include "base/numbers.h"
#include "base/text.h"

namespace pk {

namespace {

int NumberOf(const std::string& text) { return static_cast<int>(TextToNumber(text)); }

// Column 13: the last character of the position (1..10) at which this row's champion
// stood in the previous row; empty when it stood nowhere (a malformed row).
std::string PreviousPosition(const DrawRecord& previous, const DrawRecord& row) {
  const double champion = TextToNumber(row[kChampionColumn]);
  for (int k = 1; k <= 10; ++k) {
    if (NumbersEqual(champion, TextToNumber(previous[k]))) return LastChar(NumberToText(k));
  }
  return "";
}

}  // namespace

int32_t ChampionGap(int previous, int current) {
  int d;
  if (previous > current) {
    d = previous - current - 1;
    if (d > 4) d = current + 9 - previous;
  } else {
    d = current - previous - 1;
    if (d > 4) d = previous + 9 - current;
  }
  return d < 0 ? 0 : d;
}

void AppendTrendHits(TrendPlanData& trend, const std::string& championDigit) {
  for (int f = 0; f < 3; ++f) {
    TrendHitTable& table = trend.HitTables[f];
    const auto& candidates = trend.Candidates[f];
    for (int i = 0; i < table.columns; ++i) {
      const bool hit = i < static_cast<int>(candidates.size()) && !championDigit.empty() &&
                       Contains(candidates[i], championDigit);
      table.cells.push_back(hit ? 1 : 2);
    }
  }
}

void CompleteNewestRow(Program& program) {
  DrawHistory& history = program.history;
  DrawRecord& row = history.back();
  row[kChampionDigitColumn] = LastChar(row[kChampionColumn]);
  if (history.size() >= 2) {
    const DrawRecord& previous = history[history.size() - 2];
    row[kPrevPositionColumn] = PreviousPosition(previous, row);
    program.plans.ChampionGapSeries.push_back(
        ChampionGap(NumberOf(previous[kChampionColumn]), NumberOf(row[kChampionColumn])));
  }
  AppendTrendHits(program.trend, row[kChampionDigitColumn]);
}

void ResetHistory(Program& program) {
  program.history.clear();
  program.stats.DrawCount = 0;
  for (auto& table : program.trend.HitTables) table.cells.clear();
}

void LoadDay(Program& program, const std::vector<std::string>& fields) {
  ResetHistory(program);
  program.plans.ChampionGapSeries.clear();
  const size_t rows = fields.size() / 13;
  program.history.reserve(rows);
  for (size_t r = 0; r < rows; ++r) {
    DrawRecord row;
    for (int c = 0; c < 13; ++c) row.cells[c] = fields[r * 13 + c];
    program.history.push_back(std::move(row));
    CompleteNewestRow(program);
  }
  if (rows == 0) return;
  const DrawRecord& newest = program.history.back();
  program.stats.LatestChampion = newest[kChampionColumn];
  program.stats.LatestPeriod = newest[kPeriodColumn];
  program.stats.DrawCount = static_cast<int32_t>(rows);
}

void AppendDraw(Program& program, const std::array<std::string, 10>& numbers, const std::string& period) {
  DrawRecord row;
  for (int c = 1; c <= 10; ++c) row[c] = numbers[c - 1];
  row[kPeriodColumn] = period;
  program.history.push_back(std::move(row));
  program.stats.DrawCount = static_cast<int32_t>(program.history.size());
  CompleteNewestRow(program);
  program.stats.LatestChampion = program.history.back()[kChampionColumn];
  program.stats.LatestPeriod = period;
}

std::string ResultLine(const DrawRecord& row) {
  std::string line = row[kPeriodColumn] + " | ";
  for (int c = 1; c <= 10; ++c) {
    line += row[c];
    line += c < 10 ? " " : " | ";
  }
  return line + row[kChampionColumn] + "\r\n";
}

void RebuildTrendHits(Program& program) {
  for (auto& table : program.trend.HitTables) table.cells.clear();
  for (const DrawRecord& row : program.history) AppendTrendHits(program.trend, row[kChampionDigitColumn]);
}

void SetTrendCandidates(Program& program, TrendFamily family, std::vector<std::string> candidates) {
  program.trend.Candidates[family] = std::move(candidates);
  RebuildTrendHits(program);
}

}  // namespace pk
