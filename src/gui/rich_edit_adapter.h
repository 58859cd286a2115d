#pragma once
// Rich edit box: a read-only text view of the model's text.
#include <QTextEdit>
#include <string>

#include "app/ui/rich_edit_model.h"
#include "gui/control_adapter.h"

namespace pk {

class RichEditAdapter : public ControlAdapter {
 public:
  explicit RichEditAdapter(RichEditModel& edit);
  QTextEdit* textEdit() const { return edit_; }

 protected:
  void Update() override;

 private:
  RichEditModel& model_;
  QTextEdit* edit_;
  std::string shown_text_;
};

}  // namespace pk
