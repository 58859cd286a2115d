#include "app/ui/grid_model.h"

#include <algorithm>

namespace pk {

GridModel::GridModel(std::string name, int rows, int columns, std::string placement)
    : Control(std::move(name), ControlKind::Grid, std::move(placement)),
      column_count_(std::max(columns, 0)),
      rows_(std::max(rows, 1), std::vector<GridCell>(column_count_)),
      column_widths_(column_count_) {}

int GridModel::RowCount() const {
  return Read([&] { return static_cast<int>(rows_.size()); });
}

void GridModel::SetRowCount(int rows) {
  Write([&] { rows_.resize(std::max(rows, 1), std::vector<GridCell>(column_count_)); });
}

int GridModel::ColumnCount() const {
  return Read([&] { return column_count_; });
}

void GridModel::SetColumnCount(int columns) {
  Write([&] {
    column_count_ = std::max(columns, 0);
    for (auto& row : rows_) row.resize(column_count_);
    column_widths_.resize(column_count_);
  });
}

std::string GridModel::CellText(int row, int column) const {
  return Read([&] { return Inside(row, column) ? rows_[row][column].text : std::string(); });
}

void GridModel::SetCellText(int row, int column, std::string text) {
  Write([&] {
    if (Inside(row, column)) rows_[row][column].text = std::move(text);
  });
}

void GridModel::SetRowTexts(int row, int first_column, const std::vector<std::string>& texts) {
  Write([&] {
    for (size_t i = 0; i < texts.size(); ++i) {
      int column = first_column + static_cast<int>(i);
      if (Inside(row, column)) rows_[row][column].text = texts[i];
    }
  });
}

MaybeColour GridModel::TextColour(int row, int column) const {
  return Read([&] { return Inside(row, column) ? rows_[row][column].text_colour : MaybeColour(); });
}

MaybeColour GridModel::BackColour(int row, int column) const {
  return Read([&] { return Inside(row, column) ? rows_[row][column].back_colour : MaybeColour(); });
}

void GridModel::SetTextColour(int row, int column, Colour colour) {
  SetTextColour(CellRange{row, column, row, column}, colour);
}

void GridModel::SetBackColour(int row, int column, Colour colour) {
  SetBackColour(CellRange{row, column, row, column}, colour);
}

template <class F>
void GridModel::ForRange(const CellRange& range, F&& f) {
  int top = std::max(range.top, 0);
  int left = std::max(range.left, 0);
  int bottom = std::min<long long>(range.bottom, static_cast<long long>(rows_.size()) - 1);
  int right = std::min(range.right, column_count_ - 1);
  for (int r = top; r <= bottom; ++r)
    for (int c = left; c <= right; ++c) f(rows_[r][c]);
}

void GridModel::SetTextColour(const CellRange& range, Colour colour) {
  Write([&] { ForRange(range, [&](GridCell& cell) { cell.text_colour = colour; }); });
}

void GridModel::SetBackColour(const CellRange& range, Colour colour) {
  Write([&] { ForRange(range, [&](GridCell& cell) { cell.back_colour = colour; }); });
}

void GridModel::SetAlignment(const CellRange& range, Align align) {
  Write([&] { alignments_.push_back({range, align}); });
}

Align GridModel::Alignment(int row, int column) const {
  return Read([&] {
    Align result = Align::Left;
    for (const auto& alignment : alignments_)
      if (alignment.range.Contains(row, column)) result = alignment.align;
    return result;
  });
}

std::optional<int> GridModel::ColumnWidth(int column) const {
  return Read([&] {
    return column >= 0 && column < column_count_ ? column_widths_[column] : std::optional<int>();
  });
}

void GridModel::SetColumnWidth(int column, int width) {
  Write([&] {
    if (column >= 0 && column < column_count_) column_widths_[column] = width;
  });
}

void GridModel::Merge(const CellRange& range) {
  Write([&] { merged_.push_back(range); });
}

std::vector<CellRange> GridModel::MergedRanges() const {
  return Read([&] { return merged_; });
}

int GridModel::InsertRow(int index) {
  int at = std::max(index, 1);
  Write([&] {
    if (at > static_cast<int>(rows_.size())) rows_.resize(at, std::vector<GridCell>(column_count_));
    rows_.insert(rows_.begin() + at, std::vector<GridCell>(column_count_));
    for (auto& range : merged_)
      if (range.top >= at) {
        ++range.top;
        ++range.bottom;
      }
    if (current_row_ >= at) ++current_row_;
  });
  return at;
}

int GridModel::AppendRow() {
  int at = 0;
  Write([&] {
    rows_.emplace_back(column_count_);
    at = static_cast<int>(rows_.size()) - 1;
  });
  return at;
}

void GridModel::DeleteRow(int index) {
  Write([&] {
    if (index < 1 || index >= static_cast<int>(rows_.size())) return;
    rows_.erase(rows_.begin() + index);
    if (current_row_ > index) --current_row_;
  });
}

int GridModel::CurrentRow() const {
  return Read([&] { return current_row_; });
}

int GridModel::CurrentColumn() const {
  return Read([&] { return current_column_; });
}

void GridModel::SetCurrentCell(int row, int column) {
  Write([&] {
    current_row_ = row;
    current_column_ = column;
  });
  Fire(current_cell_handler_, row, column);
}

void GridModel::OnCurrentCell(CurrentCellHandler handler) {
  Write([&] { current_cell_handler_ = std::move(handler); });
}

void GridModel::EnsureRowVisible(int row) {
  Write([&] { visible_row_request_ = row; });
}

std::string GridModel::ToolTip() const {
  return Read([&] { return tooltip_; });
}

void GridModel::SetToolTip(std::string text) {
  Write([&] { tooltip_ = std::move(text); });
}

GridSnapshot GridModel::Snapshot() const {
  return Read([&] {
    return GridSnapshot{column_count_, rows_,       column_widths_,       merged_, alignments_,
                        current_row_,  current_column_, visible_row_request_, tooltip_};
  });
}

}  // namespace pk
