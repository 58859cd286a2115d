#include "gui/gui_shell.h"

#include "app/ui/main_window_controls.h"
#include "gui/program_windows.h"

namespace pk {

GuiShell::GuiShell(UiRegistry& registry)
    : registry_(registry), dispatcher_(registry, [this](const std::string& window, const std::string& control) {
        Refresh(window, control);
      }) {
  for (UiWindow* window : registry_.Windows()) View(window->Name());
}

GuiShell::~GuiShell() = default;

WindowView* GuiShell::View(const std::string& window) {
  auto found = views_.find(window);
  if (found != views_.end()) return found->second.get();
  if (!registry_.HasWindow(window)) return nullptr;
  auto view = std::make_unique<WindowView>(registry_.Window(window), ProgramWindowHints(window));
  WindowView* made = view.get();
  views_.emplace(window, std::move(view));
  return made;
}

void GuiShell::Refresh(const std::string& window, const std::string& control) {
  if (WindowView* view = View(window)) view->Refresh(control);
}

}  // namespace pk
