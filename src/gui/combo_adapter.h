#pragma once
// Drop-down list: the items' texts and the chosen item; the user's choice goes to the model.
#include <QComboBox>

#include "app/ui/combo_model.h"
#include "gui/control_adapter.h"

namespace pk {

class ComboAdapter : public ControlAdapter {
 public:
  explicit ComboAdapter(ComboModel& combo);
  QComboBox* comboBox() const { return combo_; }

 protected:
  void Update() override;

 private:
  ComboModel& model_;
  QComboBox* combo_;
  std::vector<ComboItem> shown_items_;
  bool applying_ = false;
};

}  // namespace pk
