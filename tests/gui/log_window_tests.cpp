// The log window through its widgets: the list and count shown, the export written where
// the save dialog said (nothing when it was cancelled), and the close box only hiding.
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/ui/main_window_controls.h"
#include "app/ui/ui_models.h"
#include "base/gbk.h"
#include "gui/report_list_adapter.h"
#include "stats/log_window.h"
#include "window_test_program.h"

namespace pk {

class LogWindowTests : public QObject {
  Q_OBJECT

  static std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }

 private slots:
  void exportWritesTheListWhereTheDialogSays() {
    test::WindowTestProgram app;
    ReportListModel& list = app.program().ui().Window(kLogWindow).Get<ReportListModel>(kLogList);
    for (const std::vector<std::string>& row :
         {std::vector<std::string>{"1000123", "12", "9", "5", "4", "二码遗漏", "2026-03-01 10:03:10"},
          std::vector<std::string>{"1000123", "3456789", "20", "18", "2", "七码遗漏", "2026-03-01 10:03:10"}})
      list.SetItemTexts(list.InsertItem(), row);
    app.ShowWindows();
    app.program().ui().Window(kMainWindow).ChooseMenu("日志记录");
    QVERIFY(app.Settle());
    WindowView& view = app.View(kLogWindow);
    QVERIFY(view.isVisible());
    QCOMPARE(view.AdapterAs<ReportListAdapter>(kLogList)->view()->model()->rowCount(), 2);

    auto* button = app.Find<QPushButton>(kLogWindow, kLogExportButton);
    QVERIFY(button);
    QCOMPARE(button->text(), QStringLiteral("导出文本"));
    const std::string file = app.home() + "/导出.txt";
    app.platform().QueueSavePath(std::nullopt);
    QTest::mouseClick(button, Qt::LeftButton);
    QVERIFY(!std::filesystem::exists(file));

    app.platform().QueueSavePath(file);
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(app.platform().SaveRequests().size(), size_t{2});
    QCOMPARE(app.platform().SaveRequests().back().filter, std::string("文本文件（.txt）|*.txt"));
    const std::string text = ReadFile(file);
    // GBK, the header first, short texts padded with four blanks before their tab.
    QVERIFY(text.rfind(Utf8ToGbk("期号\t号码组合\t极限值\t当前值\t离散值\t备注\t\t记录时间\r\n"), 0) == 0);
    QVERIFY(text.find(Utf8ToGbk("1000123\t12    \t9    \t5    \t4    \t二码遗漏\t")) != std::string::npos);
    QVERIFY(text.find(Utf8ToGbk("1000123\t3456789\t20    \t18    \t2    \t七码遗漏\t")) != std::string::npos);
  }

  void closeBoxHidesAndTheRowsStay() {
    test::WindowTestProgram app;
    ReportListModel& list = app.program().ui().Window(kLogWindow).Get<ReportListModel>(kLogList);
    list.SetItemTexts(list.InsertItem(), {"1000123", "12", "9", "5", "4", "二码遗漏", "2026-03-01 10:03:10"});
    app.ShowWindows();
    UiWindow& main = app.program().ui().Window(kMainWindow);
    main.ChooseMenu("日志记录");
    QVERIFY(app.Settle());
    WindowView& view = app.View(kLogWindow);
    view.close();
    QVERIFY(app.Settle());
    QVERIFY(!view.isVisible());
    main.ChooseMenu("日志记录");
    QVERIFY(app.Settle());
    QVERIFY(view.isVisible());
    QCOMPARE(view.AdapterAs<ReportListAdapter>(kLogList)->view()->model()->rowCount(), 1);
  }
};

}  // namespace pk

int RunLogWindowTests(int argc, char** argv) {
  pk::LogWindowTests tests;
  return QTest::qExec(&tests, argc, argv);
}

#include "log_window_tests.moc"
