#pragma once
// Every grid ("高级表格") as a QTableView over a GridTableModel: texts, colours,
// alignment, merged cells, column widths, the current cell and the scroll requests.
#include <QTableView>

#include "app/ui/grid_model.h"
#include "gui/control_adapter.h"
#include "gui/grid_table_model.h"

namespace pk {

class GridAdapter : public ControlAdapter {
 public:
  explicit GridAdapter(GridModel& grid);

  QTableView* view() const { return view_; }
  GridTableModel* tableModel() const { return table_; }
  // Lets the user edit and tick cells as the interaction allows.
  void SetInteraction(GridInteraction interaction);

  // The height that shows every row of the grid without scrolling.
  int FullHeight() const;
  // The width that shows every column without scrolling.
  int FullWidth() const;

 protected:
  void Update() override;

 private:
  void ApplySpans();
  void ApplyColumnWidths();
  void ApplyCurrentCell();

  GridModel& grid_;
  QTableView* view_;
  GridTableModel* table_;
  std::vector<CellRange> applied_spans_;
  int applied_span_rows_ = -1;
  std::vector<std::optional<int>> applied_widths_;
  int applied_visible_request_ = -1;
  bool applying_ = false;
};

// Grids whose header row is merged show it inside the table; the others use it as the
// table's header, which stays in sight while the rows scroll.
bool GridShowsHeaderInTable(const GridSnapshot& snapshot);

}  // namespace pk
