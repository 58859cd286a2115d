#include "gui/grid_table_model.h"

#include <QBrush>
#include <QFont>
#include <algorithm>

#include "gui/qt_text.h"

namespace pk {

Align CellAlignment(const GridSnapshot& snapshot, int row, int column) {
  for (auto it = snapshot.alignments.rbegin(); it != snapshot.alignments.rend(); ++it)
    if (it->range.Contains(row, column)) return it->align;
  return Align::Left;
}

int GridTableModel::TableRows(const GridSnapshot& snapshot) const {
  return std::max(0, static_cast<int>(snapshot.rows.size()) - FirstGridRow());
}

void GridTableModel::SetSnapshot(GridSnapshot snapshot) {
  if (snapshot.column_count != snapshot_.column_count) {
    beginResetModel();
    snapshot_ = std::move(snapshot);
    endResetModel();
    return;
  }
  const int old_rows = TableRows(snapshot_);
  const int new_rows = TableRows(snapshot);
  if (new_rows > old_rows) {
    beginInsertRows({}, old_rows, new_rows - 1);
    snapshot_ = std::move(snapshot);
    endInsertRows();
  } else if (new_rows < old_rows) {
    beginRemoveRows({}, new_rows, old_rows - 1);
    snapshot_ = std::move(snapshot);
    endRemoveRows();
  } else {
    snapshot_ = std::move(snapshot);
  }
  if (new_rows > 0 && snapshot_.column_count > 0)
    emit dataChanged(index(0, 0), index(new_rows - 1, snapshot_.column_count - 1));
  if (!header_in_table_ && snapshot_.column_count > 0)
    emit headerDataChanged(Qt::Horizontal, 0, snapshot_.column_count - 1);
}

int GridTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : TableRows(snapshot_);
}

int GridTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : snapshot_.column_count;
}

QVariant GridTableModel::CellData(int grid_row, int column, int role) const {
  if (grid_row < 0 || grid_row >= static_cast<int>(snapshot_.rows.size()) || column < 0 ||
      column >= snapshot_.column_count)
    return {};
  const GridCell& cell = snapshot_.rows[grid_row][column];
  switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
      if (role == Qt::ToolTipRole && cell.text.size() < 16) return {};
      return ToDisplayText(cell.text);
    case Qt::TextAlignmentRole:
      return QVariant::fromValue(ToQtAlignment(CellAlignment(snapshot_, grid_row, column)));
    case Qt::ForegroundRole:
      if (cell.text_colour) return QBrush(ToQColor(*cell.text_colour));
      return {};
    case Qt::BackgroundRole:
      if (cell.back_colour) return QBrush(ToQColor(*cell.back_colour));
      // The header row shown inside the table keeps the look of a fixed row.
      if (grid_row == 0) return QBrush(QColor(236, 236, 236));
      return {};
    case Qt::FontRole:
      // The header row and merged title cells read as headings.
      if (grid_row == 0 || IsMergeAnchor(grid_row, column)) {
        QFont font;
        font.setBold(true);
        return font;
      }
      return {};
    default:
      return {};
  }
}

bool GridTableModel::IsMergeAnchor(int grid_row, int column) const {
  for (const CellRange& range : snapshot_.merged)
    if (range.top == grid_row && range.left == column && (range.bottom > range.top || range.right > range.left)) return true;
  return false;
}

QVariant GridTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  return CellData(index.row() + FirstGridRow(), index.column(), role);
}

QVariant GridTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation == Qt::Horizontal && !header_in_table_) {
    if (role == Qt::DisplayRole || role == Qt::TextAlignmentRole || role == Qt::ForegroundRole ||
        role == Qt::BackgroundRole)
      return CellData(0, section, role);
    return {};
  }
  if (orientation == Qt::Vertical && role == Qt::DisplayRole) return section + FirstGridRow();
  return {};
}

}  // namespace pk
