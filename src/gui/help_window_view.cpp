#include "gui/help_window_view.h"

#include <QAction>
#include <QEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QTextEdit>
#include <QTreeWidget>
#include <functional>

#include "acquire/help_window.h"
#include "gui/qt_text.h"
#include "gui/rich_edit_adapter.h"
#include "gui/tree_adapter.h"
#include "gui/window_view.h"

namespace pk {

namespace {

constexpr QSize kHelpWindowSize{640, 420};

// Hands the left button's release over the text to the core.
class LeftClickFilter : public QObject {
 public:
  LeftClickFilter(QObject* parent, std::function<void()> clicked) : QObject(parent), clicked_(std::move(clicked)) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
      clicked_();
    return QObject::eventFilter(watched, event);
  }

 private:
  std::function<void()> clicked_;
};

// Pops the menu "操作" up at a point of `widget`, with "刷新" only where the core offers it.
void PopUpHelpMenu(WindowView& view, Program& program, QWidget* widget, const QPoint& point) {
  QMenu* menu = view.Menu(kHelpMenu);
  if (!menu) return;
  bool any = false;
  for (QAction* action : menu->actions()) {
    const bool shown = action->text() != ToQString(kHelpRefreshItem) || HelpRefreshOffered(program);
    action->setVisible(shown);
    any = any || shown;
  }
  if (any) menu->popup(widget->mapToGlobal(point));
}

// A scroll area reports the point of its right-button menu in its viewport's terms.
void OfferMenu(WindowView& view, Program& program, QAbstractScrollArea* area) {
  area->setContextMenuPolicy(Qt::CustomContextMenu);
  QObject::connect(area, &QWidget::customContextMenuRequested, area, [&view, &program, area](const QPoint& point) {
    PopUpHelpMenu(view, program, area->viewport(), point);
  });
}

}  // namespace

void ConnectHelpWindow(WindowView& view, Program& program) {
  // "操作" is the right-button menu of the tree and the text, not a menu bar.
  view.menuBar()->hide();
  view.resize(kHelpWindowSize);
  if (auto* tree = view.AdapterAs<TreeAdapter>(kHelpTree)) OfferMenu(view, program, tree->treeWidget());
  if (auto* text = view.AdapterAs<RichEditAdapter>(kHelpText)) {
    // The window's menu takes the place of the text view's own (copy, select all).
    QTextEdit* edit = text->textEdit();
    OfferMenu(view, program, edit);
    edit->viewport()->installEventFilter(new LeftClickFilter(edit, [&program] { ClickHelpText(program); }));
  }
}

}  // namespace pk
