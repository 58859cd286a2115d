// Trend runs, fast: each combination column is indexed once (TrendColumnRuns, which
// explains the method), after which every nine-digit pattern row costs nine short
// simulations and a few look-ups instead of nine passes over all draws. Rows whose pattern
// is not nine digits of "1" and "2" are walked step by step over the column's hit bits.
// Columns are shared out between the calling thread and a helper thread.
#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "workshop/champion_bitsets.h"
#include "workshop/extremes_rules.h"
#include "workshop/trend_column_runs.h"
#include "workshop/trend_extremes.h"

namespace pk {

const std::string& TrendTable::Stored(size_t row, size_t column) const {
  static const std::string kMissing;
  if (row >= stored.size() || column >= stored[row].size()) return kMissing;
  return stored[row][column];
}

namespace detail {

namespace {

unsigned DigitSet(std::string_view text) {
  unsigned set = 0;
  for (char c : text)
    if (c >= '0' && c <= '9') set |= 1u << (c - '0');
  return set;
}

// Bit k set when character k is "1"; false when the pattern is not nine of "1" and "2".
bool NineDigitPattern(std::string_view pattern, unsigned& bits) {
  if (pattern.size() != 9) return false;
  bits = 0;
  for (size_t k = 0; k < pattern.size(); ++k) {
    if (pattern[k] == '1') bits |= 1u << k;
    else if (pattern[k] != '2') return false;
  }
  return true;
}

}  // namespace

ExtremesOutcome TrendExtremesFast(const WorkshopDraws& draws, const TrendTable& table,
                                  const ExtremesControl& control) {
  const size_t columns = table.columns.size();
  const size_t rows = table.patterns.size();
  const ExtremesProgress progress(control, static_cast<int64_t>(rows) * (static_cast<int64_t>(columns) + 1));
  const ChampionBitsets champions(draws);

  // Columns are independent: the calling thread and one helper take them in turn. Each
  // column's row maxima land in its own slot; the rows are put together in column order.
  std::vector<std::vector<int64_t>> maxima(columns);
  std::vector<char> finished(columns, 0);
  std::atomic<size_t> next_column{0};
  std::mutex progress_mutex;
  int64_t done = 0;
  const auto work = [&] {
    while (!progress.StopRequested()) {
      const size_t column = next_column.fetch_add(1);
      if (column >= columns) return;
      TrendColumnRuns runs(champions, DigitSet(table.columns[column]));
      std::vector<int64_t>& column_maxima = maxima[column];
      column_maxima.reserve(rows);
      for (const std::string& pattern : table.patterns) {
        unsigned bits = 0;
        column_maxima.push_back(NineDigitPattern(pattern, bits) ? runs.PatternMaximum(bits)
                                                                : runs.LiteralMaximum(pattern));
      }
      const std::lock_guard lock(progress_mutex);
      finished[column] = 1;
      done += static_cast<int64_t>(rows);
      progress.Report(done);
    }
  };
  {
    const bool helper_pays = columns > 1 && std::thread::hardware_concurrency() > 1;
    std::jthread helper = helper_pays ? std::jthread(work) : std::jthread();
    work();
  }

  ExtremesOutcome outcome;
  for (size_t column = 0; column < columns; ++column) {
    if (!finished[column]) {  // stopped: keep the columns finished in order
      outcome.stopped = true;
      break;
    }
    const std::string& name = table.columns[column];
    for (size_t row = 0; row < rows; ++row) {
      const int64_t maximum = maxima[column][row];
      const std::string& stored = table.Stored(row, column);
      if (maximum >= 0 && ExceedsStoredNumber(stored, maximum))
        outcome.rows.push_back({table.patterns[row], name, name, stored, maximum});
    }
  }
  return outcome;
}

}  // namespace detail

ExtremesOutcome ComputeTrendExtremes(const WorkshopDraws& draws, const TrendTable& table,
                                     const ExtremesControl& control, ExtremesMethod method) {
  return method == ExtremesMethod::kFast ? detail::TrendExtremesFast(draws, table, control)
                                         : detail::TrendExtremesReference(draws, table, control);
}

}  // namespace pk
