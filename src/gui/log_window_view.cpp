#include "gui/log_window_view.h"

#include <QTableView>

#include "gui/report_list_adapter.h"
#include "gui/window_view.h"
#include "stats/log_window.h"

namespace pk {

namespace {
// Room for about a dozen rows below the header.
constexpr int kLogListHeight = 280;
}  // namespace

void ConnectLogWindow(WindowView& view) {
  auto* list = view.AdapterAs<ReportListAdapter>(kLogList);
  if (!list) return;
  list->view()->setMinimumSize(list->FullWidth(), kLogListHeight);
  view.resize(view.sizeHint());
}

}  // namespace pk
