#pragma once
// The settings window "配置选项": the grid "高级表格1" with the run flags and warning
// distances of three groups of analysis types, the partner-link box and the buttons.
//
// The grid's check boxes are cells of the run columns 0, 3 and 6 holding "1" (ticked)
// or "0" (unticked): rows 1..8 where the row has a type, and row 9 ("全选"). The Qt
// layer shows them as check boxes and calls ClickSettingsCheckBox when one is clicked;
// it asks SettingsCellEditable before it lets a cell be edited.
#include "app/ui/ui_registry.h"

namespace pk {

struct Program;

inline constexpr const char* kSettingsWindow = "SettingsWindow";
inline constexpr const char* kSettingsGrid = "高级表格1";
inline constexpr const char* kPartnerLinksBox = "选择框_友情链接";
inline constexpr const char* kSettingsOkButton = "按钮_配置确定";
inline constexpr const char* kSettingsCancelButton = "按钮_配置取消";
inline constexpr const char* kTicked = "1";
inline constexpr const char* kUnticked = "0";
constexpr int kSelectAllRow = 9;

// The window and its controls, hidden, with the type names, "全选" rows and hints.
UiWindow& CreateSettingsWindow(UiRegistry& registry);

// Creates the window, connects its buttons, grid and close box and the main window's
// menu item "配置选项", and loads the settings.
void SetUpSettingsWindow(Program& program);

// Reads the file into the settings, the warning distances and the window (writing a
// fresh file, or the default text, where the stored one is missing or too short) and
// sets the main window's width. Without a data folder no file is touched.
void LoadSettings(Program& program);

// "确定": hides the window, writes the grid into the settings and the file.
void SaveSettings(Program& program);

// "取消" and the close box: hides the window and reloads, discarding the edits.
void CancelSettings(Program& program);

// The main window's menu item: shows the window, disables the main window, reloads.
void OpenSettings(Program& program);

// The user clicked the check box of a run column cell: it toggles; in the "全选" row it
// ticks or unticks the whole column.
void ClickSettingsCheckBox(Program& program, int row, int column);

// The user selected a cell: a type cell of the first two groups shows its entry's name
// and current distance as the grid's hint.
void SelectSettingsCell(Program& program, int row, int column);

// Every cell but the header row and the type columns 1, 4 and 7 may be edited.
bool SettingsCellEditable(int row, int column);

}  // namespace pk
