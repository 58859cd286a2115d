#pragma once
// The log window "日志记录": the list of logged recommendations, the count label and
// the export button. Created hidden with the program; closing it only hides it.
#include "app/ui/ui_registry.h"

namespace pk {

struct Program;

inline constexpr const char* kLogWindow = "LogWindow";
inline constexpr const char* kLogList = "超级列表框_日志记录";
inline constexpr const char* kLogCountLabel = "透明标签_日志记录数";
inline constexpr const char* kLogExportButton = "按钮_日志记录导出";

// The window and its controls, hidden, with the close request refused and turned into
// hiding, so that the rows stay for the whole run.
UiWindow& CreateLogWindow(UiRegistry& registry);

// Creates the window and connects it: the export button exports through the platform's
// save dialog, the main window's menu item "日志记录" shows the window.
void SetUpLogWindow(Program& program);

}  // namespace pk
