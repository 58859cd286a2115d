// The main window built from the program's own models, and the program's picture of it.
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include "app/program.h"
#include "app/recording_platform.h"
#include "app/ui/main_window_controls.h"
#include "app/ui/ui_models.h"
#include "app/version.h"
#include "settings/settings_window.h"
#include "gui/animation_adapter.h"
#include "acquire/draw_intake.h"
#include "gui/grid_adapter.h"
#include "gui/gui_shell.h"
#include "gui/program_windows.h"
#include "gui/qt_text.h"
#include "gui/screenshot.h"

namespace pk {

class MainWindowTests : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    home_ = std::make_unique<QTemporaryDir>();
    program_ = std::make_unique<Program>(platform_, ToUtf8(home_->path()));
    ShowStartCarOrder(*program_);
    shell_ = std::make_unique<GuiShell>(program_->ui());
    ConnectProgramWindows(*shell_, *program_);
    view_ = shell_->View(kMainWindow);
    QVERIFY(view_);
    QVERIFY(WaitUntilIdle(*shell_, {}, 5000));
  }
  void cleanup() {
    shell_.reset();
    program_.reset();
    home_.reset();
  }

  void mainTabControlHasItsTabsInOrder() {
    auto* tabs = view_->findChild<QTabWidget*>(QStringLiteral("总选择夹"));
    QVERIFY(tabs);
    QStringList captions;
    for (int i = 0; i < tabs->count(); ++i) captions << tabs->tabText(i);
    QCOMPARE(captions, QStringList({"遗漏", "组合遗漏极限", "七码", "天空", "合作平台", "九码一", "九码二", "热码", "走势"}));
  }

  void everyControlWithAWidgetSitsInTheWindow() {
    for (Control* control : program_->ui().Window(kMainWindow).Controls()) {
      ControlAdapter* adapter = view_->Adapter(control->Name());
      QVERIFY2(adapter, control->Name().c_str());
      if (adapter->widget()) QVERIFY2(adapter->widget()->window() == view_, control->Name().c_str());
    }
  }

  void menusCarryTheirItemsToTheHandlers() {
    QStringList captions;
    for (QAction* action : view_->menuBar()->actions()) captions << action->text();
    QCOMPARE(captions, QStringList({"文件", "查看", "操作", "帮助"}));

    int chosen = 0;
    program_->ui().Window(kMainWindow).OnMenu("使用帮助", [&] { ++chosen; });
    QMenu* help = view_->Menu("帮助");
    QVERIFY(help);
    QStringList items;
    for (QAction* action : help->actions()) items << action->text();
    QCOMPARE(items, QStringList({"检查更新", "使用帮助", "关于软件"}));
    help->actions().at(1)->trigger();
    QCOMPARE(chosen, 1);
  }

  void animationBoxShowsTheCarsInStartOrder() {
    AnimationView* box = view_->AdapterAs<AnimationAdapter>("动画框1")->view();
    const std::vector<AnimationObject>& objects = box->Objects();
    QCOMPARE(objects.size(), size_t{10});
    for (int i = 1; i <= 10; ++i) QCOMPARE(objects[i - 1], (AnimationObject{i - 1, (i - 1) * 29 + 4, 5}));
  }

  void settingsGridTicksAndEditsThroughTheSettings() {
    GridModel& grid = program_->ui().Window(kSettingsWindow).Get<GridModel>(kSettingsGrid);
    GridTableModel* table = shell_->View(kSettingsWindow)->AdapterAs<GridAdapter>(kSettingsGrid)->tableModel();
    // Row 0 is the header, so grid row r is table row r - 1.
    const QModelIndex run = table->index(0, 0);
    const QModelIndex type = table->index(0, 1);
    const QModelIndex distance = table->index(0, 2);
    const std::string was = grid.CellText(1, 0);
    QVERIFY(table->flags(run) & Qt::ItemIsUserCheckable);
    QVERIFY(!(table->flags(type) & Qt::ItemIsEditable));
    QVERIFY(table->flags(distance) & Qt::ItemIsEditable);

    QVERIFY(table->setData(run, Qt::Checked, Qt::CheckStateRole));
    QVERIFY(grid.CellText(1, 0) != was);
    QVERIFY(WaitUntilIdle(*shell_, {}, 5000));
    QCOMPARE(table->data(run, Qt::CheckStateRole).value<Qt::CheckState>(),
             grid.CellText(1, 0) == kTicked ? Qt::Checked : Qt::Unchecked);

    QVERIFY(table->setData(distance, QStringLiteral("9"), Qt::EditRole));
    QCOMPARE(grid.CellText(1, 2), std::string("9"));
    QVERIFY(!table->setData(type, QStringLiteral("改"), Qt::EditRole));
    QCOMPARE(grid.CellText(1, 1), std::string("二码遗漏"));
  }

  void screenshotWritesAPictureOfTheWindow() {
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("main.png"));
    QProcess pkcalc;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    pkcalc.setProcessEnvironment(environment);
    pkcalc.start(QStringLiteral(PKCALC_EXE), {"--home", folder.path(), "--screenshot", file});
    QVERIFY(pkcalc.waitForFinished(60000));
    QCOMPARE(pkcalc.exitStatus(), QProcess::NormalExit);
    QCOMPARE(pkcalc.exitCode(), 0);
    const QImage picture(file);
    QVERIFY(!picture.isNull());
    QCOMPARE(picture.size(), kScreenshotSize * picture.devicePixelRatio());

    pkcalc.start(QStringLiteral(PKCALC_EXE), {"--home", folder.path(), "--screenshot", file, "--screenshot-window", "没有"});
    QVERIFY(pkcalc.waitForFinished(60000));
    QCOMPARE(pkcalc.exitCode(), 1);
  }

 private:
  RecordingPlatform platform_;
  std::unique_ptr<QTemporaryDir> home_;
  std::unique_ptr<Program> program_;
  std::unique_ptr<GuiShell> shell_;
  WindowView* view_ = nullptr;
};

}  // namespace pk

int RunMainWindowTests(int argc, char** argv) {
  pk::MainWindowTests tests;
  return QTest::qExec(&tests, argc, argv);
}

#include "main_window_tests.moc"
