#pragma once
// What the user may do in a grid beyond choosing a cell: edit some cells, and tick the
// cells shown as check boxes. A grid without these functions is read-only.
#include <functional>
#include <string>

namespace pk {

struct GridInteraction {
  // May the user edit the cell (grid row and column)?
  std::function<bool(int row, int column)> editable;
  // Is the cell, holding this text, shown as a check box ("1" ticked)?
  std::function<bool(int row, int column, const std::string& text)> check_box;
  // The user clicked a check box cell.
  std::function<void(int row, int column)> toggle;
};

}  // namespace pk
