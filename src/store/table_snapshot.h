#pragma once
// The rows of one table as read in stored order, every value as text, packed into one
// buffer so that a staging table of a million draws stays small in memory.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/text.h"

namespace pk {

struct TableSnapshot {
  std::vector<std::string> columns;  // names in field order
  std::string cells;                 // every cell's text, row after row
  std::vector<uint32_t> cellEnds;    // end of each cell in `cells`

  size_t RowCount() const { return columns.empty() ? 0 : cellEnds.size() / columns.size(); }

  std::string_view Cell(size_t row, size_t column) const {
    const size_t index = row * columns.size() + column;
    const uint32_t begin = index == 0 ? 0 : cellEnds[index - 1];
    return std::string_view(cells).substr(begin, cellEnds[index] - begin);
  }

  // The position of the named column (names compare ignoring ASCII case), -1 when absent.
  int ColumnIndex(std::string_view name) const {
    for (size_t c = 0; c < columns.size(); ++c) {
      if (EqualsIgnoreCase(columns[c], name)) return static_cast<int>(c);
    }
    return -1;
  }

  // The text of a row's named column; empty when the row or the column is absent.
  std::string_view Text(size_t row, std::string_view column) const {
    const int c = ColumnIndex(column);
    return c < 0 || row >= RowCount() ? std::string_view() : Cell(row, c);
  }
};

}  // namespace pk
