#include "gui/button_adapter.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>

#include "gui/qt_text.h"

namespace pk {

ButtonAdapter::ButtonAdapter(ButtonModel& button) : ControlAdapter(button), model_(button) {
  switch (button.Kind()) {
    case ControlKind::Radio: button_ = new QRadioButton; break;
    case ControlKind::CheckBox: button_ = new QCheckBox; break;
    default: button_ = new QPushButton; break;
  }
  button_->setObjectName(ToQString(button.Name()));
  button_->setAutoExclusive(false);
  SetWidget(button_);
  QObject::connect(button_, &QAbstractButton::clicked, button_, [this] {
    model_.Click();
    // Show the model's answer at once rather than the widget's own toggle.
    Refresh();
  });
}

void ButtonAdapter::Update() {
  const QString caption = ToQString(model_.Caption());
  if (button_->text() != caption) button_->setText(caption);
  if (model_.Kind() != ControlKind::Button) {
    button_->setCheckable(true);
    button_->setChecked(model_.Checked());
  }
}

}  // namespace pk
