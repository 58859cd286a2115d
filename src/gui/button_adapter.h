#pragma once
// Button, radio button and check box. The model owns the checked state and the radio
// groups, so the widgets are not auto-exclusive: a click goes to the model, and the
// widget shows what the model then holds.
#include <QAbstractButton>

#include "app/ui/button_model.h"
#include "gui/control_adapter.h"

namespace pk {

class ButtonAdapter : public ControlAdapter {
 public:
  explicit ButtonAdapter(ButtonModel& button);
  QAbstractButton* button() const { return button_; }

 protected:
  void Update() override;

 private:
  ButtonModel& model_;
  QAbstractButton* button_;
};

}  // namespace pk
