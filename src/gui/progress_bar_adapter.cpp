#include "gui/progress_bar_adapter.h"

#include "gui/qt_text.h"

namespace pk {

ProgressBarAdapter::ProgressBarAdapter(ProgressBarModel& bar) : ControlAdapter(bar), model_(bar) {
  bar_ = new QProgressBar;
  bar_->setObjectName(ToQString(bar.Name()));
  bar_->setRange(0, 100);
  // The windows show the percentage in a label of their own where they want one.
  bar_->setTextVisible(false);
  SetWidget(bar_);
}

void ProgressBarAdapter::Update() { bar_->setValue(model_.Value()); }

}  // namespace pk
