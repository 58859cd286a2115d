// The desktop program as it starts and runs: start-up, the day fetch and automatic mode
// through the buttons, the close box, the exit question and the about window.
#include <QAction>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QWindow>

#include "app/about_window.h"
#include "app/main_window_behaviour.h"
#include "app/start_up.h"
#include "app/version.h"
#include "gui/qt_text.h"
#include "gui/window_view.h"
#include "shell_fixture.h"

namespace pk {

namespace {

int Lines(QPlainTextEdit* box) { return box->toPlainText().count(QChar('\n')); }

}  // namespace

class ShellTests : public QObject {
  Q_OBJECT

 private slots:
  void startUpShowsTheMainWindowAndLoadsTheExtremes() {
    test::ShellRun run;
    WindowView* main = run.View(kMainWindow);
    QVERIFY(run.Settle());
    QVERIFY(main->isVisible());
    QCOMPARE(main->windowTitle(), QString::fromUtf8(kMainWindowTitle) + ToQString(ProgramVersionText()));
    // The server date of the simulator's bulletin, not the computer's.
    QCOMPARE(run.Widget<QLineEdit>(kMainWindow, "日期框")->text(), QStringLiteral("2026-03-01"));
    TrayIconModel& tray = run.Main().Get<TrayIconModel>(kTrayIcon);
    QVERIFY(tray.Present());
    QCOMPARE(tray.Tip(), std::string(kTrayTip));
    QCOMPARE(run.Main().Get<TimerModel>(kTipTimer).Period(), kTipPeriodMs);

    // The extremes load on a worker while the window is already up.
    QTRY_VERIFY_WITH_TIMEOUT(run.ExtremesLoaded(), 30000);
    QVERIFY(run.Settle());
    QVERIFY(run.Widget<QPushButton>(kMainWindow, "按钮_获取数据")->isEnabled());
    QVERIFY(run.platform.Asked().empty());
    QCOMPARE(run.platform.ends.load(), 0);
  }

  void dayFetchAndAutomaticModeThroughTheButtons() {
    test::ShellRun run;
    QTRY_VERIFY_WITH_TIMEOUT(run.ExtremesLoaded(), 30000);
    QVERIFY(run.Settle());
    auto* fetch = run.Widget<QPushButton>(kMainWindow, "按钮_获取数据");
    auto* results = run.Widget<QPlainTextEdit>(kMainWindow, "开奖结果框");
    QTest::mouseClick(fetch, Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(run.program().workers.Running() == 0 && run.HeldDraws() > 0, 30000);
    QVERIFY(run.Settle());
    const int fetched = run.HeldDraws();
    QCOMPARE(Lines(results), fetched);
    QVERIFY(run.platform.Asked().empty());

    // Automatic mode: the simulator draws every second; whenever the real one-second
    // countdown timer is made to run out, a feed step brings what is new.
    QTest::mouseClick(run.Widget<QPushButton>(kMainWindow, "按钮_自动"), Qt::LeftButton);
    QCOMPARE(run.program().app.AutoMode.load(), 1);
    run.server.SetClock(test::kShellSimStart, 300);
    QTimer run_out;
    connect(&run_out, &QTimer::timeout, [&] { run.program().stats.Countdown = 0; });
    run_out.start(1500);
    QTRY_VERIFY_WITH_TIMEOUT(run.HeldDraws() >= fetched + 3, 60000);
    run_out.stop();
    QTRY_VERIFY_WITH_TIMEOUT(run.program().workers.Running() == 0, 30000);
    QVERIFY(run.Settle());
    QCOMPARE(Lines(results), run.HeldDraws());
    QVERIFY(run.Widget<QLabel>(kMainWindow, "标签_倒计时")->text().endsWith(QStringLiteral("秒")));
  }

  void closeBoxHidesIntoTheTrayOrMinimisesWithout_data() {
    QTest::addColumn<bool>("tray");
    QTest::newRow("tray") << true;
    QTest::newRow("no tray") << false;
  }
  void closeBoxHidesIntoTheTrayOrMinimisesWithout() {
    QFETCH(bool, tray);
    test::ShellRun run(tray);
    WindowView* main = run.View(kMainWindow);
    QVERIFY(run.Settle());
    QVERIFY(!main->close());
    QVERIFY(run.Settle());
    QCOMPARE(main->isVisible(), !tray);
    QCOMPARE(main->isMinimized(), !tray);
    QCOMPARE(run.platform.ends.load(), 0);
    QVERIFY(run.Main().Get<TrayIconModel>(kTrayIcon).Present());

    // Minimising goes into the tray too where there is one.
    if (tray) {
      RestoreMainWindow(run.program());
      QVERIFY(run.Settle());
      QVERIFY(main->isVisible() && !main->isMinimized());
      main->showMinimized();
      QVERIFY(run.Settle());
      QVERIFY(!main->isVisible());
    }
  }

  void exitAsksAndEndsOnlyOnYes() {
    test::ShellRun run(true);
    WindowView* main = run.View(kMainWindow);
    QVERIFY(run.Settle());
    run.platform.QueueAnswer(MessageAnswer::No);
    test::Choose(main, "文件", "退出");
    QCOMPARE(run.platform.ends.load(), 0);
    QVERIFY(run.Main().Get<TrayIconModel>(kTrayIcon).Present());

    run.platform.QueueAnswer(MessageAnswer::Yes);
    test::Choose(main, "文件", "退出");
    QCOMPARE(run.platform.ends.load(), 1);
    QVERIFY(!run.Main().Get<TrayIconModel>(kTrayIcon).Present());
    const auto asked = run.platform.Asked();
    QCOMPARE(asked.size(), size_t{2});
    QCOMPARE(asked[1].text, std::string(kExitQuestion));
    QCOMPARE(asked[1].title, std::string(kExitTitle));
  }

  void aboutWindowIsModalWithTheProgramIcon() {
    test::ShellRun run;
    QVERIFY(run.Settle());
    test::Choose(run.View(kMainWindow), "帮助", "关于软件");
    QVERIFY(run.Settle());
    WindowView* about = run.View(kAboutWindow);
    QVERIFY(about->isVisible());
    QCOMPARE(QGuiApplication::modalWindow(), about->windowHandle());
    auto* icon = about->findChild<QLabel*>(QStringLiteral("程序图标"));
    QVERIFY(icon && icon->isVisible() && !icon->pixmap().isNull());
    QVERIFY(run.Widget<QLabel>(kAboutWindow, "标签_版本")->text().contains(ToQString(ProgramVersionText())));

    QTest::mouseClick(run.Widget<QPushButton>(kAboutWindow, kAboutCloseButton), Qt::LeftButton);
    QVERIFY(run.Settle());
    QVERIFY(!about->isVisible());
    QCOMPARE(QGuiApplication::modalWindow(), nullptr);
  }
};

}  // namespace pk

int RunShellTests(int argc, char** argv) {
  pk::ShellTests tests;
  return QTest::qExec(&tests, argc, argv);
}

#include "shell_tests.moc"
