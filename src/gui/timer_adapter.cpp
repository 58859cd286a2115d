#include "gui/timer_adapter.h"

namespace pk {

TimerAdapter::TimerAdapter(TimerModel& timer) : ControlAdapter(timer), model_(timer), timer_(std::make_unique<QTimer>()) {
  timer_->setTimerType(Qt::PreciseTimer);
  QObject::connect(timer_.get(), &QTimer::timeout, timer_.get(), [this] { model_.Tick(); });
}

void TimerAdapter::Update() {
  const int period = model_.Period();
  if (period <= 0) {
    timer_->stop();
    return;
  }
  if (timer_->isActive() && timer_->interval() == period) return;
  timer_->start(period);
}

}  // namespace pk
