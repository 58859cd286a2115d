#pragma once
// Every report list view ("超级列表框") as a QTableView in list style: the columns'
// captions, widths (0 hides a column) and alignment, the items with their colours, the
// selection, and the column and item clicks passed back to the model. The model sorts;
// the view never does.
#include <QTableView>

#include "app/ui/report_list_model.h"
#include "gui/control_adapter.h"
#include "gui/report_list_table_model.h"

namespace pk {

class ReportListAdapter : public ControlAdapter {
 public:
  explicit ReportListAdapter(ReportListModel& list);

  QTableView* view() const { return view_; }
  ReportListTableModel* tableModel() const { return table_; }
  // The width that shows every column without a horizontal scroll bar.
  int FullWidth() const;

 protected:
  void Update() override;

 private:
  void ApplyColumns();

  ReportListModel& list_;
  QTableView* view_;
  ReportListTableModel* table_;
  std::vector<ListColumn> applied_columns_;
  int applied_visible_request_ = -1;
  bool applying_ = false;
};

}  // namespace pk
