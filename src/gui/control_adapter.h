#pragma once
// The Qt side of one window-control model. An adapter creates its widget (if the kind
// has one), brings it up to date from the model in Refresh(), and passes the user's
// actions back to the model. Everything here runs on the GUI thread.
#include <QPointer>
#include <QWidget>

#include "app/ui/control.h"

namespace pk {

class ControlAdapter {
 public:
  explicit ControlAdapter(Control& control) : control_(control) {}
  // A widget that never found a place in a window is the adapter's to delete.
  virtual ~ControlAdapter() {
    if (widget_ && !widget_->parent()) delete widget_;
  }
  ControlAdapter(const ControlAdapter&) = delete;
  ControlAdapter& operator=(const ControlAdapter&) = delete;

  Control& control() const { return control_; }
  // The widget to place in the window; null for kinds without one (timers, tray icon).
  QWidget* widget() const { return widget_; }

  // Reads the model and updates the widget: the shown and enabled flags, then the
  // kind's own state.
  void Refresh() {
    if (widget_) {
      if (manage_visibility_) widget_->setVisible(control_.Visible());
      widget_->setEnabled(control_.Enabled());
    }
    Update();
  }

  // Off for widgets whose showing belongs to a container (the pages of a stack).
  void SetManageVisibility(bool manage) { manage_visibility_ = manage; }

 protected:
  void SetWidget(QWidget* widget) { widget_ = widget; }
  virtual void Update() = 0;

 private:
  Control& control_;
  QPointer<QWidget> widget_;
  bool manage_visibility_ = true;
};

}  // namespace pk
