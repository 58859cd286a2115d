#pragma once
// The extremes window "演算极限" on screen: the update box above the computation box
// (the twelve kinds, shut-down box, start button, animated and status labels, progress
// bar and percentage), the result list below, and the menu "更新" as the list's context
// menu rather than a menu bar.
#include "gui/layout_hints.h"

namespace pk {

class WindowView;

LayoutHints ExtremesWindowHints();

// Makes "更新" (with "手动更新") the result list's right-button menu.
void ConnectExtremesWindow(WindowView& view);

}  // namespace pk
