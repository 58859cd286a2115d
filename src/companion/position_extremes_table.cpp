#include "companion/position_extremes_table.h"

#include <algorithm>

#include "base/text.h"

namespace pk {

PositionExtremesTable::PositionExtremesTable() : rows_(kRows) {}

void PositionExtremesTable::Fill(std::string_view pairs) {
  std::fill(rows_.begin(), rows_.end(), Row{});
  const std::vector<std::string> words = Split(pairs, " ");
  const size_t fitting = static_cast<size_t>(kRows - kFirstFilledRow + 1);
  const size_t count = std::min(words.size() / 2, fitting);
  for (size_t i = 0; i < count; ++i) {
    rows_[kFirstFilledRow - 1 + i] = Row{words[2 * i], words[2 * i + 1]};
  }
}

}  // namespace pk
