#pragma once
// The windows of the program by name, each with its controls by name:
//
//   registry.Window("MainWindow").Get<GridModel>("高级表格_热码").SetCellText(1, 0, "370");
//
// Change notification: the one registry-wide listener is called with (window name,
// control name) after every change of a control, and with (window name, "") after a
// change of the window's own state or menus. It is called from the thread that made
// the change, after the model's lock is released, and must not block: the GUI queues
// it to its own thread and reads the model there. The core never waits for the GUI.
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "app/ui/ui_window.h"

namespace pk {

class UiRegistry {
 public:
  using ChangeListener = std::function<void(const std::string& window, const std::string& control)>;

  UiRegistry() = default;
  UiRegistry(const UiRegistry&) = delete;
  UiRegistry& operator=(const UiRegistry&) = delete;

  // A second window of the same name is a programming error (std::logic_error).
  UiWindow& AddWindow(std::string name, std::string caption = {});
  // A missing window is a programming error (std::logic_error naming it).
  UiWindow& Window(std::string_view name) const;
  bool HasWindow(std::string_view name) const;
  // All windows in creation order.
  std::vector<UiWindow*> Windows() const;

  // Replaces the listener; an empty function removes it.
  void SetChangeListener(ChangeListener listener);

 private:
  void Notify(const std::string& window, const std::string& control) const;

  mutable std::mutex windows_mutex_;
  std::vector<std::unique_ptr<UiWindow>> windows_;
  mutable std::mutex listener_mutex_;
  std::shared_ptr<const ChangeListener> listener_;
};

}  // namespace pk
