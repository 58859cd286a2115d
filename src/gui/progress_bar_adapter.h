#pragma once
// Progress bar, 0 to 100.
#include <QProgressBar>

#include "app/ui/progress_bar_model.h"
#include "gui/control_adapter.h"

namespace pk {

class ProgressBarAdapter : public ControlAdapter {
 public:
  explicit ProgressBarAdapter(ProgressBarModel& bar);

 protected:
  void Update() override;

 private:
  ProgressBarModel& model_;
  QProgressBar* bar_;
};

}  // namespace pk
