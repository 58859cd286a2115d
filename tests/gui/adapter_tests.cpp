// The adapters against their models: changes made on worker threads reach the widgets
// through one coalesced refresh, colours and layouts come through as the models hold
// them, and the user's actions go back to the models.
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QSystemTrayIcon>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <thread>

#include "app/ui/ui_models.h"
#include "gui/button_adapter.h"
#include "gui/edit_adapter.h"
#include "gui/grid_adapter.h"
#include "gui/gui_shell.h"
#include "gui/report_list_adapter.h"
#include "gui/screenshot.h"
#include "gui/timer_adapter.h"

namespace pk {
namespace {

constexpr const char* kWindow = "测试窗口";

QVariant Cell(QAbstractItemModel* model, int row, int column, int role = Qt::DisplayRole) {
  return model->data(model->index(row, column), role);
}

void Settle(GuiShell& shell) { QVERIFY(WaitUntilIdle(shell, {}, 5000)); }

}  // namespace

class AdapterTests : public QObject {
  Q_OBJECT

 private slots:
  void workerWritesReachTheGridInOneRefresh() {
    UiRegistry registry;
    auto& grid = registry.AddWindow(kWindow).Add<GridModel>("表格", 1, 5, "page");
    grid.SetRowTexts(0, 0, {"期号", "A", "B", "C", "D"});
    GuiShell shell(registry);
    auto* adapter = shell.View(kWindow)->AdapterAs<GridAdapter>("表格");
    GridTableModel* table = adapter->tableModel();
    int data_changes = 0;
    int row_inserts = 0;
    connect(table, &QAbstractItemModel::dataChanged, this, [&] { ++data_changes; });
    connect(table, &QAbstractItemModel::rowsInserted, this, [&] { ++row_inserts; });

    std::thread worker([&] {
      grid.SetRowCount(401);
      for (int row = 1; row <= 400; ++row)
        for (int column = 0; column < 5; ++column)
          grid.SetCellText(row, column, std::to_string(row) + "," + std::to_string(column));
    });
    worker.join();
    QVERIFY(shell.Pending());
    Settle(shell);

    // Row 0 is the table's header; grid row r is table row r - 1.
    QCOMPARE(table->rowCount(), 400);
    QCOMPARE(table->headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("A"));
    QCOMPARE(Cell(table, 0, 0).toString(), QStringLiteral("1,0"));
    QCOMPARE(Cell(table, 399, 4).toString(), QStringLiteral("400,4"));
    QCOMPARE(row_inserts, 1);
    QCOMPARE(data_changes, 1);
  }

  void cellColoursAreWindowsColourValues_data() {
    QTest::addColumn<int>("colour");
    QTest::addColumn<QColor>("expected");
    QTest::newRow("red") << kRed << QColor(255, 0, 0);
    QTest::newRow("blue") << kBlue << QColor(0, 0, 255);
    QTest::newRow("orange") << kOrange << QColor(255, 128, 0);
    QTest::newRow("miss pink") << kMissPink << QColor(255, 128, 192);
    QTest::newRow("black is a colour") << kBlack << QColor(0, 0, 0);
  }
  void cellColoursAreWindowsColourValues() {
    QFETCH(int, colour);
    QFETCH(QColor, expected);
    UiRegistry registry;
    auto& grid = registry.AddWindow(kWindow).Add<GridModel>("表格", 3, 4, "page");
    GuiShell shell(registry);
    GridTableModel* table = shell.View(kWindow)->AdapterAs<GridAdapter>("表格")->tableModel();

    std::thread([&] {
      grid.SetBackColour(2, 3, colour);
      grid.SetTextColour(1, 1, colour);
    }).join();
    Settle(shell);

    QCOMPARE(Cell(table, 1, 3, Qt::BackgroundRole).value<QBrush>().color(), expected);
    QCOMPARE(Cell(table, 0, 1, Qt::ForegroundRole).value<QBrush>().color(), expected);
    QVERIFY(!Cell(table, 1, 2, Qt::BackgroundRole).isValid());  // no colour of its own
  }

  void mergedHeaderRowStaysInsideTheTable() {
    UiRegistry registry;
    UiWindow& window = registry.AddWindow(kWindow);
    auto& titled = window.Add<GridModel>("标题表格", 4, 5, "page");
    titled.SetCellText(0, 0, "各号码冠军位遗漏统计表");
    titled.Merge({0, 0, 0, 4});
    titled.SetColumnWidth(0, 87);
    titled.SetAlignment({0, 0, 10, 12}, Align::Centre);
    auto& plain = window.Add<GridModel>("普通表格", 3, 3, "page");
    plain.SetRowTexts(0, 0, {"期号", "冠", "结果"});
    GuiShell shell(registry);
    WindowView* view = shell.View(kWindow);

    auto* titled_adapter = view->AdapterAs<GridAdapter>("标题表格");
    QTableView* titled_view = titled_adapter->view();
    QVERIFY(titled_view->horizontalHeader()->isHidden());
    QCOMPARE(titled_adapter->tableModel()->rowCount(), 4);
    QCOMPARE(Cell(titled_adapter->tableModel(), 0, 0).toString(), QStringLiteral("各号码冠军位遗漏统计表"));
    QCOMPARE(titled_view->columnSpan(0, 0), 5);
    QCOMPARE(titled_view->columnWidth(0), 87);
    QCOMPARE(Cell(titled_adapter->tableModel(), 2, 3, Qt::TextAlignmentRole).value<Qt::Alignment>() & Qt::AlignHorizontal_Mask,
             Qt::AlignHCenter);

    // Without a merged header the current cell still names the grid's own row.
    auto* plain_adapter = view->AdapterAs<GridAdapter>("普通表格");
    QVERIFY(!plain_adapter->view()->horizontalHeader()->isHidden());
    plain_adapter->view()->setCurrentIndex(plain_adapter->tableModel()->index(1, 2));
    QCOMPARE(plain.CurrentRow(), 2);
    QCOMPARE(plain.CurrentColumn(), 2);
  }

  void reportListShowsColumnsAndPassesClicksBack() {
    UiRegistry registry;
    auto& list = registry.AddWindow(kWindow).Add<ReportListModel>(
        "列表", std::vector<ListColumn>{{"号码组", 60, Align::Left}, {"离散", 0, Align::Left}, {"当前", 50, Align::Right}},
        "page");
    std::vector<int> clicked_columns;
    list.OnColumnClick([&](int column) { clicked_columns.push_back(column); });
    GuiShell shell(registry);
    WindowView* view = shell.View(kWindow);
    view->show();
    auto* adapter = view->AdapterAs<ReportListAdapter>("列表");
    QTableView* table = adapter->view();

    std::thread([&] {
      for (int i = 0; i < 3; ++i) list.SetItemTexts(list.InsertItem(), {"12" + std::to_string(i), "x", std::to_string(i)});
    }).join();
    Settle(shell);

    QCOMPARE(adapter->tableModel()->rowCount(), 3);
    QCOMPARE(Cell(adapter->tableModel(), 2, 0).toString(), QStringLiteral("122"));
    QVERIFY(table->isColumnHidden(1));
    QCOMPARE(table->columnWidth(0), 60);
    QVERIFY(Cell(adapter->tableModel(), 0, 2, Qt::TextAlignmentRole).value<Qt::Alignment>() & Qt::AlignRight);

    QHeaderView* header = table->horizontalHeader();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(header->sectionViewportPosition(2) + 5, 5));
    QCOMPARE(clicked_columns, std::vector<int>{2});
    view->hide();
  }

  void radioClickChecksItAndUnchecksItsGroup() {
    UiRegistry registry;
    UiWindow& window = registry.AddWindow(kWindow);
    auto& champion = window.Add<ButtonModel>("单选框_冠军", ControlKind::Radio, "冠军", "fetch");
    auto& period = window.Add<ButtonModel>("单选框_期号", ControlKind::Radio, "期号", "fetch");
    ButtonModel::Group({&champion, &period});
    champion.SetChecked(true);
    int clicks = 0;
    period.OnClick([&] { ++clicks; });
    GuiShell shell(registry);
    WindowView* view = shell.View(kWindow);
    view->show();
    QAbstractButton* champion_button = view->AdapterAs<ButtonAdapter>("单选框_冠军")->button();
    QAbstractButton* period_button = view->AdapterAs<ButtonAdapter>("单选框_期号")->button();
    QVERIFY(champion_button->isChecked());

    QTest::mouseClick(period_button, Qt::LeftButton);
    Settle(shell);
    QCOMPARE(clicks, 1);
    QVERIFY(period.Checked());
    QVERIFY(!champion.Checked());
    QVERIFY(period_button->isChecked());
    QVERIFY(!champion_button->isChecked());

    // A second click on the chosen radio leaves it chosen.
    QTest::mouseClick(period_button, Qt::LeftButton);
    Settle(shell);
    QVERIFY(period_button->isChecked());
    view->hide();
  }

  void timerTicksWithTheModelsPeriodUntilStopped() {
    UiRegistry registry;
    auto& timer = registry.AddWindow(kWindow).Add<TimerModel>("时钟_倒计时");
    std::atomic<int> ticks{0};
    timer.OnTick([&] { ++ticks; });
    GuiShell shell(registry);
    const QTimer& qtimer = shell.View(kWindow)->AdapterAs<TimerAdapter>("时钟_倒计时")->timer();
    QVERIFY(!qtimer.isActive());

    std::thread([&] { timer.SetPeriod(10); }).join();
    Settle(shell);
    QVERIFY(qtimer.isActive());
    QCOMPARE(qtimer.interval(), 10);
    QTRY_VERIFY(ticks >= 2);

    timer.SetPeriod(0);
    Settle(shell);
    QVERIFY(!qtimer.isActive());
  }

  void editBoxesFollowTheModelAndTheUser() {
    UiRegistry registry;
    UiWindow& window = registry.AddWindow(kWindow);
    auto& results = window.Add<EditModel>("开奖结果框", "", "results");
    auto& factor = window.Add<EditModel>("倍数框", "2", "bet");
    window.Add<ButtonModel>("按钮_生成", ControlKind::Button, "生成", "bet");
    GuiShell shell(registry);
    WindowView* view = shell.View(kWindow);
    view->resize(300, 200);
    view->show();

    // Alone in its area, the results box is a read-only box of lines.
    QPlainTextEdit* box = view->AdapterAs<EditAdapter>("开奖结果框")->textBox();
    QVERIFY(box);
    QVERIFY(box->isReadOnly());
    std::thread([&] {
      for (int i = 0; i < 60; ++i) results.Append("第" + std::to_string(i) + "期\r\n");
    }).join();
    Settle(shell);
    QCOMPARE(box->document()->blockCount(), 61);
    QCOMPARE(box->document()->findBlockByNumber(59).text(), QStringLiteral("第59期"));
    QCOMPARE(box->verticalScrollBar()->value(), box->verticalScrollBar()->maximum());

    QLineEdit* line = view->AdapterAs<EditAdapter>("倍数框")->lineEdit();
    QVERIFY(line);
    QCOMPARE(line->text(), QStringLiteral("2"));
    line->selectAll();
    QTest::keyClicks(line, QStringLiteral("1.5"));
    QCOMPARE(factor.Text(), std::string("1.5"));
    view->hide();
  }

  void raisedControlCoversItsPartnerUntilLowered() {
    UiRegistry registry;
    UiWindow& window = registry.AddWindow(kWindow);
    auto& box = window.Add<ReportListModel>("推荐框", std::vector<ListColumn>{{"号码组", 105, Align::Left}}, "top/recommend");
    window.Add<ReportListModel>("模式框", std::vector<ListColumn>{{"期数", 40, Align::Left}}, "top/recommend");
    box.RaiseToTop();
    GuiShell shell(registry);
    WindowView* view = shell.View(kWindow);
    view->show();
    QWidget* box_widget = view->Adapter("推荐框")->widget();
    QWidget* plan_widget = view->Adapter("模式框")->widget();
    QVERIFY(box_widget->isVisible());
    QVERIFY(!plan_widget->isVisible());

    std::thread([&] { box.LowerToBottom(); }).join();
    Settle(shell);
    QVERIFY(!box_widget->isVisible());
    QVERIFY(plan_widget->isVisible());
    view->hide();
  }

  void closeAndMinimiseGoToTheWindowsHandlers() {
    UiRegistry registry;
    UiWindow& window = registry.AddWindow(kWindow, "标题");
    window.Add<LabelModel>("标签", "文字", "page");
    WindowModel& model = window.Model();
    // Closing hides the window instead, as the main window does into the tray.
    model.OnCloseRequest([&] {
      model.SetVisible(false);
      return false;
    });
    std::vector<int> states;
    model.OnStateChange([&](int state) { states.push_back(state); });
    model.Show();
    GuiShell shell(registry);
    WindowView* view = shell.View(kWindow);
    bool closed = false;
    view->OnClosed([&] { closed = true; });
    QVERIFY(view->isVisible());
    QCOMPARE(view->windowTitle(), QStringLiteral("标题"));

    view->showMinimized();
    Settle(shell);
    QCOMPARE(states, std::vector<int>{kWindowMinimised});
    QCOMPARE(model.State(), kWindowMinimised);
    view->showNormal();
    Settle(shell);

    QVERIFY(!view->close());
    Settle(shell);
    QVERIFY(!closed);
    QVERIFY(!view->isVisible());

    std::thread([&] { model.Show(); }).join();
    Settle(shell);
    QVERIFY(view->isVisible());
    view->hide();
  }

  void balloonWithoutTrayShowsInTheStatusBar() {
    if (QSystemTrayIcon::isSystemTrayAvailable()) QSKIP("this desktop has a system tray");
    UiRegistry registry;
    UiWindow& window = registry.AddWindow(kWindow);
    window.Add<StatusBarModel>("状态条1", 2, "bottom/status");
    auto& balloon = window.Add<BalloonModel>("气球提示框1");
    GuiShell shell(registry);
    WindowView* view = shell.View(kWindow);

    std::thread([&] {
      balloon.Show(924, 728, "第一条\r\n12\t\t\t二码遗漏");
      balloon.Show(924, 728, "最新\r\n345\t\t\t三码遗漏");
    }).join();
    Settle(shell);
    const QString message = view->statusBar()->currentMessage();
    QVERIFY2(message.contains(QStringLiteral("最新")) && message.contains(QStringLiteral("三码遗漏")), qPrintable(message));
    QVERIFY(!message.contains(QChar('\n')));
  }
};

}  // namespace pk

int RunAdapterTests(int argc, char** argv) {
  pk::AdapterTests tests;
  return QTest::qExec(&tests, argc, argv);
}

#include "adapter_tests.moc"
