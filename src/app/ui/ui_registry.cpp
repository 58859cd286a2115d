#include "app/ui/ui_registry.h"

#include <stdexcept>

namespace pk {

UiWindow& UiRegistry::AddWindow(std::string name, std::string caption) {
  std::lock_guard lock(windows_mutex_);
  for (const auto& window : windows_)
    if (window->Name() == name) throw std::logic_error("window \"" + name + "\" exists already");
  auto notify = [this, name](const std::string& control) { Notify(name, control); };
  windows_.push_back(std::make_unique<UiWindow>(name, std::move(caption), std::move(notify)));
  return *windows_.back();
}

UiWindow& UiRegistry::Window(std::string_view name) const {
  std::lock_guard lock(windows_mutex_);
  for (const auto& window : windows_)
    if (window->Name() == name) return *window;
  throw std::logic_error("no window \"" + std::string(name) + "\"");
}

bool UiRegistry::HasWindow(std::string_view name) const {
  std::lock_guard lock(windows_mutex_);
  for (const auto& window : windows_)
    if (window->Name() == name) return true;
  return false;
}

std::vector<UiWindow*> UiRegistry::Windows() const {
  std::lock_guard lock(windows_mutex_);
  std::vector<UiWindow*> result;
  for (const auto& window : windows_) result.push_back(window.get());
  return result;
}

void UiRegistry::SetChangeListener(ChangeListener listener) {
  auto shared = listener ? std::make_shared<const ChangeListener>(std::move(listener)) : nullptr;
  std::lock_guard lock(listener_mutex_);
  listener_ = std::move(shared);
}

void UiRegistry::Notify(const std::string& window, const std::string& control) const {
  std::shared_ptr<const ChangeListener> listener;
  {
    std::lock_guard lock(listener_mutex_);
    listener = listener_;
  }
  if (listener) (*listener)(window, control);
}

}  // namespace pk
