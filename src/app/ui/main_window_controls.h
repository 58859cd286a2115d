#pragma once
// The main window "MainWindow" with all its controls as the program creates them:
// names, kinds, captions and initial texts, grid headers and layouts, report-list
// columns, tab controls with their pages, menus, timers (stopped), tray icon, balloon,
// status bar, charts, the bet plan generator and the static plan statistics panels.
//
// Each control's placement names the page or area it sits on, as a path:
// "总选择夹/九码一" is the page "九码一" of the tab control "总选择夹";
// "总选择夹/遗漏/极限选择夹/一码" a page of a tab control nested in it;
// "top/..." the area above the tab control ("top/results", "top/fetch", "top/auto",
// "top/recommend", "top/bet" for the frame "外形框1" and "top/bet/外形框1" inside it);
// "right/partners" the partner-link column; "bottom/status" the status bar; "" for
// parts without a place on screen (timers, tray icon, balloon, tooltip).
#include <string>

#include "app/ui/ui_registry.h"

namespace pk {

inline constexpr const char* kMainWindow = "MainWindow";
// The title before the program version is appended at start-up.
inline constexpr const char* kMainWindowTitle = "『岚驰』PK10演算工具 V";
// Controls that both the window's building and its behaviour name.
inline constexpr const char* kTrayIcon = "托盘图标";
inline constexpr const char* kTipTimer = "时钟_温馨提示";
inline constexpr const char* kTrayFlashTimer = "时钟_托盘图标闪动";

// Main window width with the partner-link column shown and hidden.
constexpr int kMainWidthWithPartners = 789;
constexpr int kMainWidthWithoutPartners = 707;

UiWindow& CreateMainWindow(UiRegistry& registry);

}  // namespace pk
