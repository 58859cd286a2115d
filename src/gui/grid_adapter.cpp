#include "gui/grid_adapter.h"

#include <QHeaderView>
#include <QScrollBar>

#include "gui/qt_text.h"

namespace pk {

namespace {
constexpr int kDefaultColumnWidth = 56;
constexpr int kRowHeight = 22;
// A few pixels more than the cells need, so that no scroll bar appears for want of them.
constexpr int kSlack = 2;
}  // namespace

bool GridShowsHeaderInTable(const GridSnapshot& snapshot) {
  for (const CellRange& range : snapshot.merged)
    if (range.top <= 0 && range.bottom >= 0) return true;
  return false;
}

GridAdapter::GridAdapter(GridModel& grid) : ControlAdapter(grid), grid_(grid) {
  GridSnapshot snapshot = grid.Snapshot();
  view_ = new QTableView;
  view_->setObjectName(ToQString(grid.Name()));
  table_ = new GridTableModel(GridShowsHeaderInTable(snapshot), view_);
  // The cells are there from the start, so that the window can size the view.
  table_->SetSnapshot(std::move(snapshot));
  view_->setModel(table_);
  view_->verticalHeader()->hide();
  view_->verticalHeader()->setDefaultSectionSize(kRowHeight);
  view_->verticalHeader()->setMinimumSectionSize(kRowHeight);
  view_->horizontalHeader()->setVisible(!table_->HeaderInTable());
  view_->horizontalHeader()->setDefaultSectionSize(kDefaultColumnWidth);
  view_->horizontalHeader()->setMinimumSectionSize(0);
  view_->horizontalHeader()->setHighlightSections(false);
  view_->horizontalHeader()->setSectionsClickable(false);
  view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  view_->setSelectionMode(QAbstractItemView::SingleSelection);
  view_->setSelectionBehavior(QAbstractItemView::SelectItems);
  view_->setWordWrap(false);
  view_->setCornerButtonEnabled(false);
  SetWidget(view_);

  QObject::connect(view_->selectionModel(), &QItemSelectionModel::currentChanged, view_,
                   [this](const QModelIndex& current, const QModelIndex&) {
                     if (applying_ || !current.isValid()) return;
                     grid_.SetCurrentCell(current.row() + table_->FirstGridRow(), current.column());
                   });
}

void GridAdapter::SetInteraction(GridInteraction interaction) {
  const bool editable = static_cast<bool>(interaction.editable);
  table_->SetInteraction(std::move(interaction), [this](int row, int column, std::string text) {
    grid_.SetCellText(row, column, std::move(text));
    // Show the edit at once rather than the old text until the queued refresh.
    Refresh();
  });
  view_->setEditTriggers(editable ? QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                                        QAbstractItemView::AnyKeyPressed
                                  : QAbstractItemView::NoEditTriggers);
  // The model was reset: spans and widths go on again.
  applied_spans_.clear();
  applied_span_rows_ = -1;
  applied_widths_.clear();
  Refresh();
}

int GridAdapter::FullHeight() const {
  view_->ensurePolished();
  view_->horizontalHeader()->ensurePolished();
  const int rows = grid_.RowCount() - table_->FirstGridRow();
  int height = 2 * view_->frameWidth() + rows * view_->verticalHeader()->defaultSectionSize() + kSlack;
  if (!table_->HeaderInTable()) height += view_->horizontalHeader()->sizeHint().height();
  return height;
}

int GridAdapter::FullWidth() const {
  view_->ensurePolished();
  int width = 2 * view_->frameWidth() + kSlack;
  for (int column = 0; column < grid_.ColumnCount(); ++column) width += grid_.ColumnWidth(column).value_or(kDefaultColumnWidth);
  return width;
}

void GridAdapter::Update() {
  applying_ = true;
  table_->SetSnapshot(grid_.Snapshot());
  ApplySpans();
  ApplyColumnWidths();
  view_->setToolTip(ToQString(table_->Snapshot().tooltip));
  ApplyCurrentCell();
  applying_ = false;
}

void GridAdapter::ApplySpans() {
  const GridSnapshot& snapshot = table_->Snapshot();
  const int first = table_->FirstGridRow();
  const int rows = table_->rowCount();
  // Spans are clipped to the rows there are, so a change of the row count redoes them.
  if (snapshot.merged == applied_spans_ && rows == applied_span_rows_) return;
  view_->clearSpans();
  for (const CellRange& range : snapshot.merged) {
    const int top = std::max(range.top - first, 0);
    const int bottom = std::min(range.bottom - first, rows - 1);
    const int left = std::max(range.left, 0);
    const int right = std::min(range.right, snapshot.column_count - 1);
    if (range.top < first || top > bottom || left > right) continue;
    if (top == bottom && left == right) continue;
    view_->setSpan(top, left, bottom - top + 1, right - left + 1);
  }
  applied_spans_ = snapshot.merged;
  applied_span_rows_ = rows;
}

void GridAdapter::ApplyColumnWidths() {
  const GridSnapshot& snapshot = table_->Snapshot();
  if (snapshot.column_widths == applied_widths_) return;
  for (int column = 0; column < static_cast<int>(snapshot.column_widths.size()); ++column) {
    const auto& width = snapshot.column_widths[column];
    view_->setColumnWidth(column, width ? *width : kDefaultColumnWidth);
  }
  applied_widths_ = snapshot.column_widths;
}

void GridAdapter::ApplyCurrentCell() {
  const GridSnapshot& snapshot = table_->Snapshot();
  const int first = table_->FirstGridRow();
  const QModelIndex wanted = table_->index(snapshot.current_row - first, snapshot.current_column);
  if (wanted.isValid() && view_->currentIndex() != wanted)
    view_->selectionModel()->setCurrentIndex(wanted, QItemSelectionModel::NoUpdate);
  if (snapshot.visible_row_request != applied_visible_request_) {
    applied_visible_request_ = snapshot.visible_row_request;
    const QModelIndex row = table_->index(snapshot.visible_row_request - first, 0);
    if (row.isValid()) view_->scrollTo(row);
  }
}

}  // namespace pk
