#pragma once
// One window of the registry on screen: a QMainWindow with the window's menus, its
// controls placed by the window layout, and the window model's own state (caption,
// shown or hidden, minimised, enabled, size, the requests to come to the front, the
// focus requests of its controls). The user's close and minimise go to the window
// model's handlers; the user's moves and resizes are written back to the model.
#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/ui/ui_window.h"
#include "gui/control_adapter.h"
#include "gui/layout_hints.h"
#include "gui/window_layout.h"

class QMenu;

namespace pk {

class TrayIconAdapter;

class WindowView : public QMainWindow {
 public:
  WindowView(UiWindow& window, LayoutHints hints);
  ~WindowView() override;

  UiWindow& window() const { return window_; }
  // The adapter of a control; null when the window has no such control.
  ControlAdapter* Adapter(const std::string& control) const;
  template <class T>
  T* AdapterAs(const std::string& control) const {
    return dynamic_cast<T*>(Adapter(control));
  }
  QMenu* Menu(const std::string& caption) const;

  // Brings one control ("" for the window itself) up to date with its model.
  void Refresh(const std::string& control);
  void RefreshAll();

  // Runs after the user's close was allowed (the main window ends the program then).
  void OnClosed(std::function<void()> handler) { on_closed_ = std::move(handler); }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void RefreshWindow();
  void RefreshFocus(ControlAdapter& adapter);
  // Writes the window's place and size to the model when they differ from what was
  // last applied or written, so that the model's own change does not come back.
  void NoteGeometry();
  void RefreshStacks();
  void BuildMenus(const std::vector<MenuDescription>& menus);
  void ShowBalloon(const QString& text);

  UiWindow& window_;
  std::vector<std::unique_ptr<ControlAdapter>> adapters_;
  std::map<std::string, ControlAdapter*> by_name_;
  std::unique_ptr<WindowLayout> layout_;
  std::map<std::string, QMenu*> menus_;
  std::vector<MenuDescription> built_menus_;
  TrayIconAdapter* tray_ = nullptr;
  std::function<void()> on_closed_;
  int applied_width_ = -1;
  int applied_height_ = -1;
  int applied_left_ = 0;
  int applied_top_ = 0;
  std::map<const Control*, int> seen_focus_requests_;
  // A focus request that came while the window was hidden, carried out when it shows.
  QPointer<QWidget> pending_focus_;
  int seen_front_requests_ = 0;
  bool applying_ = false;
};

}  // namespace pk
