#pragma once
// One window of the registry: its own state (WindowModel), its controls by name in
// creation order, and its menus. Controls are added while the window is built and live
// as long as the window; references to them stay valid.
#include <functional>
#include <map>
#include <memory>
#include <shared_mutex>
#include <stdexcept>
#include <string>
#include <string_view>
#include <typeinfo>
#include <vector>

#include "app/ui/control.h"
#include "app/ui/window_model.h"

namespace pk {

// One menu of the menu bar: its caption and item captions, in order.
struct MenuDescription {
  std::string caption;
  std::vector<std::string> items;
  bool operator==(const MenuDescription&) const = default;
};

class UiWindow {
 public:
  // notify(control name) is called after every change of the window ("" for the
  // window's own state) or of one of its controls.
  using Notify = std::function<void(const std::string& control)>;
  using MenuHandler = std::function<void()>;

  UiWindow(std::string name, std::string caption, Notify notify);
  UiWindow(const UiWindow&) = delete;
  UiWindow& operator=(const UiWindow&) = delete;

  const std::string& Name() const { return name_; }
  WindowModel& Model() const { return *model_; }

  // Creates a control in this window. A second control of the same name is a
  // programming error (std::logic_error).
  template <class T, class... Args>
  T& Add(Args&&... args) {
    auto control = std::make_unique<T>(std::forward<Args>(args)...);
    T& added = *control;
    Adopt(std::move(control));
    return added;
  }

  // The control of that name and kind; a missing control or another kind is a
  // programming error (std::logic_error naming the window and control).
  template <class T>
  T& Get(std::string_view name) const {
    Control& control = Find(name);
    if (auto* typed = dynamic_cast<T*>(&control)) return *typed;
    throw std::logic_error("control \"" + std::string(name) + "\" of window \"" + name_ + "\" is a " +
                           std::string(KindName(control.Kind())) + ", not the kind asked for");
  }
  Control& Find(std::string_view name) const;
  bool Has(std::string_view name) const;
  // All controls in creation order.
  std::vector<Control*> Controls() const;

  void AddMenu(MenuDescription menu);
  std::vector<MenuDescription> Menus() const;
  // The user chose a menu item: runs its handler; false when it has none.
  void OnMenu(const std::string& item, MenuHandler handler);
  bool ChooseMenu(const std::string& item) const;

 private:
  void Adopt(std::unique_ptr<Control> control);

  const std::string name_;
  const Notify notify_;
  std::unique_ptr<WindowModel> model_;
  mutable std::shared_mutex mutex_;
  std::vector<std::unique_ptr<Control>> controls_;
  std::map<std::string, Control*, std::less<>> by_name_;
  std::vector<MenuDescription> menus_;
  std::map<std::string, MenuHandler> menu_handlers_;
};

}  // namespace pk
