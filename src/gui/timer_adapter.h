#pragma once
// Timer: a QTimer with the model's period drives the model's Tick() on the GUI thread;
// period 0 stops it. A change of anything but the period leaves a running timer's
// phase alone.
#include <QTimer>
#include <memory>

#include "app/ui/timer_model.h"
#include "gui/control_adapter.h"

namespace pk {

class TimerAdapter : public ControlAdapter {
 public:
  explicit TimerAdapter(TimerModel& timer);
  const QTimer& timer() const { return *timer_; }

 protected:
  void Update() override;

 private:
  TimerModel& model_;
  std::unique_ptr<QTimer> timer_;
};

}  // namespace pk
