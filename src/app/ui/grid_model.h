#pragma once
// Grid ("高级表格"): rows of cells with text, text colour and background colour; row 0
// is the header row. Alignment, merged cells and column widths belong to the layout.
//
// Row count semantics: SetRowCount(1) leaves only the header row; growing keeps every
// cell and adds empty rows; the header row is never removed. Colours travel with their
// cells when rows are inserted or deleted. Writes outside the grid are ignored and
// reads outside it give empty text and no colour, as the window toolkit does.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/ui/cell_range.h"
#include "app/ui/colour.h"
#include "app/ui/control.h"

namespace pk {

struct GridCell {
  std::string text;
  MaybeColour text_colour;
  MaybeColour back_colour;
  bool operator==(const GridCell&) const = default;
};

struct GridAlignment {
  CellRange range;
  Align align = Align::Left;
};

// A consistent copy of the whole grid, for rendering and dumping.
struct GridSnapshot {
  int column_count = 0;
  std::vector<std::vector<GridCell>> rows;
  std::vector<std::optional<int>> column_widths;  // one per column; nullopt = default width
  std::vector<CellRange> merged;
  std::vector<GridAlignment> alignments;  // in the order set; a later range wins
  int current_row = 0;
  int current_column = 0;
  int visible_row_request = -1;  // the row last made visible, -1 none
  std::string tooltip;
};

class GridModel : public Control {
 public:
  using CurrentCellHandler = std::function<void(int row, int column)>;

  GridModel(std::string name, int rows, int columns, std::string placement = {});

  int RowCount() const;
  void SetRowCount(int rows);
  int ColumnCount() const;
  void SetColumnCount(int columns);

  std::string CellText(int row, int column) const;
  void SetCellText(int row, int column, std::string text);
  // Writes texts from (row, first_column) rightwards.
  void SetRowTexts(int row, int first_column, const std::vector<std::string>& texts);

  MaybeColour TextColour(int row, int column) const;
  MaybeColour BackColour(int row, int column) const;
  void SetTextColour(int row, int column, Colour colour);
  void SetBackColour(int row, int column, Colour colour);
  // The part of the range inside the grid takes the colour.
  void SetTextColour(const CellRange& range, Colour colour);
  void SetBackColour(const CellRange& range, Colour colour);

  // Alignment is kept per range, so rows added later inside the range follow it.
  void SetAlignment(const CellRange& range, Align align);
  Align Alignment(int row, int column) const;

  std::optional<int> ColumnWidth(int column) const;
  void SetColumnWidth(int column, int width);

  void Merge(const CellRange& range);
  std::vector<CellRange> MergedRanges() const;

  // Inserts an empty row that becomes row `index`, shifting the rows from there down
  // with their colours. An index past the end first pads with empty rows. Returns the
  // index. Index 0 (above the header) is refused and treated as 1.
  int InsertRow(int index);
  // Appends an empty row; returns its index.
  int AppendRow();
  // Deletes a data row; the header row and rows outside the grid are left alone.
  void DeleteRow(int index);

  int CurrentRow() const;
  int CurrentColumn() const;
  // The user moved to a cell: records it and raises the current-cell event.
  void SetCurrentCell(int row, int column);
  void OnCurrentCell(CurrentCellHandler handler);

  // Scrolls so that the row is visible.
  void EnsureRowVisible(int row);

  // Hint text shown over the grid (the current cell's text for long remarks).
  std::string ToolTip() const;
  void SetToolTip(std::string text);

  GridSnapshot Snapshot() const;

 private:
  bool Inside(int row, int column) const { return row >= 0 && row < static_cast<int>(rows_.size()) && column >= 0 && column < column_count_; }
  template <class F>
  void ForRange(const CellRange& range, F&& f);

  int column_count_;
  std::vector<std::vector<GridCell>> rows_;
  std::vector<std::optional<int>> column_widths_;
  std::vector<CellRange> merged_;
  std::vector<GridAlignment> alignments_;
  int current_row_ = 0;
  int current_column_ = 0;
  int visible_row_request_ = -1;
  std::string tooltip_;
  CurrentCellHandler current_cell_handler_;
};

}  // namespace pk
