#include "workshop/kill_rule_runs.h"

#include <algorithm>

namespace pk {

namespace {

constexpr size_t PowerOfTen(int exponent) {
  size_t value = 1;
  for (int i = 0; i < exponent; ++i) value *= 10;
  return value;
}

}  // namespace

KillRuleRuns::KillRuleRuns(std::span<const uint8_t> symbols, int length)
    : symbols_(symbols),
      size_(static_cast<int64_t>(symbols.size())),
      length_(std::clamp(length, 1, kMaxLength)),
      shared_from_(length_ - 1) {
  Index();
}

size_t KillRuleRuns::AlignmentIndex(const std::vector<uint8_t>& alignment) const {
  size_t index = 0;
  for (int r = length_ - 1; r >= 0; --r) index = index * 10 + alignment[static_cast<size_t>(r)];
  return index;
}

void KillRuleRuns::Index() {
  const int64_t n = length_;
  const auto repeats = [&](int64_t k) {
    return k >= n && symbols_[k] != kNone && symbols_[k] == symbols_[k - n];
  };
  repeats_before_.assign(static_cast<size_t>(size_), 0);
  repeats_after_.assign(static_cast<size_t>(size_) + 1, 0);
  for (int64_t k = 0; k < size_; ++k)
    if (repeats(k)) repeats_before_[k] = (k > 0 ? repeats_before_[k - 1] : 0) + 1;
  for (int64_t k = size_ - 1; k >= 0; --k)
    if (repeats(k)) repeats_after_[k] = repeats_after_[k + 1] + 1;

  long_runs_.assign(PowerOfTen(length_), -1);
  ends_.resize(static_cast<size_t>(length_));
  for (int d = 0; d < length_; ++d) ends_[d].assign(static_cast<size_t>(length_) * PowerOfTen(d), 0);

  int64_t positions_before = 0;  // consecutive symbols before y that are positions
  for (int64_t y = 0; y < size_; ++y) {
    const uint8_t ending = symbols_[y];
    const size_t residue = static_cast<size_t>(y % n);
    size_t prefix = 0;
    size_t scale = 1;
    for (int d = 0; d < length_ && y - d >= shared_from_; ++d) {
      if (d > 0) {
        const uint8_t symbol = symbols_[y - d];
        if (symbol == kNone) break;  // no rule expects "no position"
        prefix += symbol * scale;
        scale *= 10;
      }
      ends_[d][residue * scale + prefix] |= static_cast<uint16_t>(1u << ending);
    }
    if (positions_before >= n && !repeats(y)) {
      // The n symbols before y form one alignment, agreeing back as far as the period holds.
      size_t alignment = 0;
      for (int64_t r = n - 1; r >= 0; --r) {
        // the pair before y with residue r
        const int64_t at = y - 1 - ((y - 1 - r) % n + n) % n;
        alignment = alignment * 10 + symbols_[at];
      }
      const int64_t run = n + repeats_before_[y - 1];
      const int64_t cut = std::min(run, y - shared_from_);
      if (cut > long_runs_[alignment]) long_runs_[alignment] = cut;
    }
    positions_before = ending == kNone ? 0 : positions_before + 1;
  }
}

KillRuleRuns::Simulation KillRuleRuns::Simulate(const std::vector<uint8_t>& alignment, int64_t start) const {
  Simulation simulation;
  int64_t run = 0;
  for (int64_t t = start; t < size_; ++t) {
    if (run >= length_) {
      // n agreeing pairs: the alignment agrees for as long as the symbols repeat.
      const int64_t change = t + repeats_after_[t];
      if (change >= size_) {
        simulation.open = run + (size_ - t);
        simulation.to_end = true;
        return simulation;
      }
      run += change - t;
      t = change;
    }
    if (symbols_[t] == Expected(alignment, t)) {
      ++run;
    } else {
      simulation.best = std::max(simulation.best, run);
      run = 0;
      if (t >= shared_from_ - 1) return simulation;  // later runs are recorded
    }
  }
  simulation.open = run;
  simulation.to_end = true;
  return simulation;
}

int64_t KillRuleRuns::OpenRunAtEnd(const std::vector<uint8_t>& alignment, int64_t start) const {
  int64_t agreeing = 0;
  for (int64_t k = size_ - 1; k >= start && agreeing < length_; --k) {
    if (symbols_[k] != Expected(alignment, k)) return agreeing;
    ++agreeing;
  }
  if (agreeing < length_) return agreeing;
  return std::min<int64_t>(length_ + repeats_before_[size_ - 1], size_ - start);
}

int64_t KillRuleRuns::RecordedMaximum(const std::vector<uint8_t>& alignment) const {
  const int64_t long_run = long_runs_[AlignmentIndex(alignment)];
  if (long_run >= length_) return long_run;  // longer than any short run
  for (int d = length_ - 1; d >= 0; --d) {
    for (int r = 0; r < length_; ++r) {
      size_t prefix = 0;
      size_t scale = 1;
      for (int i = 1; i <= d; ++i) {
        prefix += alignment[static_cast<size_t>(((r - i) % length_ + length_) % length_)] * scale;
        scale *= 10;
      }
      const uint16_t ends = ends_[d][static_cast<size_t>(r) * scale + prefix];
      if (ends & ~(1u << alignment[static_cast<size_t>(r)])) return std::max<int64_t>(long_run, d);
    }
  }
  return long_run;
}

int64_t KillRuleRuns::RuleMaximum(std::span<const uint8_t> positions) const {
  int64_t best = 0;
  std::vector<uint8_t> alignment(static_cast<size_t>(length_));
  for (int64_t start = 0; start < length_; ++start) {
    for (int64_t r = 0; r < length_; ++r)
      alignment[static_cast<size_t>(r)] = positions[static_cast<size_t>(((r - start) % length_ + length_) % length_)];
    Simulation simulation;
    if (start < size_) simulation = Simulate(alignment, start);
    best = std::max({best, simulation.best, RecordedMaximum(alignment)});
    if (start == length_ - 1 && start < size_)
      best = std::max(best, simulation.to_end ? simulation.open : OpenRunAtEnd(alignment, start));
  }
  return best;
}

}  // namespace pk
