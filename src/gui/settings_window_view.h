#pragma once
// The settings window "配置选项" on screen: the grid's run columns as check boxes (the
// "全选" row ticks a whole column), the type columns read-only, the type hints as the
// grid's tooltip.
namespace pk {

class WindowView;
struct Program;

void ConnectSettingsWindow(WindowView& view, Program& program);

}  // namespace pk
