#pragma once
// A report list's snapshot as a Qt table model: the columns' captions as the header,
// one table row per item, the column's alignment and the item's colours.
#include <QAbstractTableModel>

#include "app/ui/report_list_model.h"

namespace pk {

class ReportListTableModel : public QAbstractTableModel {
 public:
  using QAbstractTableModel::QAbstractTableModel;

  // Takes a new snapshot; the views keep their scroll position when items were only
  // added or removed.
  void SetSnapshot(ReportListSnapshot snapshot);
  const ReportListSnapshot& Snapshot() const { return snapshot_; }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  ReportListSnapshot snapshot_;
};

}  // namespace pk
