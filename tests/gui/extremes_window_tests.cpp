// The extremes window through its widgets, against the simulator and the delivered
// extremes store: "更新" brings the staging history up to date, a ticked kind computed by
// "开始演算" fills the result list, the list's right-button menu "更新" runs "手动更新" on
// the row under the pointer, the animation timer runs while a job waits, and the close
// box asks before it stops a computation.
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <mutex>

#include "app/ui/ui_models.h"
#include "gui/report_list_adapter.h"
#include "gui/qt_text.h"
#include "stats/extremes_loading.h"
#include "store/draw_store.h"
#include "store/statements.h"
#include "window_test_program.h"
#include "workshop/extremes_window.h"

namespace pk {

class ExtremesWindowTests : public QObject {
  Q_OBJECT

  std::unique_ptr<test::WindowTestProgram> app_;
  std::unique_ptr<ExtremesWorkshop> workshop_;

  QString LabelText(const char* name) {
    auto* label = app_->Find<QLabel>(kExtremesWindow, name);
    return label ? label->text() : QStringLiteral("(none)");
  }
  void Click(const char* name) {
    auto* button = app_->Find<QAbstractButton>(kExtremesWindow, name);
    QVERIFY2(button, name);
    QTest::mouseClick(button, Qt::LeftButton);
  }
  QTableView* ResultList() {
    return app_->View(kExtremesWindow).AdapterAs<ReportListAdapter>("超级列表框1")->view();
  }

 private slots:
  void init() {
    app_ = std::make_unique<test::WindowTestProgram>(
        sim::SimOptions{.seed = 9, .start = MakeDateTime(2026, 3, 1, 10, 3, 10), .speed = 0});
    OpenAndLoadExtremes(app_->program());
    workshop_ = std::make_unique<ExtremesWorkshop>(app_->program());
    QVERIFY(workshop_->Open());
    app_->ShowWindows();
    QVERIFY(app_->Settle());
    QVERIFY(app_->View(kExtremesWindow).isVisible());
  }
  void cleanup() {
    workshop_.reset();
    app_.reset();
  }

  void updateThenComputeFillsTheResultList() {
    // The staging table holds one draw 60 periods back; the update fetches the rest.
    DrawStore* staging = workshop_->staging();
    QCOMPARE(staging->Execute(ClearDraws()), 1);
    const std::string last = std::to_string(app_->server().NewestPeriod() - 60);
    const std::vector<std::string> draw = {last, "01", "02", "03", "04", "05", "06", "07", "08", "09", "10"};
    QCOMPARE(staging->Run(InsertFetchedDraw(draw)), StatementResult::Succeeded);
    Click("按钮_演算极限更新");
    QTRY_COMPARE_WITH_TIMEOUT(LabelText("透明标签_更新"), QStringLiteral("已获取完毕！"), 60000);
    QTRY_COMPARE(LabelText("透明标签1"), QStringLiteral("获取完毕，请演算极限！"));
    workshop_->WaitForJobs();

    // A stored extreme below what the history reaches is raised.
    workshop_->extremes()->Execute("update 二码极限 set 遗漏极限='0' where 号码组合='12'");
    auto* two = app_->Find<QCheckBox>(kExtremesWindow, "选择框_二码");
    QVERIFY(two);
    QTest::mouseClick(two, Qt::LeftButton);
    QVERIFY(workshop_->window().Get<ButtonModel>("选择框_二码").Checked());
    Click("按钮_开始演算");
    QTRY_COMPARE_WITH_TIMEOUT(LabelText("透明标签2"), QStringLiteral("演算结束！"), 60000);
    auto* start = app_->Find<QPushButton>(kExtremesWindow, "按钮_开始演算");
    QTRY_COMPARE(start->text(), QStringLiteral("开始演算"));
    QVERIFY(start->isEnabled());
    QTRY_VERIFY(ResultList()->model()->rowCount() >= 1);
    QAbstractItemModel* rows = ResultList()->model();
    int raised = -1;
    for (int r = 0; r < rows->rowCount(); ++r)
      if (rows->index(r, 0).data().toString() == QStringLiteral("12")) raised = r;
    QVERIFY(raised >= 0);
    QCOMPARE(rows->index(raised, 1).data().toString(), QStringLiteral("0"));
    QVERIFY(rows->index(raised, 2).data().toString().toInt() > 0);
    QCOMPARE(rows->index(raised, 3).data().toString(), QStringLiteral("是"));
    // The three key columns stay out of sight.
    for (int column : {5, 6, 7}) QVERIFY(ResultList()->isColumnHidden(column));

    // A row whose update failed is repeated from the list's right-button menu.
    ReportListModel& list = workshop_->window().Get<ReportListModel>("超级列表框1");
    list.SetItemText(raised, 3, "否");
    QVERIFY(!app_->View(kExtremesWindow).menuBar()->isVisible());
    QMenu* menu = app_->View(kExtremesWindow).Menu("更新");
    QVERIFY(menu);
    emit ResultList()->customContextMenuRequested(ResultList()->visualRect(rows->index(raised, 0)).center());
    QTRY_VERIFY(menu->isVisible());
    QCOMPARE(list.SelectedItem(), raised);
    QAction* manual = menu->actions().value(0);
    QVERIFY(manual);
    QCOMPARE(manual->text(), QStringLiteral("手动更新"));
    menu->hide();
    manual->trigger();
    QTRY_COMPARE(rows->index(raised, 3).data().toString(), QStringLiteral("是"));
  }

  void closeBoxAsksBeforeStoppingAComputation() {
    Program& program = app_->program();
    // The job waits for the draw lock this thread holds, so the computation stays running.
    std::unique_lock held(program.drawLock);
    QTest::mouseClick(app_->Find<QCheckBox>(kExtremesWindow, "选择框_杀一码"), Qt::LeftButton);
    Click("按钮_开始演算");
    auto* start = app_->Find<QPushButton>(kExtremesWindow, "按钮_开始演算");
    QTRY_COMPARE(start->text(), QStringLiteral("演算中.."));
    QVERIFY(!start->isEnabled());
    // The animation timer adds its dots on the window thread.
    QTRY_VERIFY_WITH_TIMEOUT(LabelText("透明标签1").startsWith(QStringLiteral("正在演算极限值.")), 5000);

    WindowView& view = app_->View(kExtremesWindow);
    view.close();  // answered No
    QVERIFY(app_->Settle());
    QVERIFY(view.isVisible());
    const auto messages = app_->platform().Messages();
    QVERIFY(!messages.empty());
    QCOMPARE(messages.back().text, std::string("软件正在演算数据，确定要强制退出吗？"));

    app_->platform().QueueAnswer(MessageAnswer::Yes);
    view.close();
    QVERIFY(app_->Settle());
    QVERIFY(!view.isVisible());
    held.unlock();
    workshop_->WaitForJobs();
    // No job reached its end: no result, no finish step.
    QCOMPARE(ResultList()->model()->rowCount(), 0);
    QCOMPARE(LabelText("透明标签2"), QStringLiteral("等待开始"));
  }
};

}  // namespace pk

int RunExtremesWindowTests(int argc, char** argv) {
  pk::ExtremesWindowTests tests;
  return QTest::qExec(&tests, argc, argv);
}

#include "extremes_window_tests.moc"
