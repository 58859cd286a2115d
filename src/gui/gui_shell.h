#pragma once
// The windows of a registry on screen: a WindowView per window, made when the shell
// starts or, for a window created later, at the first change of it; the change
// dispatcher routes every change to its view.
#include <map>
#include <memory>
#include <string>

#include "app/ui/ui_registry.h"
#include "gui/change_dispatcher.h"
#include "gui/window_view.h"

namespace pk {

class GuiShell {
 public:
  explicit GuiShell(UiRegistry& registry);
  ~GuiShell();
  GuiShell(const GuiShell&) = delete;
  GuiShell& operator=(const GuiShell&) = delete;

  // The view of a window, made now if needed; null when the registry has no such window.
  WindowView* View(const std::string& window);
  // True while a change waits for its refresh.
  bool Pending() const { return dispatcher_.Pending(); }
  // Refreshes what waits now.
  void Flush() { dispatcher_.Flush(); }

 private:
  void Refresh(const std::string& window, const std::string& control);

  UiRegistry& registry_;
  std::map<std::string, std::unique_ptr<WindowView>> views_;
  ChangeDispatcher dispatcher_;
};

}  // namespace pk
