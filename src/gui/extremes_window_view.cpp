#include "gui/extremes_window_view.h"

#include <QMenuBar>
#include <QTableView>

#include "gui/report_list_adapter.h"
#include "gui/window_view.h"

namespace pk {

namespace {

constexpr char kUpdateBox[] = "top/update";
constexpr char kComputeBox[] = "top/compute";
constexpr char kResultList[] = "超级列表框1";
constexpr char kResultMenu[] = "更新";

// The kinds' check boxes, four to a row as in the window's form.
constexpr const char* kKindBoxes[] = {"选择框_二码",     "选择框_三码",     "选择框_四码",     "选择框_五码",
                                      "选择框_六码",     "选择框_七码",     "选择框_八码",     "选择框_九码",
                                      "选择框_组合五码", "选择框_组合六码", "选择框_组合七码", "选择框_杀一码"};

}  // namespace

LayoutHints ExtremesWindowHints() {
  LayoutHints hints;
  hints.strip_columns = {{kUpdateBox, {0, 0}}, {kComputeBox, {0, 1}}};
  hints.stretching_column = 0;
  hints.framed_areas = {kUpdateBox, kComputeBox};
  for (const char* name : {"透明标签_更新", "按钮_演算极限更新", "进度条_更新数据"}) hints.placements[name] = kUpdateBox;
  hints.cells = {
      {"透明标签_更新", {0, 0, 3}},
      {"按钮_演算极限更新", {0, 3}},
      {"进度条_更新数据", {1, 0, 4}},
  };
  for (int i = 0; i < 12; ++i) {
    hints.placements[kKindBoxes[i]] = kComputeBox;
    hints.cells[kKindBoxes[i]] = {i / 4, i % 4};
  }
  const std::pair<const char*, GridSlot> compute[] = {
      {"选择框_完成后关机", {3, 0, 2}}, {"按钮_开始演算", {3, 2, 2}}, {"透明标签1", {4, 0, 4}},
      {"透明标签2", {5, 0, 3}},        {"透明标签3", {5, 3}},      {"进度条2", {6, 0, 4}},
  };
  for (const auto& [name, slot] : compute) {
    hints.placements[name] = kComputeBox;
    hints.cells[name] = slot;
  }
  hints.placements[kResultList] = "centre";
  return hints;
}

void ConnectExtremesWindow(WindowView& view) {
  // The window's only menu belongs to the result list.
  view.menuBar()->hide();
  if (auto* list = view.AdapterAs<ReportListAdapter>(kResultList)) {
    list->SetContextMenu([&view] { return view.Menu(kResultMenu); });
    // Every visible column in sight without scrolling sideways.
    list->view()->setMinimumWidth(list->FullWidth());
    view.resize(view.sizeHint());
  }
}

}  // namespace pk
