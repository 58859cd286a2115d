#pragma once
// Combination omission over the whole snapshot: for each combination, the longest run of
// consecutive draws whose champion was not in the combination.
//
// Per row (combination C, stored value S), in table order:
// - a combination that never contained the champion gives no result row;
// - otherwise every run of misses counts, the one before the first hit and the one still
//   open after the last draw included;
// - the longest run is new when S (as a number) minus it is below -0.0000001; the result
//   row then has key and shown name C, column 遗漏极限, the stored text and the new value.
// Progress: one unit per row, total = the number of rows.
#include <span>

#include "workshop/extremes_records.h"
#include "workshop/workshop_draws.h"

namespace pk {

ExtremesOutcome ComputeCombinationExtremes(const WorkshopDraws& draws, std::span<const StoredExtreme> rows,
                                           const ExtremesControl& control,
                                           ExtremesMethod method = ExtremesMethod::kFast);

namespace detail {
ExtremesOutcome CombinationExtremesFast(const WorkshopDraws& draws, std::span<const StoredExtreme> rows,
                                        const ExtremesControl& control);
ExtremesOutcome CombinationExtremesReference(const WorkshopDraws& draws, std::span<const StoredExtreme> rows,
                                             const ExtremesControl& control);
}  // namespace detail

}  // namespace pk
