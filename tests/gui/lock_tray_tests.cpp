// The tray icon's clicks and the screen lock, driven through the widgets and the tray
// adapter as the user drives them.
#include <QAction>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QWindow>

#include "app/main_window_behaviour.h"
#include "gui/qt_text.h"
#include "gui/tray_icon_adapter.h"
#include "gui/window_view.h"
#include "settings/lock_window.h"
#include "shell_fixture.h"

namespace pk {

class LockTrayTests : public QObject {
  Q_OBJECT

 private slots:
  void leftClickOnTheTrayHidesAndShowsTheMainWindow() {
    test::ShellRun run(true);
    WindowView* main = run.View(kMainWindow);
    auto* tray = main->AdapterAs<TrayIconAdapter>(kTrayIcon);
    QVERIFY(tray);
    QVERIFY(run.Settle());
    tray->Activate(QSystemTrayIcon::Trigger);
    QVERIFY(run.Settle());
    QVERIFY(!main->isVisible());

    // Hidden, the icon flashes; a click brings the window back and stops it.
    run.Main().Get<TimerModel>(kTrayFlashTimer).SetPeriod(600);
    run.Main().Get<TrayIconModel>(kTrayIcon).SetIcon(4);
    tray->Activate(QSystemTrayIcon::Trigger);
    QVERIFY(run.Settle());
    QVERIFY(main->isVisible() && !main->isMinimized());
    QCOMPARE(run.Main().Get<TrayIconModel>(kTrayIcon).Icon(), kProgramIcon);
    QCOMPARE(run.Main().Get<TimerModel>(kTrayFlashTimer).Period(), 0);

    // A right click pops the menu up and changes nothing else.
    tray->Activate(QSystemTrayIcon::Context);
    QVERIFY(run.Settle());
    QVERIFY(main->isVisible());
  }

  void lockAndUnlockThroughTheLockWindow() {
    test::ShellRun run(true);
    WindowView* main = run.View(kMainWindow);
    QVERIFY(run.Settle());
    test::Choose(main, "文件", "锁定");
    QVERIFY(run.Settle());
    WindowView* lock = run.View(kLockWindow);
    QVERIFY(lock->isVisible());
    QCOMPARE(QGuiApplication::modalWindow(), lock->windowHandle());
    QCOMPARE(lock->windowTitle(), QStringLiteral("锁定"));
    QCOMPARE(lock->size(), QSize(180, 130));
    auto* password = run.Widget<QLineEdit>(kLockWindow, kLockPasswordEdit);
    auto* confirmation = run.Widget<QLineEdit>(kLockWindow, kLockConfirmEdit);
    auto* confirm = run.Widget<QPushButton>(kLockWindow, kLockConfirmButton);
    QCOMPARE(password->echoMode(), QLineEdit::Password);
    QCOMPARE(confirmation->echoMode(), QLineEdit::Password);
    QCOMPARE(confirm->text(), QStringLiteral("锁定"));
    QVERIFY(lock->rect().contains(confirmation->geometry()));

    // Enter in the password field moves on to the confirmation; passwords that differ
    // in letter case only are told apart.
    QTest::keyClicks(password, QStringLiteral("Pk10"));
    QTest::keyClick(password, Qt::Key_Return);
    QVERIFY(run.Settle());
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(confirmation));
    QTest::keyClicks(confirmation, QStringLiteral("pk10"));
    run.platform.QueueAnswer(MessageAnswer::Ok);
    QTest::keyClick(confirmation, Qt::Key_Return);
    QCOMPARE(run.platform.Asked().back().text, std::string(kDifferentPasswordsText));
    QCOMPARE(run.platform.Asked().back().icon, MessageIcon::Warning);
    QVERIFY(run.Settle());
    QVERIFY(lock->isVisible());
    QCOMPARE(run.program().app.Locked.load(), 0);

    confirmation->clear();
    QTest::keyClicks(confirmation, QStringLiteral("Pk10"));
    QTest::mouseClick(confirm, Qt::LeftButton);
    QVERIFY(run.Settle());
    QCOMPARE(run.program().app.Locked.load(), 1);
    QVERIFY(!lock->isVisible());
    QVERIFY(!main->isVisible());

    // Locked, a click on the tray brings nothing back.
    auto* tray = main->AdapterAs<TrayIconAdapter>(kTrayIcon);
    tray->Activate(QSystemTrayIcon::Trigger);
    QVERIFY(run.Settle());
    QVERIFY(!main->isVisible());

    // The tray menu's "锁定" opens the unlock dialog: the small layout, the confirmation
    // row out of sight below it.
    test::Choose(main, "文件", "锁定");
    QVERIFY(run.Settle());
    QVERIFY(lock->isVisible());
    QCOMPARE(lock->windowTitle(), QStringLiteral("解锁"));
    QCOMPARE(lock->size(), QSize(210, 70));
    QCOMPARE(confirm->text(), QStringLiteral("解锁"));
    QCOMPARE(confirm->pos(), QPoint(144, 11));
    QVERIFY(confirmation->y() >= lock->centralWidget()->height());
    QVERIFY(password->text().isEmpty());

    QTest::keyClicks(password, QStringLiteral("pk10"));
    run.platform.QueueAnswer(MessageAnswer::Ok);
    QTest::keyClick(password, Qt::Key_Return);
    QCOMPARE(run.platform.Asked().back().text, std::string(kWrongPasswordText));
    QVERIFY(run.Settle());
    QVERIFY(lock->isVisible());
    QVERIFY(!main->isVisible());

    password->clear();
    QTest::keyClicks(password, QStringLiteral("Pk10"));
    QTest::keyClick(password, Qt::Key_Return);
    QVERIFY(run.Settle());
    QCOMPARE(run.program().app.Locked.load(), 0);
    QVERIFY(!lock->isVisible());
    QVERIFY(main->isVisible());

    // The password is kept: "锁定" locks at once.
    test::Choose(main, "文件", "锁定");
    QVERIFY(run.Settle());
    QCOMPARE(run.program().app.Locked.load(), 1);
    QVERIFY(!main->isVisible());
    QVERIFY(!lock->isVisible());
  }

  void withoutATrayTheUnlockDialogStaysWhileLocked() {
    test::ShellRun run(false);
    QVERIFY(run.Settle());
    run.program().app.LockPassword = "x";
    test::Choose(run.View(kMainWindow), "文件", "锁定");
    QVERIFY(run.Settle());
    WindowView* lock = run.View(kLockWindow);
    QVERIFY(lock->isVisible());
    QVERIFY(!run.View(kMainWindow)->isVisible());
    QTest::mouseClick(run.Widget<QPushButton>(kLockWindow, kLockCancelButton), Qt::LeftButton);
    QVERIFY(!lock->close());
    QVERIFY(run.Settle());
    QVERIFY(lock->isVisible());
  }
};

}  // namespace pk

int RunLockTrayTests(int argc, char** argv) {
  pk::LockTrayTests tests;
  return QTest::qExec(&tests, argc, argv);
}

#include "lock_tray_tests.moc"
