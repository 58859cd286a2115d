#include "gui/about_view.h"

#include <QBoxLayout>
#include <QLabel>

#include "app/about_window.h"
#include "gui/car_pictures.h"
#include "gui/window_view.h"

namespace pk {

namespace {

constexpr int kIconSize = 48;

// The labels of the window, in their creation order, and its buttons.
void TakeControls(WindowView& view, QVBoxLayout* labels, QHBoxLayout* buttons) {
  for (Control* control : view.window().Controls()) {
    ControlAdapter* adapter = view.Adapter(control->Name());
    if (!adapter || !adapter->widget()) continue;
    if (control->Kind() == ControlKind::Label) {
      if (auto* label = qobject_cast<QLabel*>(adapter->widget())) label->setWordWrap(true);
      labels->addWidget(adapter->widget());
    } else if (control->Kind() == ControlKind::Button) {
      buttons->addWidget(adapter->widget());
    }
  }
}

}  // namespace

void LayOutAboutWindow(WindowView& view) {
  auto* content = new QWidget;
  auto* row = new QHBoxLayout(content);
  row->setContentsMargins(12, 12, 12, 12);
  row->setSpacing(12);

  auto* icon = new QLabel;
  icon->setObjectName(QStringLiteral("程序图标"));
  icon->setPixmap(ProgramIcon().pixmap(kIconSize, kIconSize));
  icon->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
  row->addWidget(icon, 0, Qt::AlignTop);

  auto* column = new QVBoxLayout;
  row->addLayout(column, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  TakeControls(view, column, buttons);
  column->addStretch(1);
  column->addLayout(buttons);

  // The generic layout is left empty behind; the window shows this one instead.
  delete view.takeCentralWidget();
  view.setCentralWidget(content);
}

}  // namespace pk
