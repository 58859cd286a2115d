#pragma once
// The champion digits of the snapshot as one bitset per digit (bit i: draw i's champion
// ends in that digit), so that a combination's hit sequence is the OR of a few bitsets.
#include <array>
#include <cstdint>
#include <vector>

#include "workshop/workshop_draws.h"

namespace pk {

class ChampionBitsets {
 public:
  explicit ChampionBitsets(const WorkshopDraws& draws);

  int64_t size() const { return size_; }
  // Words of 64 draws, draw i at bit i % 64 of word i / 64. One zero word of padding
  // follows the last word, so that a read may run one word past the draws.
  size_t words() const { return words_; }

  // The hit bitset of a set of digits (bit d for digit d): draws whose champion digit is in
  // the set. Bits past the last draw are zero; the result has words() + 1 words.
  std::vector<uint64_t> HitsOf(unsigned digits) const;

 private:
  int64_t size_;
  size_t words_;
  std::array<std::vector<uint64_t>, 10> digits_;
};

}  // namespace pk
