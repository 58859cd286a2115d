#include "app/ui/ui_window.h"

#include <mutex>

namespace pk {

UiWindow::UiWindow(std::string name, std::string caption, Notify notify)
    : name_(std::move(name)), notify_(std::move(notify)), model_(std::make_unique<WindowModel>(name_, std::move(caption))) {
  model_->SetChangeHook([this] {
    if (notify_) notify_(std::string());
  });
}

Control& UiWindow::Find(std::string_view name) const {
  std::shared_lock lock(mutex_);
  auto it = by_name_.find(name);
  if (it == by_name_.end())
    throw std::logic_error("window \"" + name_ + "\" has no control \"" + std::string(name) + "\"");
  return *it->second;
}

bool UiWindow::Has(std::string_view name) const {
  std::shared_lock lock(mutex_);
  return by_name_.find(name) != by_name_.end();
}

std::vector<Control*> UiWindow::Controls() const {
  std::shared_lock lock(mutex_);
  std::vector<Control*> result;
  result.reserve(controls_.size());
  for (const auto& control : controls_) result.push_back(control.get());
  return result;
}

void UiWindow::Adopt(std::unique_ptr<Control> control) {
  const std::string& name = control->Name();
  std::unique_lock lock(mutex_);
  if (by_name_.count(name) != 0 || name == name_)
    throw std::logic_error("window \"" + name_ + "\" already has a control \"" + name + "\"");
  control->SetChangeHook([this, name] {
    if (notify_) notify_(name);
  });
  by_name_.emplace(name, control.get());
  controls_.push_back(std::move(control));
}

void UiWindow::AddMenu(MenuDescription menu) {
  {
    std::unique_lock lock(mutex_);
    menus_.push_back(std::move(menu));
  }
  if (notify_) notify_(std::string());
}

std::vector<MenuDescription> UiWindow::Menus() const {
  std::shared_lock lock(mutex_);
  return menus_;
}

void UiWindow::OnMenu(const std::string& item, MenuHandler handler) {
  std::unique_lock lock(mutex_);
  menu_handlers_[item] = std::move(handler);
}

bool UiWindow::ChooseMenu(const std::string& item) const {
  MenuHandler handler;
  {
    std::shared_lock lock(mutex_);
    auto it = menu_handlers_.find(item);
    if (it == menu_handlers_.end() || !it->second) return false;
    handler = it->second;
  }
  handler();
  return true;
}

}  // namespace pk
