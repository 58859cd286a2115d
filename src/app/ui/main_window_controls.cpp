#include "app/ui/main_window_controls.h"

#include <string>
#include <vector>

#include "app/ui/ui_models.h"

namespace pk {

namespace {

using Texts = std::vector<std::string>;

const Texts kChineseOneToTen = {"一", "二", "三", "四", "五", "六", "七", "八", "九", "十"};

// Pages of the main tab control, in order. The fifth carries the partner platform's
// name; the partner links themselves are not part of this window's logic.
const Texts kMainTabs = {"遗漏", "组合遗漏极限", "七码", "天空", "合作平台", "九码一", "九码二", "热码", "走势"};

std::string Page(const std::string& tab, const std::string& page) { return tab + "/" + page; }
const std::string kMainTab = "总选择夹";
const std::string kOmissionPage = Page(kMainTab, "遗漏");
const std::string kExtremesTab = Page(kOmissionPage, "极限选择夹");
const std::string kSevenPage = Page(kMainTab, "七码");
const std::string kSevenTab = Page(kSevenPage, "七码选择夹");
const std::string kSkyPage = Page(kMainTab, "天空");
const std::string kSkyTab = Page(kSkyPage, "天空选择夹");
const std::string kTrendPage = Page(kMainTab, "走势");
const std::string kTrendTab1 = Page(kTrendPage, "高级选择夹1");
const std::string kTrendTab2 = Page(kTrendPage, "高级选择夹2");
const std::string kBetFrame = "top/bet/外形框1";

constexpr int kSubTabWidth = 690;

void AddMenus(UiWindow& window) {
  window.AddMenu({"文件", {"锁定", "退出"}});
  window.AddMenu({"查看", {"日志记录", "配置选项"}});
  window.AddMenu({"操作", {"演算极限"}});
  window.AddMenu({"帮助", {"检查更新", "使用帮助", "关于软件"}});
}

void AddDrawArea(UiWindow& window) {
  window.Add<EditModel>("开奖结果框", "", "top/results");
  window.Add<AnimationModel>("动画框1", "top/animation");

  // Day fetch.
  window.Add<EditModel>("日期框", "", "top/fetch");
  window.Add<ButtonModel>("按钮_获取数据", ControlKind::Button, "获取", "top/fetch");
  auto& champion = window.Add<ButtonModel>("单选框_冠军", ControlKind::Radio, "冠军", "top/fetch");
  auto& period = window.Add<ButtonModel>("单选框_期号", ControlKind::Radio, "期号", "top/fetch");
  ButtonModel::Group({&champion, &period});
  champion.SetChecked(true);
  window.Add<LabelModel>("标签_方式", "方式", "top/fetch");
  window.Add<LabelModel>("标签_方式1", "获取数据", "top/fetch");
  window.Add<LabelModel>("透明标签1", "格式：2013-11-01", "top/fetch");

  // Automatic mode; the countdown label shows the stopped state's text until started.
  window.Add<ButtonModel>("按钮_自动", ControlKind::Button, "自动", "top/auto");
  window.Add<LabelModel>("标签_倒计时", "点击自动", "top/auto");
  window.Add<LabelModel>("标签_方式2", "离开奖", "top/auto");
}

void AddRecommendationArea(UiWindow& window) {
  auto& box = window.Add<ReportListModel>("推荐框",
                                          std::vector<ListColumn>{{"号码组", 105, Align::Left},
                                                                  {"极限", 36, Align::Right},
                                                                  {"当前", 36, Align::Right},
                                                                  {"离散", 36, Align::Right},
                                                                  {"备注", 165, Align::Left}},
                                          "top/recommend");
  // The bet plan list lies under the recommendation box in the same area.
  window.Add<ReportListModel>("模式框",
                              std::vector<ListColumn>{{"期数", 40, Align::Left},
                                                      {"倍数", 60, Align::Left},
                                                      {"投注金额", 90, Align::Left},
                                                      {"总投金额", 90, Align::Left},
                                                      {"盈利", 90, Align::Left}},
                              "top/recommend");
  box.RaiseToTop();
}

std::vector<ComboItem> NumberedItems(int last) {
  std::vector<ComboItem> items;
  for (int i = 1; i <= last; ++i) items.push_back({std::to_string(i), i});
  return items;
}

void AddBetPlanGenerator(UiWindow& window) {
  window.Add<FrameModel>("外形框1", "top/bet");
  window.Add<LabelModel>("标签_号数", "号数：", kBetFrame);
  auto& numbers = window.Add<ComboModel>("号数", kBetFrame);
  numbers.SetItems(NumberedItems(9));
  numbers.Select(0);  // "1"
  window.Add<LabelModel>("标签_期数", "期数：", kBetFrame);
  auto& periods = window.Add<ComboModel>("期数", kBetFrame);
  periods.SetItems(NumberedItems(20));
  periods.Select(9);  // "10"
  window.Add<LabelModel>("标签_倍数", "倍数：", kBetFrame);
  window.Add<EditModel>("倍数框", "2", kBetFrame);
  window.Add<LabelModel>("标签_单注金额", "单注金额：", kBetFrame);
  window.Add<EditModel>("单注金额框", "100", kBetFrame);
  window.Add<ButtonModel>("按钮_生成", ControlKind::Button, "生成", kBetFrame);
  auto& compute = window.Add<ButtonModel>("单选框_计算", ControlKind::Radio, "计算", kBetFrame);
  auto& recommend = window.Add<ButtonModel>("单选框_推荐", ControlKind::Radio, "推荐", kBetFrame);
  ButtonModel::Group({&compute, &recommend});
  recommend.SetChecked(true);  // the recommendation box is on top at start
}

TabModel& AddTab(UiWindow& window, const std::string& name, const Texts& tabs, const std::string& placement,
                 int width) {
  auto& tab = window.Add<TabModel>(name, tabs, placement);
  tab.SetWidth(width);
  return tab;
}

GridModel& AddGrid(UiWindow& window, const std::string& name, int rows, const Texts& header,
                   const std::string& placement) {
  auto& grid = window.Add<GridModel>(name, rows, static_cast<int>(header.size()), placement);
  grid.SetRowTexts(0, 0, header);
  return grid;
}

// Header of the kill-number plan grids: period, champion, one column per plan, result.
Texts KillPlanHeader() {
  Texts header = {"期号", "冠"};
  header.insert(header.end(), kChineseOneToTen.begin(), kChineseOneToTen.end());
  header.push_back("结果");
  return header;
}

void AddKillPlanGrid(UiWindow& window, const std::string& name, const std::string& placement) {
  auto& grid = AddGrid(window, name, 1, KillPlanHeader(), placement);
  grid.SetColumnWidth(0, 55);
  grid.SetColumnWidth(12, 32);
  grid.SetAlignment(kAllCells, Align::Centre);
}

// The number and position omission table: two blocks of title, heading row,
// extreme row and current row, with a merged spacer row between them.
void AddOneCodeOmissionGrid(UiWindow& window, const std::string& placement) {
  auto& grid = window.Add<GridModel>("高级表格_一码遗漏", 9, 11, placement);
  Texts numbers = {"号码"};
  for (int i = 1; i <= 10; ++i) numbers.push_back(std::to_string(i));
  Texts positions = {"位置"};
  positions.insert(positions.end(), kChineseOneToTen.begin(), kChineseOneToTen.end());

  grid.SetCellText(0, 0, "各号码冠军位遗漏统计表");
  grid.SetRowTexts(1, 0, numbers);
  grid.SetCellText(2, 0, "遗漏极限");
  grid.SetCellText(3, 0, "当前遗漏");
  grid.SetCellText(5, 0, "各位置冠军位遗漏统计表");
  grid.SetRowTexts(6, 0, positions);
  grid.SetCellText(7, 0, "遗漏极限");
  grid.SetCellText(8, 0, "当前遗漏");
  for (int row : {0, 4, 5}) grid.Merge({row, 0, row, 10});
  grid.SetColumnWidth(0, 87);
  grid.SetAlignment({0, 0, 10, 12}, Align::Centre);
}

std::vector<ListColumn> ExtremeListColumns() {
  return {{"号码组", 65, Align::Left}, {"极限值", 65, Align::Right}, {"当前值", 65, Align::Right},
          {"离极限", 65, Align::Right}};
}

void AddOmissionPage(UiWindow& window) {
  AddTab(window, "极限选择夹", {"一码", "三码", "四码", "五码", "六码", "七码", "八码", "二九码"}, kOmissionPage,
         kSubTabWidth);
  AddOneCodeOmissionGrid(window, Page(kExtremesTab, "一码"));
  for (const char* size : {"三", "四", "五", "六", "七", "八"}) {
    std::string page = std::string(size) + "码";
    window.Add<ReportListModel>("极限" + page + "列表框", ExtremeListColumns(), Page(kExtremesTab, page));
  }
  // The last page holds the nine-code list above the two-code list.
  window.Add<ReportListModel>("极限九码列表框", ExtremeListColumns(), Page(kExtremesTab, "二九码/upper"));
  window.Add<ReportListModel>("极限二码列表框", ExtremeListColumns(), Page(kExtremesTab, "二九码/lower"));
}

// Columns of the seven-code plan lists, which no part of the program fills.
std::vector<ListColumn> SevenCodeListColumns() {
  return {{"期号", 60, Align::Left}, {"计划号码", 80, Align::Left}, {"开奖号码", 60, Align::Left},
          {"结果", 40, Align::Left}};
}

// A static statistics panel beside a seven-code list: a caption label per entry and,
// for every entry but "%", a value label showing "0". Names: "七码面板<n>_<entry>" and
// "七码面板<n>_<entry>_值".
void AddStatisticsPanel(UiWindow& window, int list, const Texts& captions, const std::string& placement) {
  const std::string prefix = "七码面板" + std::to_string(list) + "_";
  for (const std::string& caption : captions) {
    const bool percent = caption == "%";
    const std::string entry = percent ? "百分号" : caption.substr(0, caption.size() - std::string("：").size());
    window.Add<LabelModel>(prefix + entry, caption, placement);
    if (!percent) window.Add<LabelModel>(prefix + entry + "_值", "0", placement);
  }
}

const Texts kFullPanel = {"计划期数：", "对：",       "胜率：",     "%",          "当前连对：", "当前连错：",
                          "最大连对：", "最大连错：", "连对极限：", "连错极限：", "连对比例：", "连错比例："};
const Texts kSmallPanel = {"计划期数：", "对：", "胜率：", "%", "当前连对：", "当前连错：", "最大连对：", "最大连错："};

void AddSevenCodePage(UiWindow& window) {
  const Texts pages = {"（一）", "（二）", "（三）", "（四）"};
  AddTab(window, "七码选择夹", pages, kSevenPage, kSubTabWidth);
  // Six lists on four pages: two each on the first two, one each on the others.
  const int page_of_list[] = {0, 0, 1, 1, 2, 3};
  for (int list = 1; list <= 6; ++list) {
    const std::string page = Page(kSevenTab, pages[page_of_list[list - 1]]);
    window.Add<ReportListModel>("七码列表框" + std::to_string(list), SevenCodeListColumns(), page);
    AddStatisticsPanel(window, list, kFullPanel, Page(page, "面板" + std::to_string(list)));
  }
}

void AddSkyPage(UiWindow& window) {
  AddTab(window, "天空选择夹", {"七码", "（一）", "AB跳打法", "平投"}, kSkyPage, kSubTabWidth);
  const std::string seven = Page(kSkyTab, "七码");
  window.Add<ReportListModel>("七码列表框7", SevenCodeListColumns(), seven);
  AddStatisticsPanel(window, 7, kSmallPanel, Page(seven, "面板7"));

  const Texts sky_header = {"期号", "号码组合", "奖号", "结果"};
  AddGrid(window, "高级表格_天空杀一码", 1, sky_header, Page(kSkyTab, "（一）"));
  auto& jumps = AddGrid(window, "高级表格_天空AB跳", 1, {"期号", "号码组合", "奖号", "结果", "备注"},
                        Page(kSkyTab, "AB跳打法"));
  jumps.SetColumnWidth(0, 65);
  jumps.SetColumnWidth(1, 60);
  jumps.SetColumnWidth(4, 150);
  AddGrid(window, "高级表格_天空八码", 1, sky_header, Page(kSkyTab, "平投"));
}

void AddKillPlanPages(UiWindow& window) {
  const std::string nine_one = Page(kMainTab, "九码一");
  AddKillPlanGrid(window, "高级表格_杀一码", nine_one);
  window.Add<ButtonModel>("按钮_九码一刷新", ControlKind::Button, "刷新", nine_one);
  AddKillPlanGrid(window, "高级表格_九码二", Page(kMainTab, "九码二"));
}

void AddHotPage(UiWindow& window) {
  const std::string page = Page(kMainTab, "热码");
  Texts header = {"百期热码"};
  for (int n = 1; n <= 10; ++n) header.push_back(n < 10 ? "0" + std::to_string(n) : "10");
  auto& grid = AddGrid(window, "高级表格_热码", 2, header, page);
  grid.SetColumnWidth(0, 105);
  grid.SetAlignment({0, 0, 3, 11}, Align::Centre);
  window.Add<ChartModel>("柱状图控件1", ControlKind::BarChart, "热码数据图", page);
  const std::vector<ListColumn> hot_columns = {{"号码", 50, Align::Left}, {"次数", 50, Align::Right}};
  window.Add<ReportListModel>("热码列表框", hot_columns, page);
  window.Add<ReportListModel>("热码列表框1", hot_columns, page);
}

void AddTrendPage(UiWindow& window) {
  AddTab(window, "高级选择夹1", {"属性走势", "走势三"}, kTrendPage, kSubTabWidth);
  auto& attributes = AddGrid(window, "高级表格_走势二", 1, {"期数", "奖号", "小", "大", "边", "中", "单", "双", "质", "合"},
                             Page(kTrendTab1, "属性走势"));
  attributes.SetColumnWidth(0, 49);
  attributes.SetAlignment({0, 1, 0, 9}, Align::Centre);
  window.Add<GridModel>("走势3高级表格", 1, 10, Page(kTrendTab1, "走势三"));

  AddTab(window, "高级选择夹2", {"奖号", "跨度"}, kTrendPage, kSubTabWidth);
  window.Add<ChartModel>("曲线图控件_奖号", ControlKind::CurveChart, "奖号走势", Page(kTrendTab2, "奖号"));
  window.Add<ChartModel>("曲线图控件_跨度", ControlKind::CurveChart, "跨度走势", Page(kTrendTab2, "跨度"));
}

void AddWindowParts(UiWindow& window) {
  window.Add<StatusBarModel>("状态条1", 2, "bottom/status");
  window.Add<FrameModel>("外形框2", "right/partners");
  window.Add<TimerModel>(kTipTimer);
  window.Add<TimerModel>("时钟_倒计时");
  window.Add<TimerModel>(kTrayFlashTimer);
  window.Add<TrayIconModel>(kTrayIcon, "文件");
  window.Add<BalloonModel>("气球提示框1");
  window.Add<TooltipModel>("提示框1");
}

}  // namespace

UiWindow& CreateMainWindow(UiRegistry& registry) {
  UiWindow& window = registry.AddWindow(kMainWindow, kMainWindowTitle);
  WindowModel& model = window.Model();
  model.SetWidth(kMainWidthWithPartners);
  model.SetHeight(560);
  AddMenus(window);

  AddDrawArea(window);
  AddRecommendationArea(window);
  AddBetPlanGenerator(window);

  AddTab(window, kMainTab, kMainTabs, "centre", 700);
  AddOmissionPage(window);
  AddSevenCodePage(window);
  AddSkyPage(window);
  AddKillPlanPages(window);
  AddHotPage(window);
  AddTrendPage(window);

  AddWindowParts(window);
  model.Show();
  return window;
}

}  // namespace pk
