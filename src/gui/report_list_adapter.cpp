#include "gui/report_list_adapter.h"

#include <QHeaderView>
#include <QMenu>
#include <QScrollBar>

#include "gui/qt_text.h"

namespace pk {

namespace {
constexpr int kRowHeight = 20;
}  // namespace

ReportListAdapter::ReportListAdapter(ReportListModel& list) : ControlAdapter(list), list_(list) {
  view_ = new QTableView;
  view_->setObjectName(ToQString(list.Name()));
  table_ = new ReportListTableModel(view_);
  table_->SetSnapshot(list.Snapshot());
  view_->setModel(table_);
  view_->verticalHeader()->hide();
  view_->verticalHeader()->setDefaultSectionSize(kRowHeight);
  view_->verticalHeader()->setMinimumSectionSize(kRowHeight);
  view_->horizontalHeader()->setMinimumSectionSize(0);
  view_->horizontalHeader()->setHighlightSections(false);
  view_->horizontalHeader()->setSectionsClickable(true);
  view_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
  view_->setShowGrid(false);
  view_->setWordWrap(false);
  view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  view_->setSelectionMode(QAbstractItemView::SingleSelection);
  view_->setSelectionBehavior(QAbstractItemView::SelectRows);
  view_->setContextMenuPolicy(Qt::CustomContextMenu);
  SetWidget(view_);

  QObject::connect(view_->horizontalHeader(), &QHeaderView::sectionClicked, view_,
                   [this](int column) { list_.ClickColumn(column); });
  QObject::connect(view_, &QAbstractItemView::clicked, view_, [this](const QModelIndex& index) {
    if (index.isValid()) list_.ClickItem(index.row(), 1);
  });
  QObject::connect(view_, &QWidget::customContextMenuRequested, view_, [this](const QPoint& point) {
    const QModelIndex index = view_->indexAt(point);
    if (!index.isValid()) return;
    // The item the menu acts on is the one under the pointer.
    view_->selectRow(index.row());
    list_.SetSelectedItem(index.row());
    list_.ClickItem(index.row(), 2);
    QMenu* menu = context_menu_ ? context_menu_() : nullptr;
    if (menu && !menu->isEmpty()) menu->popup(view_->viewport()->mapToGlobal(point));
  });
  QObject::connect(view_->selectionModel(), &QItemSelectionModel::currentRowChanged, view_,
                   [this](const QModelIndex& current, const QModelIndex&) {
                     if (!applying_ && current.isValid()) list_.SetSelectedItem(current.row());
                   });
}

int ReportListAdapter::FullWidth() const {
  view_->ensurePolished();
  int width = 2 * view_->frameWidth() + 2 + view_->verticalScrollBar()->sizeHint().width();
  for (const ListColumn& column : list_.Columns()) width += column.width;
  return width;
}

void ReportListAdapter::Update() {
  applying_ = true;
  ReportListSnapshot snapshot = list_.Snapshot();
  table_->SetSnapshot(std::move(snapshot));
  const ReportListSnapshot& shown = table_->Snapshot();
  view_->horizontalHeader()->setVisible(shown.report_style);
  ApplyColumns();

  const int selected = shown.selected;
  const int current = view_->selectionModel()->currentIndex().isValid() ? view_->currentIndex().row() : -1;
  if (selected != current) {
    if (selected >= 0 && selected < table_->rowCount())
      view_->selectRow(selected);
    else
      view_->clearSelection();
  }
  if (shown.visible_item_request != applied_visible_request_) {
    applied_visible_request_ = shown.visible_item_request;
    const QModelIndex item = table_->index(shown.visible_item_request, 0);
    if (item.isValid()) view_->scrollTo(item);
  }
  applying_ = false;
}

void ReportListAdapter::ApplyColumns() {
  const auto& columns = table_->Snapshot().columns;
  if (columns == applied_columns_) return;
  for (int i = 0; i < static_cast<int>(columns.size()); ++i) {
    view_->setColumnHidden(i, columns[i].width <= 0);
    if (columns[i].width > 0) view_->setColumnWidth(i, columns[i].width);
  }
  // A last column of text (a remark) takes the room left over; numbers keep their width.
  view_->horizontalHeader()->setStretchLastSection(!columns.empty() && columns.back().align == Align::Left);
  applied_columns_ = columns;
}

}  // namespace pk
