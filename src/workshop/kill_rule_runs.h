#pragma once
// The runs of the "next champion stood at position p" sequence against every kill rule of
// one length, built in one pass so that each rule costs a handful of look-ups instead of a
// pass over the draws per phase.
//
// Terms. Pairs (draw t, draw t + 1) count from 0; symbol(t) is the position (0..9 for 1..10)
// at which draw t held the car that won draw t + 1, or kNone when no position did. A rule of
// n positions run from phase start s expects at pair t the rule's position (t − s) mod n;
// written by residue, that is an "alignment" A: A[t mod n] is the position expected at pair t.
// Phase s leaves out the pairs before s (s = 0 … n − 1).
//
// The index (the same idea as the trend runs, over ten symbols instead of two):
// - long runs: when the n symbols before pair y are positions and symbol(y) differs from
//   symbol(y − n), the alignment of those n symbols agrees back from y − 1 as long as the
//   symbols repeat with period n, and y ends the run. Recorded per alignment, cut to pairs
//   from n − 1 on;
// - short runs (fewer than n pairs): a run of d pairs ending at y − 1 and ended by y depends
//   only on (y mod n, symbol(y − 1), …, symbol(y − d)) and symbol(y). Every y is recorded
//   as the set of ending symbols seen after each such prefix.
// Both only use pairs from n − 1 on, so they hold for every phase. Runs that begin earlier
// are simulated step by step from each phase start up to the first disagreement at pair
// n − 2 or later; the runs after it are exactly the recorded ones. A simulated run that
// reaches n agreeing pairs jumps to where the period breaks. The open run at the end (it
// counts for the last phase) is measured backwards the same way.
#include <cstdint>
#include <span>
#include <vector>

namespace pk {

class KillRuleRuns {
 public:
  static constexpr uint8_t kNone = 10;  // no position held the next champion
  static constexpr int kMaxLength = 5;  // rule lengths this index serves

  // symbols: one per pair, each a position 0..9 or kNone. length: 1 … kMaxLength.
  KillRuleRuns(std::span<const uint8_t> symbols, int length);

  // The rule's maximum over its phases, the last phase's open run included (0 at least).
  // positions: the rule's positions 0..9 in key order, exactly `length` of them.
  int64_t RuleMaximum(std::span<const uint8_t> positions) const;

 private:
  struct Simulation {
    int64_t best = -1;   // longest ended run, -1: none
    int64_t open = 0;    // the run open when the simulation stopped
    bool to_end = false; // the simulation reached the last pair
  };

  uint8_t Expected(const std::vector<uint8_t>& alignment, int64_t pair) const {
    return alignment[static_cast<size_t>(pair % length_)];
  }
  size_t AlignmentIndex(const std::vector<uint8_t>& alignment) const;
  void Index();
  Simulation Simulate(const std::vector<uint8_t>& alignment, int64_t start) const;
  int64_t OpenRunAtEnd(const std::vector<uint8_t>& alignment, int64_t start) const;
  int64_t RecordedMaximum(const std::vector<uint8_t>& alignment) const;

  std::span<const uint8_t> symbols_;
  int64_t size_;
  int length_;
  int64_t shared_from_;                 // recorded runs lie at or after this pair
  std::vector<int32_t> repeats_before_;  // consecutive pairs k ≤ t with symbol(k) == symbol(k − n)
  std::vector<int32_t> repeats_after_;   // consecutive pairs k ≥ t with symbol(k) == symbol(k − n)
  std::vector<int64_t> long_runs_;       // per alignment (base-10 number of A[0..n−1]); -1: none
  // ends_[d][(r, prefix of d symbols)]: bit e set when a pair y with y mod n = r, the d
  // symbols before it equal to the prefix (y − 1 first) and symbol(y) = e was recorded.
  std::vector<std::vector<uint16_t>> ends_;
};

}  // namespace pk
