// The help window through its widgets, against the simulator's online bulletin: the
// right-button menu offers "刷新" only while the tree is empty, "刷新" fills the tree, a
// topic's text shows beside it, and a left click on the text of "视频教程" (and only of
// that topic) opens its address.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTextEdit>
#include <QTreeWidget>

#include "acquire/help_window.h"
#include "app/ui/main_window_controls.h"
#include "app/ui/ui_models.h"
#include "gui/qt_text.h"
#include "window_test_program.h"

namespace pk {

class HelpWindowTests : public QObject {
  Q_OBJECT

  static QTreeWidgetItem* Topic(QTreeWidget* tree, const QString& title) {
    const QList<QTreeWidgetItem*> found = tree->findItems(title, Qt::MatchExactly);
    return found.isEmpty() ? nullptr : found.first();
  }

 private slots:
  void refreshClickAndTheRightButtonMenu() {
    test::WindowTestProgram app(sim::SimOptions{.seed = 3, .start = MakeDateTime(2026, 3, 1, 10, 3, 10), .speed = 0});
    app.ShowWindows();
    app.program().ui().Window(kMainWindow).ChooseMenu("使用帮助");
    QVERIFY(app.Settle());
    WindowView& view = app.View(kHelpWindow);
    QVERIFY(view.isVisible());
    QVERIFY(!view.menuBar()->isVisible());
    auto* tree = app.Find<QTreeWidget>(kHelpWindow, kHelpTree);
    auto* text = app.Find<QTextEdit>(kHelpWindow, kHelpText);
    QVERIFY(tree && text);
    QCOMPARE(tree->topLevelItemCount(), 0);
    QCOMPARE(text->toPlainText(), QStringLiteral("点击右键刷新！"));

    // An empty tree: the menu offers "刷新", which reads the bulletin.
    QMenu* menu = view.Menu(kHelpMenu);
    QVERIFY(menu);
    emit text->customContextMenuRequested(QPoint(10, 10));
    QTRY_VERIFY(menu->isVisible());
    QAction* refresh = menu->actions().value(0);
    QVERIFY(refresh && refresh->isVisible());
    QCOMPARE(refresh->text(), QStringLiteral("刷新"));
    menu->hide();
    refresh->trigger();
    QVERIFY(app.Settle());
    QVERIFY(tree->topLevelItemCount() > 1);

    // Topics shown: no "刷新", and no menu at all.
    emit tree->customContextMenuRequested(QPoint(10, 10));
    QVERIFY(app.Settle());
    QVERIFY(!menu->isVisible());

    // A topic's text beside the tree; a click on it opens nothing.
    QTreeWidgetItem* first = tree->topLevelItem(0);
    QVERIFY(first->text(0) != QStringLiteral("视频教程"));
    tree->setCurrentItem(first);
    QVERIFY(app.Settle());
    QVERIFY(!text->toPlainText().isEmpty());
    QCOMPARE(tree->toolTip(), first->text(0));
    QTest::mouseClick(text->viewport(), Qt::LeftButton);
    QVERIFY(app.platform().OpenedAddresses().empty());

    // The video topic's text is an address, opened by a left click (not by the right button).
    QTreeWidgetItem* video = Topic(tree, QStringLiteral("视频教程"));
    QVERIFY(video);
    tree->setCurrentItem(video);
    QVERIFY(app.Settle());
    const QString address = text->toPlainText().trimmed();
    QVERIFY(address.startsWith(QStringLiteral("http")));
    QTest::mouseClick(text->viewport(), Qt::RightButton);
    QVERIFY(app.platform().OpenedAddresses().empty());
    QTest::mouseClick(text->viewport(), Qt::LeftButton);
    QCOMPARE(app.platform().OpenedAddresses().size(), size_t{1});
    QCOMPARE(ToQString(app.platform().OpenedAddresses().front()).trimmed(), address);
  }
};

}  // namespace pk

int RunHelpWindowTests(int argc, char** argv) {
  pk::HelpWindowTests tests;
  return QTest::qExec(&tests, argc, argv);
}

#include "help_window_tests.moc"
