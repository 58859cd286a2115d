#pragma once
// Edit box: a one-line QLineEdit for inputs, or a read-only QPlainTextEdit for a box of
// lines such as the results box. The user's typing and Enter go to the model, a masked
// model's text shows as password dots; appended text and the scroll requests (to the
// end, one line down) are carried out on the widget.
#include <QLineEdit>
#include <QPlainTextEdit>
#include <memory>
#include <string>

#include "app/ui/edit_model.h"
#include "gui/control_adapter.h"

namespace pk {

class EditAdapter : public ControlAdapter {
 public:
  EditAdapter(EditModel& edit, bool multiline);

  QLineEdit* lineEdit() const { return line_; }
  QPlainTextEdit* textBox() const { return box_; }

 protected:
  void Update() override;

 private:
  void UpdateBox();
  void ScrollBoxToEnd();

  EditModel& model_;
  QLineEdit* line_ = nullptr;
  QPlainTextEdit* box_ = nullptr;
  std::string shown_text_;
  int seen_scroll_to_end_ = 0;
  int seen_line_down_ = 0;
  // A scroll to the end asked for before the box was laid out, done when it is shown.
  bool end_pending_ = false;
  std::unique_ptr<QObject> show_watch_;
};

}  // namespace pk
