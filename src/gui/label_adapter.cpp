#include "gui/label_adapter.h"

#include "gui/qt_text.h"

namespace pk {

LabelAdapter::LabelAdapter(LabelModel& label) : ControlAdapter(label), model_(label) {
  label_ = new QLabel;
  label_->setObjectName(ToQString(label.Name()));
  label_->setTextFormat(Qt::PlainText);
  SetWidget(label_);
}

void LabelAdapter::Update() {
  const QString text = ToDisplayText(model_.Text());
  if (label_->text() != text) label_->setText(text);
}

}  // namespace pk
