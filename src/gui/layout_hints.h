#pragma once
// How a window wants some of its areas arranged, beyond what the placements say: which
// column of the top strip an area goes to, which small controls sit at which cell of
// their area's grid, and which areas get a frame around them.
#include <map>
#include <set>
#include <string>

namespace pk {

struct ColumnSlot {
  int column = 0;
  int order = 0;  // top to bottom within the column
};

struct GridSlot {
  int row = 0;
  int column = 0;
  int column_span = 1;
};

struct LayoutHints {
  // Areas of the strip above the centre ("top/..."), by placement.
  std::map<std::string, ColumnSlot> strip_columns;
  // The strip's column that takes the spare width.
  int stretching_column = -1;
  // Small controls by name.
  std::map<std::string, GridSlot> cells;
  // Areas by placement.
  std::set<std::string> framed_areas;
  // Placements by control name, for windows whose models leave their controls unplaced.
  std::map<std::string, std::string> placements;
};

// The main window's top strip: results and cars, day fetch and automatic mode, and the
// bet plan generator above the recommendation box it shares its area with.
LayoutHints MainWindowHints();

}  // namespace pk
