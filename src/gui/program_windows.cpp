#include "gui/program_windows.h"

#include "acquire/help_window.h"
#include "app/ui/main_window_controls.h"
#include "gui/extremes_window_view.h"
#include "gui/gui_shell.h"
#include "gui/help_window_view.h"
#include "gui/log_window_view.h"
#include "gui/settings_window_view.h"
#include "settings/settings_window.h"
#include "stats/log_window.h"
#include "workshop/extremes_window.h"

namespace pk {

LayoutHints ProgramWindowHints(const std::string& window) {
  if (window == kMainWindow) return MainWindowHints();
  if (window == kExtremesWindow) return ExtremesWindowHints();
  return {};
}

namespace {

// The view of a window not wired yet (a window created later is wired when this runs again).
WindowView* Unconnected(GuiShell& shell, const char* window) {
  WindowView* view = shell.View(window);
  if (!view || view->property("pkcalc-connected").toBool()) return nullptr;
  view->setProperty("pkcalc-connected", true);
  return view;
}

}  // namespace

void ConnectProgramWindows(GuiShell& shell, Program& program) {
  if (WindowView* settings = Unconnected(shell, kSettingsWindow)) ConnectSettingsWindow(*settings, program);
  if (WindowView* help = Unconnected(shell, kHelpWindow)) ConnectHelpWindow(*help, program);
  if (WindowView* log = Unconnected(shell, kLogWindow)) ConnectLogWindow(*log);
  if (WindowView* extremes = Unconnected(shell, kExtremesWindow)) ConnectExtremesWindow(*extremes);
}

}  // namespace pk
