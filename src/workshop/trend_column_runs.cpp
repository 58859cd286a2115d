#include "workshop/trend_column_runs.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace pk {

namespace {

constexpr unsigned kNineBits = (1u << 9) - 1;

constexpr unsigned RotateLeft9(unsigned bits, unsigned by) {
  by %= 9;
  return ((bits << by) | (bits >> (9 - by))) & kNineBits;
}

// kResidueRange[first][count]: the residues first, first + 1, … (count of them, mod 9).
struct ResidueRanges {
  std::array<std::array<uint16_t, 10>, 9> mask{};
  constexpr ResidueRanges() {
    for (unsigned first = 0; first < 9; ++first)
      for (unsigned count = 0; count <= 9; ++count)
        for (unsigned k = 0; k < count; ++k) mask[first][count] |= static_cast<uint16_t>(1u << ((first + k) % 9));
  }
};
constexpr ResidueRanges kResidueRanges;

// kWindowAlignment[r][w]: the alignment of nine hits w (bit t: the t-th of them, oldest
// first) whose oldest draw has residue r.
struct WindowAlignments {
  std::array<std::array<uint16_t, 512>, 9> alignment{};
  constexpr WindowAlignments() {
    for (unsigned r = 0; r < 9; ++r)
      for (unsigned w = 0; w < 512; ++w) alignment[r][w] = static_cast<uint16_t>(RotateLeft9(w, r));
  }
};
constexpr WindowAlignments kWindowAlignments;

// kResidue[k] = k mod 9 for the k a word's residue plus a bit index can reach.
struct Residues {
  std::array<uint8_t, 9 + 64 + 1> residue{};
  constexpr Residues() {
    for (unsigned k = 0; k < residue.size(); ++k) residue[k] = static_cast<uint8_t>(k % 9);
  }
};
constexpr auto kResidue = Residues().residue;

}  // namespace

TrendColumnRuns::TrendColumnRuns(const ChampionBitsets& champions, unsigned digits)
    : size_(champions.size()), hits_(champions.HitsOf(digits)), changes_(hits_.size(), 0) {
  long_runs_.fill(-1);
  short_runs_.fill(-2);
  const size_t words = champions.words();
  for (size_t w = 0; w < words; ++w) {
    const uint64_t earlier = (hits_[w] << kPeriod) | (w > 0 ? hits_[w - 1] >> (64 - kPeriod) : 0);
    changes_[w] = hits_[w] ^ earlier;
  }
  if (words > 0) {
    changes_[0] &= ~uint64_t{0} << kPeriod;  // no change before draw 9
    const int tail = static_cast<int>(size_ & 63);
    if (tail != 0) changes_[words - 1] &= (uint64_t{1} << tail) - 1;
  }
  IndexLongStretches(kFirstStretchLength);
}

unsigned TrendColumnRuns::WindowAlignment(int64_t first, unsigned first_residue) const {
  uint32_t window;  // the hits of draws first … first + 8, in the low bits
  std::memcpy(&window, reinterpret_cast<const unsigned char*>(hits_.data()) + (first >> 3), sizeof window);
  window = (window >> (first & 7)) & kNineBits;
  return kWindowAlignments.alignment[first_residue][window];
}

int64_t TrendColumnRuns::NextChange(int64_t from) const {
  if (from >= size_) return size_;
  size_t word = static_cast<size_t>(from >> 6);
  uint64_t bits = changes_[word] & (~uint64_t{0} << (from & 63));
  const size_t words = changes_.size() - 1;
  while (bits == 0) {
    if (++word >= words) return size_;
    bits = changes_[word];
  }
  return static_cast<int64_t>(word * 64 + static_cast<size_t>(std::countr_zero(bits)));
}

void TrendColumnRuns::IndexLongStretches(int shortest) {
  long_stretch_shortest_ = shortest;
  long_stretch_runs_.fill(-1);
  if (size_ < kPeriod) return;
  const auto record = [&](int64_t start, int64_t end, unsigned alignment) {
    if (end >= size_) return;  // the last stretch: its run is still open
    const int64_t run = end - std::max(start - (kPeriod - 1), kSharedFrom);
    long_stretch_runs_[alignment] = std::max(long_stretch_runs_[alignment], run);
  };
  record(kPeriod - 1, NextChange(kPeriod), WindowAlignment(0, 0));
  // Changes followed by shortest − 1 draws without one.
  const size_t words = changes_.size() - 1;
  for (size_t w = 0; w < words; ++w) {
    const uint64_t now = changes_[w];
    if (now == 0) continue;
    const uint64_t next = changes_[w + 1];
    uint64_t starts = now;
    for (int k = 1; k < shortest; ++k) starts &= ~((now >> k) | (next << (64 - k)));
    const unsigned word_residue = static_cast<unsigned>(w % kPeriod);
    while (starts != 0) {
      const unsigned bit = static_cast<unsigned>(std::countr_zero(starts));
      starts &= starts - 1;
      const int64_t change = static_cast<int64_t>(w * 64 + bit);
      const uint64_t later = now >> bit >> 1;  // changes after this one in the same word
      const int64_t end = later != 0 ? change + 1 + std::countr_zero(later) : NextChange(static_cast<int64_t>(w * 64 + 64));
      // The nine hits ending at the change; the oldest, change − 8, has residue
      // (w + bit + 1) mod 9, since 64 w + bit ≡ w + bit.
      record(change, end, WindowAlignment(change - (kPeriod - 1), kResidue[word_residue + bit + 1]));
    }
  }
}

void TrendColumnRuns::IndexStretches() {
  full_index_ = true;
  if (size_ < kPeriod) return;
  int64_t start = kPeriod - 1;
  unsigned start_residue = kPeriod - 1;
  unsigned alignment = WindowAlignment(0, 0);
  const size_t words = changes_.size() - 1;
  for (size_t w = 0; w < words; ++w) {
    uint64_t bits = changes_[w];
    const unsigned word_residue = static_cast<unsigned>(w % kPeriod);
    while (bits != 0) {
      const unsigned bit = static_cast<unsigned>(std::countr_zero(bits));
      bits &= bits - 1;
      const int64_t change = static_cast<int64_t>(w * 64 + bit);
      if (start >= kRecordedFrom) {
        // The common case, without the cuts the first stretches need.
        const int64_t run = change - (start - (kPeriod - 1));
        long_runs_[alignment] = std::max(long_runs_[alignment], run);
        run_ends_[alignment] |= kResidueRanges.mask[start_residue][static_cast<size_t>(std::min<int64_t>(change - start, kPeriod))];
      } else {
        CloseStretch(start, alignment, change, true);
      }
      start = change;
      start_residue = kResidue[word_residue + bit];  // 64 w + bit ≡ w + bit (mod 9)
      alignment = WindowAlignment(change - (kPeriod - 1), kResidue[word_residue + bit + 1]);
    }
  }
  CloseStretch(start, alignment, size_, false);
  for (unsigned a = 0; a < kAlignments; ++a)
    if (run_ends_[a] != 0) recorded_alignments_.push_back(static_cast<uint16_t>(a));
}

void TrendColumnRuns::CloseStretch(int64_t start, unsigned alignment, int64_t end, bool ended_by_change) {
  if (ended_by_change) {
    const int64_t run = end - std::max(start - (kPeriod - 1), kSharedFrom);
    long_runs_[alignment] = std::max(long_runs_[alignment], run);
  }
  const int64_t first = std::max(start, kRecordedFrom);
  if (first < end) {
    const int64_t count = std::min<int64_t>(end - first, kPeriod);
    run_ends_[alignment] |= kResidueRanges.mask[static_cast<size_t>(first % kPeriod)][static_cast<size_t>(count)];
  }
}

int64_t TrendColumnRuns::SimulatedMaximum(unsigned alignment, int64_t start) const {
  int64_t best = -1;
  int64_t run = 0;
  for (int64_t i = start; i < size_; ++i) {
    if (run >= kPeriod) {
      // Nine agreeing draws: the alignment is the window's, and it agrees up to the next change.
      const int64_t change = NextChange(i);
      if (change >= size_) break;  // agrees to the end: the open run never counts
      run += change - i;
      i = change;
    }
    const bool expected = (alignment >> (i % kPeriod)) & 1;
    if (expected == Hit(i)) {
      ++run;
    } else {
      best = std::max(best, run);
      run = 0;
      if (i >= kRecordedFrom - 1) break;  // later runs begin at 16 or later: recorded
    }
  }
  return best;
}

int64_t TrendColumnRuns::ShortRunMaximum(unsigned alignment) const {
  int64_t best = -1;
  for (const uint16_t recorded : recorded_alignments_) {
    const unsigned differ = alignment ^ recorded;
    unsigned ends = run_ends_[recorded] & differ;
    while (ends != 0) {
      const unsigned r = static_cast<unsigned>(std::countr_zero(ends));
      ends &= ends - 1;
      // Residue r to bit 0, r − 1 to bit 8, r − 2 to bit 7, …: the agreeing residues before r
      // are the zero bits above the highest set one.
      const unsigned back = RotateLeft9(differ, 9 - r);
      const int64_t agreeing = (kPeriod - 1) - (std::bit_width(back) - 1);
      if (agreeing > best) {
        best = agreeing;
        if (best == kPeriod - 1) return best;
      }
    }
  }
  return best;
}

int64_t TrendColumnRuns::RecordedMaximum(unsigned alignment) {
  int64_t best = long_runs_[alignment];
  if (best < kPeriod) {  // a long run, when there is one, is longer than any short one
    if (short_runs_[alignment] == -2) short_runs_[alignment] = static_cast<int16_t>(ShortRunMaximum(alignment));
    best = std::max<int64_t>(best, short_runs_[alignment]);
  }
  return best;
}

int64_t TrendColumnRuns::PatternMaximum(unsigned pattern_bits) {
  int64_t best = -1;
  const int64_t starts = std::min<int64_t>(kPeriod, size_);
  for (int64_t start = 0; start < starts; ++start)
    best = std::max(best, SimulatedMaximum(RotateLeft9(pattern_bits, static_cast<unsigned>(start)), start));
  while (!full_index_) {
    int64_t long_stretch_best = -1;
    for (int64_t start = 0; start < starts; ++start)
      long_stretch_best = std::max(long_stretch_best, long_stretch_runs_[RotateLeft9(pattern_bits, static_cast<unsigned>(start))]);
    // Every run the long stretches leave out is at most (shortest − 1) + 8 draws long.
    if (long_stretch_best >= long_stretch_shortest_ + kPeriod - 2) return std::max(best, long_stretch_best);
    if (long_stretch_shortest_ > kSecondStretchLength) IndexLongStretches(kSecondStretchLength);
    else IndexStretches();
  }
  for (int64_t start = 0; start < starts; ++start)
    best = std::max(best, RecordedMaximum(RotateLeft9(pattern_bits, static_cast<unsigned>(start))));
  return best;
}

int64_t TrendColumnRuns::LiteralMaximum(std::string_view pattern) const {
  int64_t best = -1;
  const size_t length = pattern.size();
  for (size_t start = 0; start < length; ++start) {
    int64_t run = 0;
    size_t digit = 0;
    for (int64_t i = static_cast<int64_t>(start); i < size_; ++i) {
      const char expected = Hit(i) ? '1' : '2';
      if (pattern[digit] == expected) {
        ++run;
      } else {
        best = std::max(best, run);
        run = 0;
      }
      digit = digit + 1 == length ? 0 : digit + 1;
    }
  }
  return best;
}

}  // namespace pk
