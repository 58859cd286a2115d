#include "gui/rich_edit_adapter.h"

#include "gui/qt_text.h"

namespace pk {

RichEditAdapter::RichEditAdapter(RichEditModel& edit) : ControlAdapter(edit), model_(edit) {
  edit_ = new QTextEdit;
  edit_->setObjectName(ToQString(edit.Name()));
  edit_->setReadOnly(true);
  edit_->setAcceptRichText(false);
  SetWidget(edit_);
}

void RichEditAdapter::Update() {
  std::string text = model_.Text();
  if (text == shown_text_) return;
  edit_->setPlainText(ToDisplayText(text));
  shown_text_ = std::move(text);
}

}  // namespace pk
