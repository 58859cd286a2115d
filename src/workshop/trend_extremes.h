#pragma once
// Trend runs over the whole snapshot: for each pattern row and combination column of a
// trend table, the longest run of draws whose hit-and-miss sequence followed the pattern.
//
// For a column K the hit sequence has 1 for a draw whose champion is in K, else 2. A row's
// pattern P (its key, a string of "1" and "2") is laid over the sequence once from each
// start s = 1 … length(P), cyclically: draw s against the pattern's first digit, the next
// draw against the second, and so on. A draw that agrees extends the run; one that
// differs ends it. A run still open after the last draw does not count. The row's maximum
// is shared by all starts; a row where no draw ever differed has none and gives nothing.
// The maximum is new when the stored value (as a number) minus it is below -0.0000001; the
// result row then has key P, shown name K and column K.
//
// Every combination column is computed, the last one included. Results come column by
// column, rows in table order within a column. Progress: one unit per row and column;
// the total is rows × (columns + 1), the figure the workshop shows for a table of
// columns + 2 fields.
#include <span>
#include <string>
#include <vector>

#include "workshop/extremes_records.h"
#include "workshop/workshop_draws.h"

namespace pk {

struct TrendTable {
  std::vector<std::string> columns;   // combination columns, in field order
  std::vector<std::string> patterns;  // the key (号码组合) of each row, in table order
  // stored[row][column] as read; a value that is missing counts as empty text.
  std::vector<std::vector<std::string>> stored;

  const std::string& Stored(size_t row, size_t column) const;
};

ExtremesOutcome ComputeTrendExtremes(const WorkshopDraws& draws, const TrendTable& table,
                                     const ExtremesControl& control, ExtremesMethod method = ExtremesMethod::kFast);

namespace detail {
ExtremesOutcome TrendExtremesFast(const WorkshopDraws& draws, const TrendTable& table,
                                  const ExtremesControl& control);
ExtremesOutcome TrendExtremesReference(const WorkshopDraws& draws, const TrendTable& table,
                                       const ExtremesControl& control);
}  // namespace detail

}  // namespace pk
