#pragma once
// The few things the Qt layer does for particular windows of the program that their
// models do not say by themselves: which cells of the settings grid the user may edit
// and which are check boxes.
namespace pk {

class GuiShell;
struct Program;

void ConnectProgramWindows(GuiShell& shell, Program& program);

}  // namespace pk
