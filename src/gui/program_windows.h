#pragma once
// The few things the Qt layer does for particular windows of the program that their
// models do not say by themselves: how their controls are arranged, which cells of the
// settings grid the user may edit and which are check boxes, and which menus are the
// right-button menus of a list or a text.
#include <string>

#include "gui/layout_hints.h"

namespace pk {

class GuiShell;
struct Program;

// The arrangement of a window's controls beyond their placements.
LayoutHints ProgramWindowHints(const std::string& window);

// Wires the windows the registry holds now.
void ConnectProgramWindows(GuiShell& shell, Program& program);

}  // namespace pk
