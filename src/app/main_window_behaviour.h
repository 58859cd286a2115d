#pragma once
// The main window's own behaviour: the tip line, the flashing tray icon, the tray clicks,
// closing and minimising to the tray (or, on a desktop without a tray, to the task bar),
// the exit confirmation and the about window.
#include "app/ui/main_window_controls.h"  // kTrayIcon, kTipTimer, kTrayFlashTimer

namespace pk {

struct Program;

inline constexpr const char* kExitQuestion = "是否退出程序？";
inline constexpr const char* kExitTitle = "退出";

// Connects the handlers above to the main window's controls and menus.
void SetUpMainWindowBehaviour(Program& program);

// One tick of the tip timer: the next tip (wrapping to the first) in status bar part 1.
void ShowNextTip(Program& program);
// One tick of the flash timer: stops when the main window is visible, else alternates the
// program icon and the newest champion's icon.
void FlashTrayIcon(Program& program);
// A tray event (1 left click, 3 right click).
void HandleTrayEvent(Program& program, int code);
// Shows the main window in normal state in front, the program icon back, flashing stopped.
void RestoreMainWindow(Program& program);
// "退出": asks, and on Yes removes the tray icon and ends the program.
void AskExit(Program& program);

}  // namespace pk
