#include "plans/bet_plan.h"

#include <cmath>

#include "app/platform.h"
#include "app/ui/button_model.h"
#include "app/ui/combo_model.h"
#include "app/ui/edit_model.h"
#include "app/ui/report_list_model.h"
#include "app/ui/ui_registry.h"
#include "app/ui/ui_window.h"
#include "base/numbers.h"

namespace pk {

namespace {

constexpr int kTotalColumn = 3;  // "总投金额"

// Cuts toward zero. Kept in double rather than a 32-bit integer: a steep factor over
// many periods passes 2^31, where a 32-bit multiplier would turn into nonsense.
double Whole(double value) { return std::trunc(value); }

}  // namespace

void GenerateBetPlan(Program& program) {
  UiWindow& main = program.ui().Window("MainWindow");
  auto& list = main.Get<ReportListModel>("模式框");
  const auto& factorBox = main.Get<EditModel>("倍数框");
  const auto& stakeBox = main.Get<EditModel>("单注金额框");

  list.DeleteAll();
  // The window starts with items chosen and the lists offer no way back to none.
  const int periods = main.Get<ComboModel>("期数").SelectedValue().value_or(1);
  if (factorBox.Text().empty()) {
    program.platform.ShowMessage("倍数不能为空!", "", MessageButtons::Ok);
    return;
  }
  const std::string stakeText = stakeBox.Text();
  if (stakeText.empty()) {
    program.platform.ShowMessage("请输入单注金额", "", MessageButtons::Ok);
    return;
  }
  const int numbers = main.Get<ComboModel>("号数").SelectedValue().value_or(1);
  const double stake = TextToNumber(stakeText);
  const double base = Whole(stake * numbers);
  const double win = Whole(stake * 10);

  double multiplier = 1;
  int period = 1;
  do {
    const int item = list.InsertItem();
    const std::string bet = NumberToText(base * multiplier);
    double total, profit;
    if (period == 1) {
      total = base;
      profit = win - base;
    } else {
      const double s = Whole(TextToNumber(bet));
      const double t = Whole(TextToNumber(list.ItemText(item - 1, kTotalColumn)));
      total = s + t;
      profit = win * multiplier - s - t;
    }
    list.SetItemTexts(item, {NumberToText(period), NumberToText(multiplier), bet, NumberToText(total), NumberToText(profit)});
    const double factor = TextToNumber(factorBox.Text());
    ++period;
    multiplier = Whole(multiplier * factor);
  } while (period <= periods);
}

void ConnectBetPlan(Program& program) {
  UiWindow& main = program.ui().Window("MainWindow");
  main.Get<ButtonModel>("按钮_生成").OnClick([&program] { GenerateBetPlan(program); });
  auto& box = main.Get<ReportListModel>("推荐框");
  main.Get<ButtonModel>("单选框_推荐").OnClick([&box] { box.RaiseToTop(); });
  main.Get<ButtonModel>("单选框_计算").OnClick([&box] { box.LowerToBottom(); });
}

}  // namespace pk
