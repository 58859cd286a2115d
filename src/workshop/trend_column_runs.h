#pragma once
// The runs of one combination column's hit sequence against every way of laying a
// nine-digit trend pattern over it, indexed once so that each pattern row costs a handful
// of look-ups instead of nine passes over the draws.
//
// Terms. Draws count from 0. A nine-digit pattern laid from start s expects at draw i the
// pattern digit (i - s) mod 9; written by residue, that is a 9-bit "alignment" A with bit
// (i mod 9) = 1 when a hit is expected at draw i. Each of the nine starts of a row is one
// alignment, and the start s also leaves out the draws before s.
//
// The index. Let change(y) say that the hit at y differs from the hit at y − 9 (y ≥ 9). Between
// two changes the window of the last nine hits keeps the same alignment, so the draws from
// 8 on split into stretches [u, next change − 1], each with one alignment W(u) (the nine hits
// ending at u). From the stretches alone:
// - long runs: W(u) agrees with every draw from u − 8 (the previous draw differs when u is a
//   change) up to the end of the stretch, and differs at the next change y. Recorded per
//   alignment as the run y − max(u − 8, 8);
// - short runs: a run of d ≤ 8 draws of A ending at y − 1 and ended by y only depends on the
//   nine hits ending at y, that is on (y mod 9, W(y)). Every draw y ≥ 16 is recorded as the
//   residue y mod 9 in the set of its stretch's alignment. A's longest short run is then the
//   longest agreement, going back from residue r − 1, between A and any recorded
//   alignment W that differs from A at a recorded residue r.
// Both only use runs that lie at or after draw 8, so they are runs of every start (0..8).
// Runs that begin before draw 16 are simulated step by step from each start, up to the
// first disagreement at draw 15 or later; the runs after it begin at 16 or later and are
// exactly the recorded ones. A simulated run that reaches nine agreeing draws jumps to the
// next change, where it must end.
//
// Long stretches first. A row's maximum is usually a long run of a long stretch, and a
// stretch shorter than k draws gives a run of at most k + 7. So the first pass only visits
// the changes followed by at least three draws without one (found with word operations, about
// one draw in sixteen): a row whose nine alignments reach a run of 11 there is answered
// without the rest. Otherwise a second pass visits the stretches of two draws or more (a run
// of 9 answers), and only then is the full index above built. In a long history nearly every
// row is answered by the first pass; the second and full passes serve rare alignments (many
// misses of a seven-number column) and short histories.
//
// Cost per column: a few word operations per 64 draws to build the hit and change bits, and
// a step per visited change; per row, nine short simulations and look-ups.
#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "workshop/champion_bitsets.h"

namespace pk {

class TrendColumnRuns {
 public:
  // digits: bit d for every digit d the column's text contains.
  TrendColumnRuns(const ChampionBitsets& champions, unsigned digits);

  // The row maximum of a nine-digit pattern of "1" and "2", given as 9 bits (bit k set when
  // digit k + 1 of the pattern is "1"); -1 when no draw ever differed from the pattern.
  int64_t PatternMaximum(unsigned pattern_bits);

  // The same for any other pattern text, step by step (a character other than "1" or "2"
  // never agrees).
  int64_t LiteralMaximum(std::string_view pattern) const;

 private:
  static constexpr int kPeriod = 9;
  static constexpr int64_t kSharedFrom = 8;    // runs recorded in the index lie at or after this draw
  static constexpr int64_t kRecordedFrom = 16;  // every draw from here on is recorded as a run end
  static constexpr int kAlignments = 1 << kPeriod;
  // The first passes only look at stretches of at least this many draws.
  static constexpr int kFirstStretchLength = 4;
  static constexpr int kSecondStretchLength = 2;

  bool Hit(int64_t draw) const { return (hits_[static_cast<size_t>(draw >> 6)] >> (draw & 63)) & 1; }
  // The alignment of the nine hits from draw `first` on; first_residue = first mod 9.
  unsigned WindowAlignment(int64_t first, unsigned first_residue) const;
  int64_t NextChange(int64_t from) const;
  void IndexLongStretches(int shortest);
  void IndexStretches();
  void CloseStretch(int64_t start, unsigned alignment, int64_t end, bool ended_by_change);
  int64_t SimulatedMaximum(unsigned alignment, int64_t start) const;
  int64_t RecordedMaximum(unsigned alignment);
  int64_t ShortRunMaximum(unsigned alignment) const;

  int64_t size_;
  std::vector<uint64_t> hits_;
  std::vector<uint64_t> changes_;
  int long_stretch_shortest_ = 0;                       // the stretches long_stretch_runs_ covers
  std::array<int64_t, kAlignments> long_stretch_runs_;  // their long runs per alignment; -1: none
  bool full_index_ = false;                             // the members below are filled
  std::array<int64_t, kAlignments> long_runs_;      // -1: none
  std::array<uint16_t, kAlignments> run_ends_{};    // residues recorded per alignment
  std::vector<uint16_t> recorded_alignments_;       // alignments with a recorded residue
  std::array<int16_t, kAlignments> short_runs_;     // cache of ShortRunMaximum, -2: not yet
};

}  // namespace pk
