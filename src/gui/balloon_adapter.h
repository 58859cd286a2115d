#pragma once
// Balloon tip: each new show puts the newest text in front of the user, through the
// function the window gives (a tray balloon, or the status bar where there is no tray).
// Shows made before the window existed are not repeated.
#include <QString>
#include <functional>

#include "app/ui/balloon_model.h"
#include "gui/control_adapter.h"

namespace pk {

class BalloonAdapter : public ControlAdapter {
 public:
  using ShowFunction = std::function<void(const QString& text)>;

  BalloonAdapter(BalloonModel& balloon, ShowFunction show);

 protected:
  void Update() override;

 private:
  BalloonModel& model_;
  ShowFunction show_;
  size_t seen_ = 0;
};

}  // namespace pk
