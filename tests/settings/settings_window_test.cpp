#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <random>
#include <string>

#include "app/program.h"
#include "app/recording_platform.h"
#include "app/ui/main_window_controls.h"
#include "app/ui/ui_models.h"
#include "base/ini.h"
#include "settings/settings_text.h"
#include "settings/settings_window.h"

namespace pk {
namespace {

namespace fs = std::filesystem;

const std::string kFreshFile =
    "\xEF\xBB\xBF\r\n"
    "[Date]\r\n"
    "Last_Update=2015-04-05 16:24:11\r\n"
    "Configure=1,7,1,6,1,5,1,4,1,4,1,3,1,2,1,2,1,4,1,3,1,2,1,0,1,0,1,,\r\n"
    "Flink=1\r\n";

struct SettingsWindowTest : testing::Test {
  fs::path home;
  RecordingPlatform platform;
  std::unique_ptr<Program> program;

  SettingsWindowTest() {
    std::random_device random;
    home = fs::temp_directory_path() / ("pkcalc-settings-" + std::to_string(random()) + std::to_string(random()));
    fs::create_directories(home);
  }
  ~SettingsWindowTest() override {
    program.reset();
    std::error_code ignored;
    fs::remove_all(home, ignored);
  }

  fs::path File() { return home / "UserDestop.ini"; }
  void WriteFile(const std::string& bytes) { std::ofstream(File(), std::ios::binary) << bytes; }
  std::string FileBytes() {
    std::ifstream in(File(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  std::string Stored(const char* key) { return IniFile(File().string()).Read("Date", key, "<missing>"); }

  void Start() { program = std::make_unique<Program>(platform, home.string()); }
  UiWindow& Window() { return program->ui().Window(kSettingsWindow); }
  GridModel& Grid() { return Window().Get<GridModel>(kSettingsGrid); }
  WindowModel& Main() { return program->ui().Window(kMainWindow).Model(); }
  ButtonModel& PartnerLinks() { return Window().Get<ButtonModel>(kPartnerLinksBox); }
  void Ok() { Window().Get<ButtonModel>(kSettingsOkButton).Click(); }
};

TEST_F(SettingsWindowTest, FirstStartWritesTheFreshFileAndShowsEverythingTicked) {
  Start();

  // Other sections of the file (the web sources) follow the fresh part.
  EXPECT_EQ(FileBytes().substr(0, kFreshFile.size()), kFreshFile);
  for (auto [row, column] : {std::pair{1, 0}, {8, 0}, {9, 0}, {1, 3}, {4, 3}, {9, 3}, {1, 6}, {2, 6}, {9, 6}})
    EXPECT_EQ(Grid().CellText(row, column), kTicked) << row << "," << column;
  EXPECT_EQ(Grid().CellText(1, 2), "7");
  EXPECT_EQ(Grid().CellText(8, 2), "2");
  EXPECT_EQ(Grid().CellText(4, 5), "0");
  EXPECT_EQ(Grid().CellText(2, 8), "");
  EXPECT_EQ(Grid().CellText(3, 1), "四码遗漏");
  EXPECT_EQ(Grid().CellText(4, 4), "天空九码");
  EXPECT_EQ(Grid().CellText(2, 7), "号码走势");
  EXPECT_EQ(Grid().CellText(9, 7), "全选");
  EXPECT_EQ(program->distances, (AlertDistances{7, 6, 5, 4, 4, 3, 2, 2, 4, 3, 2, 0}));
  EXPECT_TRUE(PartnerLinks().Checked());
  EXPECT_EQ(Main().Width(), kMainWidthWithPartners);
  EXPECT_FALSE(Window().Model().Visible());
  EXPECT_EQ(Window().Model().Caption(), "配置选项");
}

TEST_F(SettingsWindowTest, SavingWithoutChangesWritesTheSameFileBack) {
  Start();
  const std::string before = FileBytes();
  ASSERT_EQ(before.substr(0, kFreshFile.size()), kFreshFile);
  EXPECT_TRUE(program->ui().Window(kMainWindow).ChooseMenu("配置选项"));
  EXPECT_TRUE(Window().Model().Visible());
  EXPECT_FALSE(Main().Enabled());

  Ok();

  EXPECT_EQ(FileBytes(), before);
  EXPECT_FALSE(Window().Model().Visible());
  EXPECT_TRUE(Main().Enabled());
}

TEST_F(SettingsWindowTest, SaveStoresRunFlagsWithTheHotNumbersAlwaysRunning) {
  Start();
  OpenSettings(*program);
  ClickSettingsCheckBox(*program, 1, 0);  // "二码遗漏" off
  ClickSettingsCheckBox(*program, 1, 6);  // "百期热码" off: saved as running all the same
  ClickSettingsCheckBox(*program, 2, 6);  // "号码走势" off
  EXPECT_EQ(Grid().CellText(1, 6), kUnticked);

  Ok();

  EXPECT_EQ(Stored("Configure"), "0,7,1,6,1,5,1,4,1,4,1,3,1,2,1,2,1,4,1,3,1,2,1,0,1,0,0,,");
  EXPECT_EQ(Grid().CellText(1, 6), kTicked);
}

TEST_F(SettingsWindowTest, EmptyOrUnusableDistanceKeepsThePreviousOne) {
  WriteFile("[Date]\r\nConfigure=1,9,1,6,1,5,1,4,1,4,1,3,1,2,1,2,1,4,1,3,1,2,1,0,1,5,1,3,\r\nFlink=1\r\n");
  Start();
  EXPECT_EQ(program->distances[0], 9);

  OpenSettings(*program);
  Grid().SetCellText(1, 2, "");     // keeps 9, not the default 7
  Grid().SetCellText(2, 2, "3,4");  // a comma would shift every later pair
  Grid().SetCellText(1, 5, "11");
  Grid().SetCellText(1, 8, "");     // the hot numbers' distance stays empty
  Ok();

  EXPECT_EQ(Stored("Configure"), "1,9,1,6,1,5,1,4,1,4,1,3,1,2,1,2,1,11,1,3,1,2,1,0,1,,1,3,");
  EXPECT_EQ(program->distances, (AlertDistances{9, 6, 5, 4, 4, 3, 2, 2, 11, 3, 2, 0}));
  EXPECT_EQ(program->settings.entries[8].distance, "11");
}

TEST_F(SettingsWindowTest, AShortStoredTextGovernsThisRunAndIsReplacedInTheFile) {
  WriteFile("[Date]\r\nConfigure=0,9,1,8\r\n");
  Start();

  EXPECT_EQ(Stored("Configure"), kDefaultSettingsText);
  EXPECT_EQ(program->distances, (AlertDistances{9, 8, 5, 4, 4, 3, 2, 2, 4, 3, 2, 0}));
  EXPECT_EQ(Grid().CellText(1, 0), kUnticked);
  EXPECT_EQ(Grid().CellText(9, 0), kUnticked);
  EXPECT_EQ(Grid().CellText(1, 2), "9");
  EXPECT_EQ(Grid().CellText(3, 2), "5");
  EXPECT_EQ(Grid().CellText(9, 3), kTicked);
}

TEST_F(SettingsWindowTest, PartnerLinksSetTheMainWindowWidthAndTheColumn) {
  WriteFile("[Date]\r\nConfigure=1,7,1,6,1,5,1,4,1,4,1,3,1,2,1,2,1,4,1,3,1,2,1,0,1,0,1,,\r\nFlink=0\r\n");
  Start();
  FrameModel& column = program->ui().Window(kMainWindow).Get<FrameModel>("外形框2");
  EXPECT_FALSE(PartnerLinks().Checked());
  EXPECT_EQ(Main().Width(), kMainWidthWithoutPartners);
  EXPECT_FALSE(column.Visible());

  OpenSettings(*program);
  PartnerLinks().Click();
  Ok();

  EXPECT_EQ(Stored("Flink"), "1");
  EXPECT_EQ(Main().Width(), kMainWidthWithPartners);
  EXPECT_TRUE(column.Visible());
}

TEST_F(SettingsWindowTest, CancelAndTheCloseBoxDiscardEdits) {
  Start();
  const std::string before = FileBytes();
  OpenSettings(*program);
  Grid().SetCellText(1, 2, "12");
  OpenSettings(*program);  // already open: no reload
  EXPECT_EQ(Grid().CellText(1, 2), "12");

  Window().Get<ButtonModel>(kSettingsCancelButton).Click();
  EXPECT_EQ(Grid().CellText(1, 2), "7");
  EXPECT_FALSE(Window().Model().Visible());
  EXPECT_TRUE(Main().Enabled());

  OpenSettings(*program);
  Grid().SetCellText(1, 2, "12");
  EXPECT_FALSE(Window().Model().RequestClose());
  EXPECT_FALSE(Window().Model().Visible());
  EXPECT_TRUE(Main().Enabled());
  EXPECT_EQ(Grid().CellText(1, 2), "7");
  EXPECT_EQ(FileBytes(), before);
}

TEST_F(SettingsWindowTest, SelectAllTicksOrUnticksTheRunBoxesThatHaveAType) {
  Start();
  ClickSettingsCheckBox(*program, 9, 3);
  EXPECT_EQ(Grid().CellText(9, 3), kUnticked);
  for (int row = 1; row <= 4; ++row) EXPECT_EQ(Grid().CellText(row, 3), kUnticked) << row;
  for (int row = 5; row <= 8; ++row) EXPECT_EQ(Grid().CellText(row, 3), "") << row;
  EXPECT_EQ(Grid().CellText(1, 0), kTicked);

  ClickSettingsCheckBox(*program, 2, 3);
  EXPECT_EQ(Grid().CellText(2, 3), kTicked);
  ClickSettingsCheckBox(*program, 9, 3);
  for (int row = 1; row <= 4; ++row) EXPECT_EQ(Grid().CellText(row, 3), kTicked) << row;
  for (int row = 5; row <= 8; ++row) EXPECT_EQ(Grid().CellText(row, 3), "") << row;
}

TEST_F(SettingsWindowTest, TypeCellsShowTheirEntryAsAHintAndCannotBeEdited) {
  Start();
  const struct {
    int row, column;
    std::string hint;
  } cases[] = {
      {1, 1, "[二码极限]默认期数：7"},
      {8, 1, "[九码极限]默认期数：2"},
      {2, 4, "[六码走势]默认期数：3"},
      {4, 4, "[天空九码]默认期数：0"},
      {5, 4, ""},  // no type in this row
      {1, 7, ""},  // the third group has no hint
      {1, 2, ""},
  };
  for (const auto& c : cases) {
    Grid().SetCurrentCell(c.row, c.column);
    EXPECT_EQ(Grid().ToolTip(), c.hint) << c.row << "," << c.column;
  }
  EXPECT_FALSE(SettingsCellEditable(3, 1));
  EXPECT_FALSE(SettingsCellEditable(3, 4));
  EXPECT_FALSE(SettingsCellEditable(3, 7));
  EXPECT_TRUE(SettingsCellEditable(3, 2));
  EXPECT_TRUE(SettingsCellEditable(3, 0));
}

}  // namespace
}  // namespace pk
