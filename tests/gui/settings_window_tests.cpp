// The settings window through its widgets: the main window's menu opens it over a
// disabled main window, a tick and a distance typed into the grid reach the settings
// file with "确定", and "取消" or the close box bring back what the file holds.
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include "app/ui/main_window_controls.h"
#include "app/ui/ui_models.h"
#include "base/ini.h"
#include "gui/grid_adapter.h"
#include "settings/settings_file.h"
#include "settings/settings_window.h"
#include "window_test_program.h"

namespace pk {

class SettingsWindowTests : public QObject {
  Q_OBJECT

  std::string StoredText(const test::WindowTestProgram& app) {
    return IniFile(SettingsFilePath(app.home())).Read(kSettingsSection, kConfigureKey);
  }

  // Opens the window from the main window's menu and checks it stands over a disabled main window.
  void Open(test::WindowTestProgram& app) {
    app.program().ui().Window(kMainWindow).ChooseMenu("配置选项");
    QVERIFY(app.Settle());
    QVERIFY(app.View(kSettingsWindow).isVisible());
    QVERIFY(!app.View(kMainWindow).isEnabled());
  }

  void Press(test::WindowTestProgram& app, const char* button) {
    auto* widget = app.Find<QPushButton>(kSettingsWindow, button);
    QVERIFY(widget);
    QTest::mouseClick(widget, Qt::LeftButton);
    QVERIFY(app.Settle());
    QVERIFY(!app.View(kSettingsWindow).isVisible());
    QVERIFY(app.View(kMainWindow).isEnabled());
  }

 private slots:
  void okWritesTheGridAndCancelOrCloseRestoreTheFile() {
    test::WindowTestProgram app;
    app.ShowWindows();
    Open(app);
    GridAdapter* grid = app.View(kSettingsWindow).AdapterAs<GridAdapter>(kSettingsGrid);
    QAbstractItemModel* table = grid->view()->model();
    // Grid row r is table row r - 1: untick "二码遗漏", type 9 for "三码遗漏".
    QVERIFY(table->setData(table->index(0, 0), Qt::Unchecked, Qt::CheckStateRole));
    QVERIFY(table->setData(table->index(1, 2), QStringLiteral("9"), Qt::EditRole));
    QVERIFY(app.Settle());
    QCOMPARE(table->data(table->index(0, 0), Qt::CheckStateRole).value<Qt::CheckState>(), Qt::Unchecked);
    Press(app, kSettingsOkButton);
    const std::string saved = "0,7,1,9,1,5,1,4,1,4,1,3,1,2,1,2,1,4,1,3,1,2,1,0,1,0,1,,";
    QCOMPARE(StoredText(app), saved);

    // Edits thrown away by "取消" and by the close box alike.
    for (const bool close_box : {false, true}) {
      Open(app);
      QVERIFY(table->setData(table->index(0, 0), Qt::Checked, Qt::CheckStateRole));
      QVERIFY(table->setData(table->index(1, 2), QStringLiteral("3"), Qt::EditRole));
      if (close_box) {
        app.View(kSettingsWindow).close();
        QVERIFY(app.Settle());
        QVERIFY(!app.View(kSettingsWindow).isVisible());
        QVERIFY(app.View(kMainWindow).isEnabled());
      } else {
        Press(app, kSettingsCancelButton);
      }
      QCOMPARE(StoredText(app), saved);
      QCOMPARE(table->data(table->index(0, 0), Qt::CheckStateRole).value<Qt::CheckState>(), Qt::Unchecked);
      QCOMPARE(table->data(table->index(1, 2), Qt::DisplayRole).toString(), QStringLiteral("9"));
    }
  }

  void selectAllTicksTheWholeColumn() {
    test::WindowTestProgram app;
    app.ShowWindows();
    Open(app);
    QAbstractItemModel* table = app.View(kSettingsWindow).AdapterAs<GridAdapter>(kSettingsGrid)->view()->model();
    const int select_all = kSelectAllRow - 1;
    QCOMPARE(table->data(table->index(select_all, 0), Qt::CheckStateRole).value<Qt::CheckState>(), Qt::Checked);
    QVERIFY(table->setData(table->index(select_all, 0), Qt::Unchecked, Qt::CheckStateRole));
    QVERIFY(app.Settle());
    for (int row = 0; row < 8; ++row)
      QCOMPARE(table->data(table->index(row, 0), Qt::CheckStateRole).value<Qt::CheckState>(), Qt::Unchecked);
    // The second group's column is left alone.
    QCOMPARE(table->data(table->index(0, 3), Qt::CheckStateRole).value<Qt::CheckState>(), Qt::Checked);
  }
};

}  // namespace pk

int RunSettingsWindowTests(int argc, char** argv) {
  pk::SettingsWindowTests tests;
  return QTest::qExec(&tests, argc, argv);
}

#include "settings_window_tests.moc"
