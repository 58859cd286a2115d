#pragma once
// A grid model's snapshot as a Qt table model. Row 0 of the grid, its header row, is
// either the table's horizontal header (header_in_table false) or the table's first
// row (true), so that a merged title row stays one readable cell.
#include <QAbstractTableModel>

#include <functional>
#include <string>

#include "app/ui/grid_model.h"
#include "gui/grid_interaction.h"

namespace pk {

class GridTableModel : public QAbstractTableModel {
 public:
  explicit GridTableModel(bool header_in_table, QObject* parent = nullptr)
      : QAbstractTableModel(parent), header_in_table_(header_in_table) {}

  // Edits and ticks: edited text goes to `edit`, a tick to the interaction's toggle.
  void SetInteraction(GridInteraction interaction, std::function<void(int row, int column, std::string text)> edit);

  // The grid row shown as table row 0.
  int FirstGridRow() const { return header_in_table_ ? 0 : 1; }
  bool HeaderInTable() const { return header_in_table_; }

  // Takes a new snapshot and tells the views what changed, keeping their scroll
  // position when only rows were added or removed.
  void SetSnapshot(GridSnapshot snapshot);
  const GridSnapshot& Snapshot() const { return snapshot_; }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;

 private:
  bool IsCheckBox(int grid_row, int column) const;
  int TableRows(const GridSnapshot& snapshot) const;
  QVariant CellData(int grid_row, int column, int role) const;
  bool IsMergeAnchor(int grid_row, int column) const;

  const bool header_in_table_;
  GridSnapshot snapshot_;
  GridInteraction interaction_;
  std::function<void(int row, int column, std::string text)> edit_;
};

// The alignment of a cell: the last range set that holds it, left when none does.
Align CellAlignment(const GridSnapshot& snapshot, int row, int column);

}  // namespace pk
