#pragma once
// A rectangle of grid cells, both corners included.
#include <climits>

namespace pk {

struct CellRange {
  int top = 0;
  int left = 0;
  int bottom = 0;
  int right = 0;

  bool Contains(int row, int column) const {
    return row >= top && row <= bottom && column >= left && column <= right;
  }
  bool operator==(const CellRange&) const = default;
};

// Every cell the grid has or will have.
constexpr CellRange kAllCells{0, 0, INT_MAX, INT_MAX};

}  // namespace pk
