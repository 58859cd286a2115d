#include "stats/log_window.h"

#include <vector>

#include "app/program.h"
#include "app/ui/main_window_controls.h"
#include "app/ui/ui_models.h"
#include "stats/event_log.h"

namespace pk {

UiWindow& CreateLogWindow(UiRegistry& registry) {
  UiWindow& window = registry.AddWindow(kLogWindow, "日志记录");
  window.Add<ReportListModel>(kLogList, std::vector<ListColumn>{{"期号", 60, Align::Left},
                                                                {"号码组合", 80, Align::Left},
                                                                {"极限", 40, Align::Left},
                                                                {"当前", 40, Align::Left},
                                                                {"离散", 0, Align::Left},
                                                                {"备注", 160, Align::Left},
                                                                {"记录时间", 130, Align::Left}});
  window.Add<LabelModel>(kLogCountLabel, "记录数：0");
  window.Add<ButtonModel>(kLogExportButton, ControlKind::Button, "导出文本");

  WindowModel& model = window.Model();
  model.OnCloseRequest([&model] {
    model.SetVisible(false);
    return false;
  });
  return window;
}

void SetUpLogWindow(Program& program) {
  UiWindow& window = CreateLogWindow(program.ui());
  window.Get<ButtonModel>(kLogExportButton).OnClick([&program] { ExportLog(program); });
  program.ui().Window(kMainWindow).OnMenu("日志记录", [&window] { window.Model().Show(); });
}

}  // namespace pk
