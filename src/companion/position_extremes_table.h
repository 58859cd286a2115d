#pragma once
// The nine-code position extremes the program hands over at start-up: pairs of
// (position combination, consecutive-open extreme) kept in rows 100 onwards.
#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace pk {

class PositionExtremesTable {
 public:
  static constexpr int kRows = 1099;
  static constexpr int kFirstFilledRow = 100;  // rows 1..99 stay empty

  using Row = std::array<std::string, 2>;  // position combination, extreme

  PositionExtremesTable();

  // Empties the table, then puts the blank-separated words pair by pair into rows 100,
  // 101, ... A lone last word is dropped, and pairs beyond the last row are left out.
  void Fill(std::string_view pairs);

  // Row 1..kRows.
  const Row& At(int row) const { return rows_[row - 1]; }

 private:
  std::vector<Row> rows_;
};

}  // namespace pk
