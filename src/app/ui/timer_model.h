#pragma once
// Timer: a period in milliseconds (0 stops it) and the tick handler its owner attaches.
// The GUI drives a running timer with a QTimer; tests and the CLI call Tick().
#include <functional>
#include <string>

#include "app/ui/control.h"

namespace pk {

class TimerModel : public Control {
 public:
  using TickHandler = std::function<void()>;

  explicit TimerModel(std::string name, int period_ms = 0)
      : Control(std::move(name), ControlKind::Timer), period_ms_(period_ms) {}

  int Period() const { return Read([&] { return period_ms_; }); }
  void SetPeriod(int period_ms) { Write([&] { period_ms_ = period_ms < 0 ? 0 : period_ms; }); }
  bool Running() const { return Period() > 0; }

  void OnTick(TickHandler handler) { Write([&] { tick_handler_ = std::move(handler); }); }
  // One period has passed. A stopped timer does not tick; returns whether it did.
  bool Tick() {
    if (!Running()) return false;
    Fire(tick_handler_);
    return true;
  }

 private:
  int period_ms_;
  TickHandler tick_handler_;
};

}  // namespace pk
