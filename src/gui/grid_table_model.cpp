#include "gui/grid_table_model.h"

#include <QBrush>
#include <QFont>
#include <algorithm>

#include "gui/cell_roles.h"
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
  if (IsCheckBox(grid_row, column)) {
    if (role == Qt::CheckStateRole) return cell.text == "1" ? Qt::Checked : Qt::Unchecked;
    if (role == Qt::DisplayRole || role == Qt::EditRole) return QString();
  }
  switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
    case Qt::ToolTipRole:
      if (role == Qt::ToolTipRole && cell.text.size() < 16) return {};
      return ToDisplayText(cell.text);
    case Qt::TextAlignmentRole:
    case Qt::ForegroundRole:
    case Qt::BackgroundRole: {
      const QVariant style =
          CellStyleData({CellAlignment(snapshot_, grid_row, column), cell.text_colour, cell.back_colour}, role);
      // The header row shown inside the table keeps the look of a fixed row.
      if (role == Qt::BackgroundRole && !style.isValid() && grid_row == 0) return QBrush(QColor(236, 236, 236));
      return style;
    }
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

void GridTableModel::SetInteraction(GridInteraction interaction,
                                    std::function<void(int row, int column, std::string text)> edit) {
  beginResetModel();
  interaction_ = std::move(interaction);
  edit_ = std::move(edit);
  endResetModel();
}

bool GridTableModel::IsCheckBox(int grid_row, int column) const {
  if (!interaction_.check_box || grid_row < 0 || grid_row >= static_cast<int>(snapshot_.rows.size()) || column < 0 ||
      column >= snapshot_.column_count)
    return false;
  return interaction_.check_box(grid_row, column, snapshot_.rows[grid_row][column].text);
}

Qt::ItemFlags GridTableModel::flags(const QModelIndex& index) const {
  Qt::ItemFlags flags = QAbstractTableModel::flags(index);
  if (!index.isValid()) return flags;
  const int grid_row = index.row() + FirstGridRow();
  if (IsCheckBox(grid_row, index.column())) return flags | Qt::ItemIsUserCheckable;
  if (interaction_.editable && edit_ && interaction_.editable(grid_row, index.column())) flags |= Qt::ItemIsEditable;
  return flags;
}

bool GridTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (!index.isValid()) return false;
  const int grid_row = index.row() + FirstGridRow();
  if (role == Qt::CheckStateRole && IsCheckBox(grid_row, index.column())) {
    // The grid's owner decides what a tick does (the "全选" row ticks a whole column).
    if (interaction_.toggle) interaction_.toggle(grid_row, index.column());
    return true;
  }
  if (role == Qt::EditRole && (flags(index) & Qt::ItemIsEditable)) {
    edit_(grid_row, index.column(), ToUtf8(value.toString()));
    return true;
  }
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
