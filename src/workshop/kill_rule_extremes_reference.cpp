// Consecutive opens of a kill rule, literally: every rule walks the draw pairs once per
// phase. Kept to check the fast version.
#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "store/table_keys.h"
#include "workshop/extremes_rules.h"
#include "workshop/kill_rule_extremes.h"

namespace pk::detail {

int64_t KillPairBound(const WorkshopDraws& draws, int64_t v) {
  return std::min<int64_t>(v, static_cast<int64_t>(draws.size()) - 1);
}

std::vector<int> KillRulePositions(std::string_view key) {
  std::vector<int> positions;
  for (char c : key) positions.push_back(c == '0' ? 10 : c >= '1' && c <= '9' ? c - '0' : 0);
  return positions;
}

ExtremesOutcome KillRuleExtremesReference(const WorkshopDraws& draws, std::span<const StoredExtreme> rules,
                                          int64_t v, const ExtremesControl& control) {
  ExtremesOutcome outcome;
  const ExtremesProgress progress(control, static_cast<int64_t>(rules.size()));
  const int64_t bound = KillPairBound(draws, v);
  // Draws count from 1 here, as in the procedure: draw i is the snapshot's draw i − 1.
  const auto car = [&](int64_t draw, int position) -> int {
    return position >= 1 && position <= 10 ? draws.Car(static_cast<size_t>(draw - 1), position) : -1;
  };
  int64_t k = 0;
  for (const StoredExtreme& rule : rules) {
    if (progress.StopRequested()) {
      outcome.stopped = true;
      return outcome;
    }
    const std::vector<int> positions = KillRulePositions(rule.key);
    const int64_t n = static_cast<int64_t>(positions.size());
    std::optional<int64_t> maximum;
    int64_t run = 0;
    for (int64_t phase = 1; phase <= n; ++phase) {
      int64_t i = phase;
      run = 0;
      size_t at = 0;
      while (i < bound) {
        const int position = positions[at];
        at = at + 1 == positions.size() ? 0 : at + 1;
        if (car(i + 1, 1) == car(i, position)) {
          ++run;
        } else {
          if (!maximum || *maximum < run) maximum = run;
          run = 0;
        }
        ++i;
      }
    }
    if (!maximum || *maximum < run) maximum = run;  // the last phase's open run
    if (StoredInteger(rule.stored) < *maximum)
      outcome.rows.push_back({rule.key, rule.key, std::string(kConsecutiveOpensColumn), rule.stored, *maximum});
    progress.Report(++k);
  }
  return outcome;
}

}  // namespace pk::detail
