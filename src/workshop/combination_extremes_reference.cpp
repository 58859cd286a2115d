// Combination omission, literally: every combination walks every draw and tests whether its
// text contains the champion's last character. Kept to check the fast version.
#include <optional>
#include <string>
#include <vector>

#include "store/table_keys.h"
#include "workshop/combination_extremes.h"
#include "workshop/extremes_rules.h"

namespace pk::detail {

namespace {

// The snapshot's item 11 of every draw as text; a champion without a last digit is empty
// text and is in no combination.
std::vector<std::string> ChampionTexts(const WorkshopDraws& draws) {
  std::vector<std::string> texts;
  texts.reserve(draws.size());
  for (size_t i = 0; i < draws.size(); ++i) {
    const uint8_t digit = draws.ChampionDigit(i);
    texts.push_back(digit == WorkshopDraws::kNoDigit ? std::string() : std::string(1, static_cast<char>('0' + digit)));
  }
  return texts;
}

}  // namespace

ExtremesOutcome CombinationExtremesReference(const WorkshopDraws& draws, std::span<const StoredExtreme> rows,
                                             const ExtremesControl& control) {
  ExtremesOutcome outcome;
  const ExtremesProgress progress(control, static_cast<int64_t>(rows.size()));
  const std::vector<std::string> champions = ChampionTexts(draws);
  int64_t done = 0;
  for (const StoredExtreme& row : rows) {
    if (progress.StopRequested()) {
      outcome.stopped = true;
      return outcome;
    }
    const std::string& combination = row.key;
    int64_t misses = 0;
    std::optional<int64_t> maximum;
    for (const std::string& champion : champions) {
      const bool contains = !champion.empty() && combination.find(champion) != std::string::npos;
      if (!contains) {
        ++misses;
      } else {
        if (!maximum || misses > *maximum) maximum = misses;
        misses = 0;
      }
    }
    if (maximum) {
      if (misses > *maximum) maximum = misses;
      if (ExceedsStoredNumber(row.stored, *maximum))
        outcome.rows.push_back({combination, combination, std::string(kOmissionExtremeColumn), row.stored, *maximum});
    }
    progress.Report(++done);
  }
  return outcome;
}

}  // namespace pk::detail
