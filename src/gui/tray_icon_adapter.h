#pragma once
// Tray icon: the program icon or a champion icon, the tip text, shown while the model
// says it is in the tray. Clicks go to the model as its event codes (1 left, 3 right);
// the window menu the model names pops up on a right click. Without a system tray (the
// offscreen platform) the adapter keeps no icon at all.
#include <QSystemTrayIcon>
#include <functional>
#include <memory>
#include <string>

#include "app/ui/tray_icon_model.h"
#include "gui/control_adapter.h"

class QMenu;

namespace pk {

class TrayIconAdapter : public ControlAdapter {
 public:
  using MenuLookup = std::function<QMenu*(const std::string& caption)>;

  TrayIconAdapter(TrayIconModel& tray, MenuLookup menus);

  // Null where the desktop has no system tray.
  QSystemTrayIcon* trayIcon() const { return icon_.get(); }
  // The user clicked the icon: a click (left) or the context request (right) goes to
  // the model as its event code; other activations are ignored.
  void Activate(QSystemTrayIcon::ActivationReason reason);
  bool Showing() const { return icon_ && icon_->isVisible(); }

 protected:
  void Update() override;

 private:
  TrayIconModel& model_;
  MenuLookup menus_;
  std::unique_ptr<QSystemTrayIcon> icon_;
  int shown_icon_ = -1;
};

}  // namespace pk
