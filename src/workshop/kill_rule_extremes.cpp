// Consecutive opens of a kill rule, fast. Every pair of draws is reduced once to one symbol,
// the position at which the first draw held the second draw's champion (in a sound history
// exactly one position does). Each rule length is then indexed once (KillRuleRuns, which
// explains the method), after which every rule costs a few short simulations and look-ups
// instead of one pass over the pairs per phase. When some draw held the next champion at
// two or more positions (a draw with a repeated car), or a rule names something that is no
// position or has an unusual length, the rule is walked pair by pair instead.
#include <algorithm>
#include <bit>
#include <map>
#include <memory>
#include <string>

#include "store/table_keys.h"
#include "workshop/extremes_rules.h"
#include "workshop/kill_rule_extremes.h"
#include "workshop/kill_rule_runs.h"

namespace pk {

namespace detail {

namespace {

struct PairSymbols {
  std::vector<uint8_t> symbols;  // per pair: position 0..9, or KillRuleRuns::kNone
  bool ambiguous = false;        // some pair matched at two or more positions
};

// Pairs (draw t, draw t + 1), t counted from 0, for every t + 1 < bound.
PairSymbols ReadPairs(const WorkshopDraws& draws, int64_t bound) {
  PairSymbols pairs;
  const int64_t count = std::max<int64_t>(bound - 1, 0);
  pairs.symbols.resize(static_cast<size_t>(count));
  for (int64_t t = 0; t < count; ++t) {
    const uint8_t* before = draws.Cars(static_cast<size_t>(t));
    const uint8_t champion = draws.Car(static_cast<size_t>(t + 1), 1);
    unsigned at = 0;
    for (unsigned p = 0; p < 10; ++p) at |= static_cast<unsigned>(before[p] == champion) << p;
    if (at == 0) {
      pairs.symbols[t] = KillRuleRuns::kNone;
    } else {
      pairs.symbols[t] = static_cast<uint8_t>(std::countr_zero(at));
      if (at & (at - 1)) pairs.ambiguous = true;
    }
  }
  return pairs;
}

// The procedure itself over the snapshot, for rules the index does not serve.
int64_t WalkRule(const WorkshopDraws& draws, const std::vector<int>& positions, int64_t bound) {
  const int64_t n = static_cast<int64_t>(positions.size());
  int64_t best = 0;
  int64_t run = 0;
  for (int64_t phase = 0; phase < n; ++phase) {
    run = 0;
    size_t at = 0;
    for (int64_t t = phase; t + 1 < bound; ++t) {
      const int position = positions[at];
      at = at + 1 == positions.size() ? 0 : at + 1;
      if (position >= 1 && draws.Car(static_cast<size_t>(t + 1), 1) == draws.Car(static_cast<size_t>(t), position)) {
        ++run;
      } else {
        best = std::max(best, run);
        run = 0;
      }
    }
  }
  return std::max(best, run);
}

}  // namespace

ExtremesOutcome KillRuleExtremesFast(const WorkshopDraws& draws, std::span<const StoredExtreme> rules, int64_t v,
                                     const ExtremesControl& control) {
  ExtremesOutcome outcome;
  const ExtremesProgress progress(control, static_cast<int64_t>(rules.size()));
  const int64_t bound = KillPairBound(draws, v);
  const PairSymbols pairs = ReadPairs(draws, bound);
  std::map<int, std::unique_ptr<KillRuleRuns>> indexes;  // per rule length, built on first use
  std::vector<uint8_t> symbols;
  int64_t k = 0;
  for (const StoredExtreme& rule : rules) {
    if (progress.StopRequested()) {
      outcome.stopped = true;
      return outcome;
    }
    const std::vector<int> positions = KillRulePositions(rule.key);
    const int length = static_cast<int>(positions.size());
    const bool indexed = !pairs.ambiguous && length >= 1 && length <= KillRuleRuns::kMaxLength &&
                         std::find(positions.begin(), positions.end(), 0) == positions.end();
    int64_t maximum = 0;
    if (indexed) {
      auto& index = indexes[length];
      if (!index) index = std::make_unique<KillRuleRuns>(pairs.symbols, length);
      symbols.assign(positions.begin(), positions.end());
      for (uint8_t& s : symbols) --s;
      maximum = index->RuleMaximum(symbols);
    } else {
      maximum = WalkRule(draws, positions, bound);
    }
    if (StoredInteger(rule.stored) < maximum)
      outcome.rows.push_back({rule.key, rule.key, std::string(kConsecutiveOpensColumn), rule.stored, maximum});
    progress.Report(++k);
  }
  return outcome;
}

}  // namespace detail

ExtremesOutcome ComputeKillRuleExtremes(const WorkshopDraws& draws, std::span<const StoredExtreme> rules, int64_t v,
                                        const ExtremesControl& control, ExtremesMethod method) {
  return method == ExtremesMethod::kFast ? detail::KillRuleExtremesFast(draws, rules, v, control)
                                         : detail::KillRuleExtremesReference(draws, rules, v, control);
}

}  // namespace pk
