// A window's own state between the screen and its model: the user's moves and resizes
// written back, focus requests, fixed forms, and the main window's partner column.
#include <QLineEdit>
#include <QTest>

#include "app/program.h"
#include "app/recording_platform.h"
#include "app/ui/main_window_controls.h"
#include "app/ui/ui_models.h"
#include "gui/frame_adapter.h"
#include "gui/gui_shell.h"
#include "gui/qt_text.h"
#include "gui/screenshot.h"
#include "settings/settings_window.h"

namespace pk {

namespace {

constexpr const char* kWindow = "窗口";

void Settle(GuiShell& shell) { QVERIFY(WaitUntilIdle(shell, {}, 5000)); }

}  // namespace

class ShellWindowTests : public QObject {
  Q_OBJECT

 private slots:
  void movesAndResizesReachTheModelWithoutComingBack() {
    UiRegistry registry;
    UiWindow& window = registry.AddWindow(kWindow, "标题");
    window.Add<LabelModel>("标签", "文字", "page");
    WindowModel& model = window.Model();
    model.SetWidth(400);
    model.SetHeight(300);
    model.Show();
    GuiShell shell(registry);
    WindowView* view = shell.View(kWindow);
    Settle(shell);
    QCOMPARE(view->size(), QSize(400, 300));

    view->resize(520, 340);
    view->move(60, 50);
    QTRY_COMPARE(model.Width(), 520);
    QTRY_COMPARE(model.Left(), 60);
    QCOMPARE(model.Height(), 340);
    QCOMPARE(model.Top(), 50);
    // The model's change does not come back to the window as a resize of its own.
    Settle(shell);
    QCOMPARE(view->size(), QSize(520, 340));
    QCOMPARE(view->pos(), QPoint(60, 50));

    // The model moves and sizes the window too.
    model.SetWidth(450);
    model.SetLeft(80);
    Settle(shell);
    QCOMPARE(view->width(), 450);
    QCOMPARE(view->x(), 80);
    view->hide();
  }

  void focusRequestsMoveTheKeyboardFocus() {
    UiRegistry registry;
    UiWindow& window = registry.AddWindow(kWindow);
    auto& first = window.Add<EditModel>("编辑框1", "", "form");
    auto& second = window.Add<EditModel>("编辑框2", "", "form");
    GuiShell shell(registry);
    WindowView* view = shell.View(kWindow);
    auto* first_box = qobject_cast<QLineEdit*>(view->Adapter("编辑框1")->widget());
    auto* second_box = qobject_cast<QLineEdit*>(view->Adapter("编辑框2")->widget());
    // Asked for while the window is hidden, the focus lands when it shows.
    second.RequestFocus();
    window.Model().Show();
    Settle(shell);
    view->activateWindow();
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(second_box));
    first.RequestFocus();
    Settle(shell);
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(first_box));
    view->hide();
  }

  void partnerColumnFollowsItsFrameAndTheWindowItsDesignWidth() {
    RecordingPlatform platform;
    Program program(platform, {});
    UiWindow& main = program.ui().Window(kMainWindow);
    main.Model().Show();
    GuiShell shell(program.ui());
    WindowView* view = shell.View(kMainWindow);
    Settle(shell);
    QFrame* column = view->AdapterAs<FrameAdapter>("外形框2")->frame();
    QVERIFY(column->isVisible());
    QCOMPARE(column->width(), kMainWidthWithPartners - kMainWidthWithoutPartners);
    main.Get<FrameModel>("外形框2").SetVisible(false);
    Settle(shell);
    QVERIFY(!column->isVisible());

    // The design width is where the window starts; the user may still make it wider.
    const int wide = view->width();
    QVERIFY(wide >= kMainWidthWithPartners);
    main.Model().SetWidth(kMainWidthWithoutPartners);
    Settle(shell);
    QVERIFY(view->width() <= wide);
    view->resize(view->width() + 100, view->height());
    QTRY_COMPARE(main.Model().Width(), view->width());
    view->hide();
  }
};

}  // namespace pk

int RunShellWindowTests(int argc, char** argv) {
  pk::ShellWindowTests tests;
  return QTest::qExec(&tests, argc, argv);
}

#include "shell_window_tests.moc"
