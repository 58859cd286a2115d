#pragma once
// Every report list view ("超级列表框") as a QTableView in list style: the columns'
// captions, widths (0 hides a column) and alignment, the items with their colours, the
// selection, and the column and item clicks passed back to the model. The model sorts;
// the view never does. A right click on an item selects it and, where the window gave
// the list a context menu, pops that menu up.
#include <QTableView>
#include <functional>

#include "app/ui/report_list_model.h"
#include "gui/control_adapter.h"
#include "gui/report_list_table_model.h"

class QMenu;

namespace pk {

class ReportListAdapter : public ControlAdapter {
 public:
  explicit ReportListAdapter(ReportListModel& list);

  QTableView* view() const { return view_; }
  ReportListTableModel* tableModel() const { return table_; }
  // The width that shows every column without a horizontal scroll bar.
  int FullWidth() const;
  // The menu to pop up on a right click on an item, looked up at that moment (a window
  // may rebuild its menus); null or an empty menu shows nothing.
  void SetContextMenu(std::function<QMenu*()> menu) { context_menu_ = std::move(menu); }

 protected:
  void Update() override;

 private:
  void ApplyColumns();

  ReportListModel& list_;
  QTableView* view_;
  ReportListTableModel* table_;
  std::vector<ListColumn> applied_columns_;
  std::function<QMenu*()> context_menu_;
  int applied_visible_request_ = -1;
  bool applying_ = false;
};

}  // namespace pk
