// Trend runs, literally: every column builds its hit sequence from the texts, and every
// row lays its pattern over it from each start, one draw at a time. Kept to check the fast
// version.
#include <optional>
#include <string>
#include <vector>

#include "workshop/extremes_rules.h"
#include "workshop/trend_extremes.h"

namespace pk::detail {

namespace {

// 1 for a draw whose champion's last digit the column text contains, else 2.
std::vector<int> HitSequence(const WorkshopDraws& draws, const std::string& column) {
  std::vector<int> hits;
  hits.reserve(draws.size());
  for (size_t i = 0; i < draws.size(); ++i) {
    const uint8_t digit = draws.ChampionDigit(i);
    const std::string champion =
        digit == WorkshopDraws::kNoDigit ? std::string() : std::string(1, static_cast<char>('0' + digit));
    hits.push_back(!champion.empty() && column.find(champion) != std::string::npos ? 1 : 2);
  }
  return hits;
}

// The pattern as a list of digits; a character that is no digit counts as 0.
std::vector<int> PatternDigits(const std::string& pattern) {
  std::vector<int> digits;
  for (char c : pattern) digits.push_back(c >= '0' && c <= '9' ? c - '0' : 0);
  return digits;
}

}  // namespace

ExtremesOutcome TrendExtremesReference(const WorkshopDraws& draws, const TrendTable& table,
                                       const ExtremesControl& control) {
  ExtremesOutcome outcome;
  const int64_t rows = static_cast<int64_t>(table.patterns.size());
  const ExtremesProgress progress(control, rows * (static_cast<int64_t>(table.columns.size()) + 1));
  int64_t done = 0;
  const size_t draw_count = draws.size();
  for (size_t column = 0; column < table.columns.size(); ++column) {
    const std::string& name = table.columns[column];
    const std::vector<int> hits = HitSequence(draws, name);
    for (size_t row = 0; row < table.patterns.size(); ++row) {
      if (progress.StopRequested()) {
        outcome.stopped = true;
        return outcome;
      }
      const std::vector<int> pattern = PatternDigits(table.patterns[row]);
      std::optional<int64_t> maximum;
      for (size_t start = 1; start <= pattern.size(); ++start) {
        int64_t run = 0;
        size_t digit = 0;
        for (size_t draw = start; draw <= draw_count; ++draw) {
          if (hits[draw - 1] == pattern[digit]) {
            ++run;
          } else {
            if (!maximum || *maximum < run) maximum = run;
            run = 0;
          }
          digit = digit + 1 == pattern.size() ? 0 : digit + 1;
        }
      }
      const std::string& stored = table.Stored(row, column);
      if (maximum && ExceedsStoredNumber(stored, *maximum))
        outcome.rows.push_back({table.patterns[row], name, name, stored, *maximum});
      progress.Report(++done);
    }
  }
  return outcome;
}

}  // namespace pk::detail
