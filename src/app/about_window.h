#pragma once
// The about window ("关于软件"): the program's name, its version and what it is for.
#include <string>

namespace pk {

struct Program;
class UiRegistry;
class UiWindow;

inline constexpr char kAboutWindow[] = "AboutWindow";
inline constexpr const char* kAboutCaption = "关于软件";
inline constexpr const char* kAboutCloseButton = "按钮_确定";

// The window, hidden, with its labels and close button.
UiWindow& CreateAboutWindow(UiRegistry& registry);

// Creates it, connects its close button and fills in the version (program.app).
void SetUpAboutWindow(Program& program);

// Opens it as a modal dialog with the current version.
void ShowAboutWindow(Program& program);

}  // namespace pk
