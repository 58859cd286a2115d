#pragma once
// The help window "帮助": the help topics of the online bulletin as a tree, the selected
// topic's text beside it, and the menu "操作" with "刷新" that reads the bulletin again.
// The menu is the context menu of the tree and the text box; "刷新" is offered only
// while the tree is empty.
#include "app/ui/ui_registry.h"

namespace pk {

struct Program;

inline constexpr const char* kHelpWindow = "HelpWindow";
inline constexpr const char* kHelpTree = "树型框1";
inline constexpr const char* kHelpText = "超级编辑框1";
inline constexpr const char* kHelpHint = "提示框1";
inline constexpr const char* kHelpMenu = "操作";
inline constexpr const char* kHelpRefreshItem = "刷新";
inline constexpr const char* kHelpStartText = "点击右键刷新！";

// The window, hidden: the tree, the text box with its start text, the tooltip and the menu.
UiWindow& CreateHelpWindow(UiRegistry& registry);

// Creates the window and connects it: "使用帮助" of the main window shows it (as a newly
// loaded window when it was closed), the tree selection shows a topic, "刷新" reloads.
void SetUpHelpWindow(Program& program);

// Shows the help window; a window that is not shown starts afresh with the topics read.
void ShowHelpWindow(Program& program);

// The topics of the application state into the tree (nothing when there are none).
void FillHelpTopics(Program& program);

// The tree selected item `item`: its text becomes the tree's hint, its body the text.
void SelectHelpTopic(Program& program, int item);

// A left click on the text box: the topic "视频教程" holds a web address to open.
void ClickHelpText(Program& program);

// Whether the context menu offers "刷新": only while no topic is shown.
bool HelpRefreshOffered(Program& program);

// "刷新": reads the bulletin page again (all five entries) and fills the tree.
void RefreshHelp(Program& program);

}  // namespace pk
