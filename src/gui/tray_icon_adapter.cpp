#include "gui/tray_icon_adapter.h"

#include "gui/car_pictures.h"
#include "gui/qt_text.h"

namespace pk {

TrayIconAdapter::TrayIconAdapter(TrayIconModel& tray, MenuLookup menus)
    : ControlAdapter(tray), model_(tray), menus_(std::move(menus)) {
  if (!QSystemTrayIcon::isSystemTrayAvailable()) return;
  icon_ = std::make_unique<QSystemTrayIcon>();
  QObject::connect(icon_.get(), &QSystemTrayIcon::activated, icon_.get(),
                   [this](QSystemTrayIcon::ActivationReason reason) { Activate(reason); });
}

void TrayIconAdapter::Activate(QSystemTrayIcon::ActivationReason reason) {
  if (reason == QSystemTrayIcon::Trigger) model_.RaiseEvent(kTrayLeftClick);
  if (reason == QSystemTrayIcon::Context) model_.RaiseEvent(kTrayRightClick);
}

void TrayIconAdapter::Update() {
  if (!icon_) return;
  const int wanted = model_.Icon();
  if (wanted != shown_icon_) {
    icon_->setIcon(wanted >= 1 && wanted <= 10 ? ChampionIcon(wanted) : ProgramIcon());
    shown_icon_ = wanted;
  }
  icon_->setToolTip(ToQString(model_.Tip()));
  if (menus_) {
    QMenu* menu = menus_(model_.Menu());
    if (icon_->contextMenu() != menu) icon_->setContextMenu(menu);
  }
  icon_->setVisible(model_.Present());
}

}  // namespace pk
