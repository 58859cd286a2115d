#include "app/ui/ui_dump.h"

#include <gtest/gtest.h>

#include "app/ui/ui_models.h"

namespace pk {
namespace {

TEST(UiDumpTest, EachKindHasItsShape) {
  UiRegistry registry;
  UiWindow& window = registry.AddWindow("MainWindow", "『岚驰』PK10演算工具 V1.0.1.90");
  auto& grid = window.Add<GridModel>("高级表格_走势二", 2, 3);
  grid.SetRowTexts(0, 0, {"期数", "奖号", "小"});
  grid.SetRowTexts(1, 0, {"1", "03", "小"});
  grid.SetBackColour(1, 2, kGreen);
  grid.SetTextColour(0, 0, kBlack);
  auto& list = window.Add<ReportListModel>("推荐框", std::vector<ListColumn>{{"号码组", 105, Align::Left}, {"备注", 165, Align::Left}});
  list.SetItemTexts(list.InsertItem(), {"370", "百期热码"});
  auto& chart = window.Add<ChartModel>("柱状图控件1", ControlKind::BarChart, "热码数据图");
  chart.SetPoint(0, "01", 12);
  chart.SetPoint(1, "02", 2.5);
  auto& button = window.Add<ButtonModel>("按钮_自动", ControlKind::Button, "自动");
  button.SetEnabled(false);
  window.Add<ButtonModel>("单选框_冠军", ControlKind::Radio, "冠军").SetChecked(true);
  window.Add<LabelModel>("标签_倒计时", "279 秒");
  window.Add<EditModel>("倍数框", "2");
  window.Add<TimerModel>("时钟_倒计时", 1000);
  window.Add<BalloonModel>("气球提示框1").Show(924, 728, "结果：05");
  window.Add<StatusBarModel>("状态条1", 2).SetPartText(1, "tip");
  window.Add<TrayIconModel>("托盘图标", "文件").Add(kProgramIcon, "岚驰PK10演算工具");

  const nlohmann::ordered_json dump = DumpWindowsJson(registry);
  const auto& main = dump.at("MainWindow");
  EXPECT_EQ(main.at("caption"), "『岚驰』PK10演算工具 V1.0.1.90");
  const auto& controls = main.at("controls");
  EXPECT_EQ(controls.begin().key(), "高级表格_走势二");  // creation order

  EXPECT_EQ(controls.at("高级表格_走势二"), nlohmann::ordered_json::parse(R"({
      "kind": "grid", "rows": [["期数", "奖号", "小"], ["1", "03", "小"]],
      "bg": {"1,2": 65280}, "fg": {"0,0": 0}})"));
  EXPECT_EQ(controls.at("推荐框"), nlohmann::ordered_json::parse(R"({"kind": "list", "rows": [["370", "百期热码"]]})"));
  EXPECT_EQ(controls.at("柱状图控件1").at("points"), nlohmann::ordered_json::parse(R"([["01", 12], ["02", 2.5]])"));
  EXPECT_EQ(controls.at("柱状图控件1").at("kind"), "chart");
  EXPECT_EQ(controls.at("按钮_自动"), nlohmann::ordered_json::parse(
                                         R"({"kind": "button", "text": "自动", "enabled": false, "visible": true, "checked": false})"));
  EXPECT_EQ(controls.at("单选框_冠军").at("checked"), true);
  EXPECT_EQ(controls.at("标签_倒计时").at("text"), "279 秒");
  EXPECT_EQ(controls.at("倍数框").at("text"), "2");
  EXPECT_EQ(controls.at("时钟_倒计时"), nlohmann::ordered_json::parse(R"({"kind": "timer", "period": 1000})"));
  EXPECT_EQ(controls.at("气球提示框1").at("shown"), nlohmann::ordered_json::parse(R"(["结果：05"])"));
  EXPECT_EQ(controls.at("状态条1").at("parts"), nlohmann::ordered_json::parse(R"(["", "tip"])"));
  EXPECT_EQ(controls.at("托盘图标").at("present"), true);
  EXPECT_EQ(controls.at("托盘图标").at("tip"), "岚驰PK10演算工具");
}

}  // namespace
}  // namespace pk
