#include "workshop/champion_bitsets.h"

namespace pk {

ChampionBitsets::ChampionBitsets(const WorkshopDraws& draws)
    : size_(static_cast<int64_t>(draws.size())), words_((draws.size() + 63) / 64) {
  for (auto& bits : digits_) bits.assign(words_ + 1, 0);
  const auto champions = draws.ChampionDigits();
  for (size_t i = 0; i < champions.size(); ++i)
    if (champions[i] < 10) digits_[champions[i]][i >> 6] |= uint64_t{1} << (i & 63);
}

std::vector<uint64_t> ChampionBitsets::HitsOf(unsigned digits) const {
  std::vector<uint64_t> hits(words_ + 1, 0);
  for (unsigned d = 0; d < 10; ++d) {
    if (!(digits & (1u << d))) continue;
    const uint64_t* from = digits_[d].data();
    for (size_t w = 0; w < words_; ++w) hits[w] |= from[w];
  }
  return hits;
}

}  // namespace pk
