#include "gui/desktop_startup.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>

#include "acquire/draw_intake.h"
#include "app/program.h"
#include "app/ui/main_window_controls.h"
#include "app/ui/ui_registry.h"
#include "app/version.h"

namespace pk {

void UseChineseFont() {
  const QString family = QStringLiteral("WenQuanYi Zen Hei");
  if (!QFontDatabase::families().contains(family)) return;
  QFont font(family);
  font.setPointSize(9);
  QApplication::setFont(font);
}

void PrepareMainWindow(Program& program) {
  program.app.ProgramVersion = ProgramVersionText();
  program.ui().Window(kMainWindow).Model().SetCaption(kMainWindowTitle + program.app.ProgramVersion);
  ShowStartCarOrder(program);
}

}  // namespace pk
