#pragma once
// Tray icon: which picture it shows (the program icon or one of the ten champion
// icons), its tip text, whether it is in the tray, the window menu it pops up, and the
// tray event (1 left click, 3 right click).
#include <functional>
#include <string>

#include "app/ui/control.h"

namespace pk {

constexpr int kProgramIcon = 0;  // 1..10: the icon of that champion number
constexpr int kTrayLeftClick = 1;
constexpr int kTrayRightClick = 3;

class TrayIconModel : public Control {
 public:
  using EventHandler = std::function<void(int code)>;

  TrayIconModel(std::string name, std::string menu = {})
      : Control(std::move(name), ControlKind::TrayIcon), menu_(std::move(menu)) {}

  // Puts the icon into the tray with a tip text.
  void Add(int icon, std::string tip) {
    Write([&] {
      icon_ = icon;
      tip_ = std::move(tip);
      present_ = true;
    });
  }
  void Remove() { Write([&] { present_ = false; }); }
  bool Present() const { return Read([&] { return present_; }); }

  int Icon() const { return Read([&] { return icon_; }); }
  void SetIcon(int icon) { Write([&] { icon_ = icon; }); }
  std::string Tip() const { return Read([&] { return tip_; }); }
  void SetTip(std::string tip) { Write([&] { tip_ = std::move(tip); }); }

  // Caption of the window menu shown as the tray menu.
  std::string Menu() const { return Read([&] { return menu_; }); }
  void SetMenu(std::string menu) { Write([&] { menu_ = std::move(menu); }); }

  void OnEvent(EventHandler handler) { Write([&] { event_handler_ = std::move(handler); }); }
  void RaiseEvent(int code) { Fire(event_handler_, code); }

 private:
  int icon_ = kProgramIcon;
  std::string tip_;
  bool present_ = false;
  std::string menu_;
  EventHandler event_handler_;
};

}  // namespace pk
