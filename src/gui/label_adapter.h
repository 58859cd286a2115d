#pragma once
// Label and transparent label.
#include <QLabel>

#include "app/ui/label_model.h"
#include "gui/control_adapter.h"

namespace pk {

class LabelAdapter : public ControlAdapter {
 public:
  explicit LabelAdapter(LabelModel& label);
  QLabel* label() const { return label_; }

 protected:
  void Update() override;

 private:
  LabelModel& model_;
  QLabel* label_;
};

}  // namespace pk
