#include "gui/report_list_table_model.h"

#include "gui/cell_roles.h"
#include "gui/qt_text.h"

namespace pk {

void ReportListTableModel::SetSnapshot(ReportListSnapshot snapshot) {
  if (snapshot.columns.size() != snapshot_.columns.size()) {
    beginResetModel();
    snapshot_ = std::move(snapshot);
    endResetModel();
    return;
  }
  const int old_rows = static_cast<int>(snapshot_.items.size());
  const int new_rows = static_cast<int>(snapshot.items.size());
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
  const int columns = static_cast<int>(snapshot_.columns.size());
  if (new_rows > 0 && columns > 0) emit dataChanged(index(0, 0), index(new_rows - 1, columns - 1));
  if (columns > 0) emit headerDataChanged(Qt::Horizontal, 0, columns - 1);
}

int ReportListTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(snapshot_.items.size());
}

int ReportListTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(snapshot_.columns.size());
}

QVariant ReportListTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount()) return {};
  const ListItem& item = snapshot_.items[index.row()];
  switch (role) {
    case Qt::DisplayRole:
      if (index.column() < static_cast<int>(item.texts.size())) return ToDisplayText(item.texts[index.column()]);
      return QString();
    case Qt::TextAlignmentRole:
    case Qt::ForegroundRole:
    case Qt::BackgroundRole:
      return CellStyleData({snapshot_.columns[index.column()].align, item.text_colour, item.back_colour}, role);
    default:
      return {};
  }
}

QVariant ReportListTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= columnCount()) return {};
  const ListColumn& column = snapshot_.columns[section];
  if (role == Qt::DisplayRole) return ToQString(column.caption);
  if (role == Qt::TextAlignmentRole) return QVariant::fromValue(ToQtAlignment(column.align));
  return {};
}

}  // namespace pk
