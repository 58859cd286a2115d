#include "app/ui/main_window_controls.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/ui/ui_models.h"

namespace pk {
namespace {

using Texts = std::vector<std::string>;

class MainWindowTest : public testing::Test {
 protected:
  MainWindowTest() : window(CreateMainWindow(registry)) {}

  Texts Row(const std::string& grid_name, int row) const {
    const auto& grid = window.Get<GridModel>(grid_name);
    Texts texts;
    for (int c = 0; c < grid.ColumnCount(); ++c) texts.push_back(grid.CellText(row, c));
    return texts;
  }

  UiRegistry registry;
  UiWindow& window;
};

TEST_F(MainWindowTest, GridHeadersCellByCell) {
  const Texts kill_header = {"期号", "冠", "一", "二", "三", "四", "五", "六", "七", "八", "九", "十", "结果"};
  const struct {
    const char* grid;
    Texts header;
  } cases[] = {
      {"高级表格_走势二", {"期数", "奖号", "小", "大", "边", "中", "单", "双", "质", "合"}},
      {"高级表格_热码", {"百期热码", "01", "02", "03", "04", "05", "06", "07", "08", "09", "10"}},
      {"高级表格_杀一码", kill_header},
      {"高级表格_九码二", kill_header},
      {"高级表格_天空AB跳", {"期号", "号码组合", "奖号", "结果", "备注"}},
      {"高级表格_天空八码", {"期号", "号码组合", "奖号", "结果"}},
      {"高级表格_天空杀一码", {"期号", "号码组合", "奖号", "结果"}},
  };
  for (const auto& c : cases) EXPECT_EQ(Row(c.grid, 0), c.header) << c.grid;
  // Plan grids start with the header row alone; the hot-number grid has its class row.
  EXPECT_EQ(window.Get<GridModel>("高级表格_杀一码").RowCount(), 1);
  EXPECT_EQ(window.Get<GridModel>("高级表格_天空AB跳").RowCount(), 1);
  EXPECT_EQ(window.Get<GridModel>("高级表格_热码").RowCount(), 2);
}

TEST_F(MainWindowTest, OneCodeOmissionGridLayout) {
  const auto& grid = window.Get<GridModel>("高级表格_一码遗漏");
  EXPECT_EQ(grid.RowCount(), 9);
  EXPECT_EQ(Row("高级表格_一码遗漏", 1), (Texts{"号码", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}));
  EXPECT_EQ(Row("高级表格_一码遗漏", 6), (Texts{"位置", "一", "二", "三", "四", "五", "六", "七", "八", "九", "十"}));
  const Texts column0 = {"各号码冠军位遗漏统计表", "号码", "遗漏极限", "当前遗漏", "", "各位置冠军位遗漏统计表",
                         "位置", "遗漏极限", "当前遗漏"};
  for (int r = 0; r < 9; ++r) EXPECT_EQ(grid.CellText(r, 0), column0[r]) << "row " << r;
  EXPECT_EQ(grid.MergedRanges(), (std::vector<CellRange>{{0, 0, 0, 10}, {4, 0, 4, 10}, {5, 0, 5, 10}}));
  EXPECT_EQ(grid.ColumnWidth(0), 87);
  EXPECT_EQ(grid.Alignment(8, 10), Align::Centre);
}

TEST_F(MainWindowTest, GridWidthsAndAlignment) {
  const auto& kill = window.Get<GridModel>("高级表格_九码二");
  EXPECT_EQ(kill.ColumnWidth(0), 55);
  EXPECT_EQ(kill.ColumnWidth(12), 32);
  EXPECT_EQ(kill.Alignment(150, 7), Align::Centre);  // every cell, also rows added later
  const auto& jumps = window.Get<GridModel>("高级表格_天空AB跳");
  EXPECT_EQ(jumps.ColumnWidth(0), 65);
  EXPECT_EQ(jumps.ColumnWidth(1), 60);
  EXPECT_FALSE(jumps.ColumnWidth(2).has_value());
  EXPECT_EQ(jumps.ColumnWidth(4), 150);
  const auto& attributes = window.Get<GridModel>("高级表格_走势二");
  EXPECT_EQ(attributes.ColumnWidth(0), 49);
  EXPECT_EQ(attributes.Alignment(0, 0), Align::Left);
  EXPECT_EQ(attributes.Alignment(0, 9), Align::Centre);
  EXPECT_EQ(attributes.Alignment(1, 5), Align::Left);
}

TEST_F(MainWindowTest, ReportListColumns) {
  EXPECT_EQ(window.Get<ReportListModel>("推荐框").Columns(),
            (std::vector<ListColumn>{{"号码组", 105, Align::Left},
                                     {"极限", 36, Align::Right},
                                     {"当前", 36, Align::Right},
                                     {"离散", 36, Align::Right},
                                     {"备注", 165, Align::Left}}));
  const std::vector<ListColumn> extreme = {
      {"号码组", 65, Align::Left}, {"极限值", 65, Align::Right}, {"当前值", 65, Align::Right}, {"离极限", 65, Align::Right}};
  for (const char* size : {"二", "三", "四", "五", "六", "七", "八", "九"})
    EXPECT_EQ(window.Get<ReportListModel>(std::string("极限") + size + "码列表框").Columns(), extreme) << size;
  Texts bet;
  for (const ListColumn& column : window.Get<ReportListModel>("模式框").Columns()) bet.push_back(column.caption);
  EXPECT_EQ(bet, (Texts{"期数", "倍数", "投注金额", "总投金额", "盈利"}));
}

TEST_F(MainWindowTest, TabsMenusAndPlacement) {
  EXPECT_EQ(window.Get<TabModel>("总选择夹").Tabs().size(), 9u);
  const Texts main_tabs = window.Get<TabModel>("总选择夹").Tabs();
  EXPECT_EQ((Texts{main_tabs[0], main_tabs[1], main_tabs[2], main_tabs[3]}), (Texts{"遗漏", "组合遗漏极限", "七码", "天空"}));
  EXPECT_EQ((Texts(main_tabs.begin() + 5, main_tabs.end())), (Texts{"九码一", "九码二", "热码", "走势"}));
  EXPECT_EQ(window.Get<TabModel>("极限选择夹").Tabs(), (Texts{"一码", "三码", "四码", "五码", "六码", "七码", "八码", "二九码"}));
  EXPECT_EQ(window.Get<TabModel>("七码选择夹").Tabs(), (Texts{"（一）", "（二）", "（三）", "（四）"}));
  EXPECT_EQ(window.Get<TabModel>("天空选择夹").Tabs(), (Texts{"七码", "（一）", "AB跳打法", "平投"}));
  EXPECT_EQ(window.Get<TabModel>("高级选择夹2").Tabs(), (Texts{"奖号", "跨度"}));
  EXPECT_EQ(window.Get<TabModel>("天空选择夹").Width(), window.Get<TabModel>("极限选择夹").Width());

  EXPECT_EQ(window.Menus(), (std::vector<MenuDescription>{{"文件", {"锁定", "退出"}},
                                                          {"查看", {"日志记录", "配置选项"}},
                                                          {"操作", {"演算极限"}},
                                                          {"帮助", {"检查更新", "使用帮助", "关于软件"}}}));

  EXPECT_EQ(window.Get<GridModel>("高级表格_一码遗漏").Placement(), "总选择夹/遗漏/极限选择夹/一码");
  EXPECT_EQ(window.Get<ChartModel>("曲线图控件_跨度").Placement(), "总选择夹/走势/高级选择夹2/跨度");
  EXPECT_EQ(window.Get<GridModel>("高级表格_天空AB跳").Placement(), "总选择夹/天空/天空选择夹/AB跳打法");
  // Every visible control says where it sits.
  for (const Control* control : window.Controls()) {
    const bool placeless = control->Kind() == ControlKind::Timer || control->Kind() == ControlKind::TrayIcon ||
                           control->Kind() == ControlKind::Balloon || control->Kind() == ControlKind::Tooltip;
    EXPECT_EQ(control->Placement().empty(), placeless) << control->Name();
  }
}

TEST_F(MainWindowTest, InitialStateOfTheOtherControls) {
  EXPECT_EQ(window.Model().Caption(), kMainWindowTitle);
  EXPECT_EQ(window.Model().Width(), 789);
  for (const char* timer : {"时钟_温馨提示", "时钟_倒计时", "时钟_托盘图标闪动"})
    EXPECT_EQ(window.Get<TimerModel>(timer).Period(), 0) << timer;

  const auto& numbers = window.Get<ComboModel>("号数");
  EXPECT_EQ(numbers.Items().size(), 9u);
  EXPECT_EQ(numbers.SelectedValue(), 1);
  const auto& periods = window.Get<ComboModel>("期数");
  EXPECT_EQ(periods.Items().size(), 20u);
  EXPECT_EQ(periods.Items().back(), (ComboItem{"20", 20}));
  EXPECT_EQ(periods.SelectedValue(), 10);
  EXPECT_EQ(window.Get<EditModel>("倍数框").Text(), "2");
  EXPECT_EQ(window.Get<EditModel>("单注金额框").Text(), "100");

  const struct {
    const char* name;
    const char* caption;
  } captions[] = {{"按钮_获取数据", "获取"}, {"按钮_自动", "自动"},   {"单选框_冠军", "冠军"},
                  {"单选框_期号", "期号"},   {"按钮_生成", "生成"},   {"单选框_计算", "计算"},
                  {"单选框_推荐", "推荐"},   {"按钮_九码一刷新", "刷新"}};
  for (const auto& c : captions) EXPECT_EQ(window.Get<ButtonModel>(c.name).Caption(), c.caption) << c.name;
  EXPECT_EQ(window.Get<LabelModel>("标签_方式1").Text(), "获取数据");
  EXPECT_EQ(window.Get<LabelModel>("标签_方式2").Text(), "离开奖");
  EXPECT_EQ(window.Get<LabelModel>("透明标签1").Text(), "格式：2013-11-01");
  EXPECT_EQ(window.Get<ChartModel>("柱状图控件1").Title(), "热码数据图");
  EXPECT_EQ(window.Get<ChartModel>("曲线图控件_奖号").Title(), "奖号走势");
  EXPECT_EQ(window.Get<ChartModel>("曲线图控件_跨度").Title(), "跨度走势");
  EXPECT_EQ(window.Get<TrayIconModel>("托盘图标").Menu(), "文件");

  // The fetch mode radios are one group; the bet plan radios another.
  EXPECT_TRUE(window.Get<ButtonModel>("单选框_冠军").Checked());
  window.Get<ButtonModel>("单选框_期号").Click();
  EXPECT_FALSE(window.Get<ButtonModel>("单选框_冠军").Checked());
  EXPECT_TRUE(window.Get<ButtonModel>("单选框_推荐").Checked());

  // The static plan panels keep their captions and zero values.
  EXPECT_EQ(window.Get<LabelModel>("七码面板6_连错比例").Text(), "连错比例：");
  EXPECT_EQ(window.Get<LabelModel>("七码面板6_连错比例_值").Text(), "0");
  EXPECT_EQ(window.Get<LabelModel>("七码面板7_最大连错_值").Text(), "0");
  EXPECT_FALSE(window.Has("七码面板7_连对极限"));
}

}  // namespace
}  // namespace pk
