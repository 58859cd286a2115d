// Behaviour of the small models that callers rely on beyond plain storage.
#include <gtest/gtest.h>

#include "app/ui/ui_models.h"

namespace pk {
namespace {

TEST(ModelsTest, RadiosOfAGroupUncheckEachOtherAndClicksRunHandlers) {
  ButtonModel a("a", ControlKind::Radio, "冠军");
  ButtonModel b("b", ControlKind::Radio, "期号");
  ButtonModel::Group({&a, &b});
  int clicks = 0;
  b.OnClick([&] { ++clicks; });

  a.SetChecked(true);
  b.Click();
  EXPECT_FALSE(a.Checked());
  EXPECT_TRUE(b.Checked());
  EXPECT_EQ(clicks, 1);

  // A disabled control ignores the click.
  b.SetEnabled(false);
  a.Click();
  b.Click();
  EXPECT_TRUE(a.Checked());
  EXPECT_FALSE(b.Checked());
  EXPECT_EQ(clicks, 1);

  ButtonModel box("c", ControlKind::CheckBox);
  box.Click();
  EXPECT_TRUE(box.Checked());
  box.Click();
  EXPECT_FALSE(box.Checked());
}

TEST(ModelsTest, StoppedTimerDoesNotTick) {
  TimerModel timer("时钟_倒计时");
  int ticks = 0;
  timer.OnTick([&] {
    ++ticks;
    if (ticks == 2) timer.SetPeriod(0);  // a handler may stop its own timer
  });
  EXPECT_FALSE(timer.Tick());
  timer.SetPeriod(1000);
  EXPECT_TRUE(timer.Tick());
  EXPECT_TRUE(timer.Tick());
  EXPECT_FALSE(timer.Tick());
  EXPECT_EQ(ticks, 2);
}

TEST(ModelsTest, ComboValueIsMissingWithoutAChoice) {
  ComboModel combo("号数");
  combo.SetItems({{"1", 1}, {"2", 2}});
  EXPECT_FALSE(combo.SelectedValue().has_value());
  combo.Select(1);
  EXPECT_EQ(combo.SelectedValue(), 2);
  combo.Select(5);
  EXPECT_FALSE(combo.SelectedValue().has_value());
}

TEST(ModelsTest, ReportListInsertReturnsIndexAndIgnoresWritesOutside) {
  ReportListModel list("推荐框", {{"号码组", 105, Align::Left}, {"备注", 165, Align::Left}});
  EXPECT_EQ(list.InsertItem(), 0);
  EXPECT_EQ(list.InsertItem(), 1);
  EXPECT_EQ(list.InsertItem(0), 0);
  list.SetItemText(1, 1, "二码遗漏");
  list.SetItemText(1, 2, "no such column");
  list.SetItemText(9, 0, "no such item");
  EXPECT_EQ(list.ItemCount(), 3);
  EXPECT_EQ(list.Rows(), (std::vector<std::vector<std::string>>{{"", ""}, {"", "二码遗漏"}, {"", ""}}));
  EXPECT_EQ(list.ItemText(9, 0), "");

  int clicked = -1;
  list.OnColumnClick([&](int column) { clicked = column; });
  list.ClickColumn(1);
  EXPECT_EQ(clicked, 1);
  list.DeleteAll();
  EXPECT_EQ(list.ItemCount(), 0);
}

TEST(ModelsTest, EditAppendKeepsTextAndAsksToScroll) {
  EditModel edit("开奖结果框");
  edit.Append("1 | a\r\n");
  edit.Append("2 | b\r\n");
  EXPECT_EQ(edit.Text(), "1 | a\r\n2 | b\r\n");
  EXPECT_EQ(edit.ScrollToEndRequests(), 2);
}

TEST(ModelsTest, StatusBarAndChartGrowToTheIndexWritten) {
  StatusBarModel bar("状态条1", 2);
  bar.SetPartText(3, "x");
  EXPECT_EQ(bar.Parts(), (std::vector<std::string>{"", "", "", "x"}));
  bar.SetPartText(-1, "ignored");
  EXPECT_EQ(bar.PartCount(), 4);

  ChartModel chart("曲线图控件_奖号", ControlKind::CurveChart, "奖号走势");
  chart.SetValue(2, 7);
  EXPECT_EQ(chart.PointCount(), 3);
  EXPECT_EQ(chart.Points()[2], (ChartPoint{"", 7}));
}

}  // namespace
}  // namespace pk
