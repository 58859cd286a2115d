#include "settings/settings_window.h"

#include <optional>
#include <string>
#include <vector>

#include "app/program.h"
#include "app/ui/main_window_controls.h"
#include "app/ui/ui_models.h"
#include "base/ini.h"
#include "settings/settings_file.h"
#include "settings/settings_text.h"

namespace pk {

namespace {

// One group of the grid: its three columns and the entries it shows from row 1 down.
struct SettingsGroup {
  int runColumn, typeColumn, distanceColumn;
  int firstEntry, entryCount;
};
constexpr SettingsGroup kGroups[] = {{0, 1, 2, 0, 8}, {3, 4, 5, 8, 4}, {6, 7, 8, 12, 2}};
constexpr int kHotNumbersEntry = 12;  // "百期热码", always saved as running

const std::vector<std::string> kTypeNames = {"二码遗漏", "三码遗漏", "四码遗漏", "五码遗漏", "六码遗漏",
                                             "七码遗漏", "八码遗漏", "九码遗漏", "走势五码", "走势六码",
                                             "走势七码", "天空九码", "百期热码", "号码走势"};

struct EntryCell {
  const SettingsGroup& group;
  int row;
};

EntryCell CellOfEntry(int entry) {
  for (const SettingsGroup& group : kGroups)
    if (entry < group.firstEntry + group.entryCount) return {group, entry - group.firstEntry + 1};
  return {kGroups[0], 1};
}

UiWindow& SettingsWindow(Program& program) { return program.ui().Window(kSettingsWindow); }
GridModel& SettingsGrid(Program& program) { return SettingsWindow(program).Get<GridModel>(kSettingsGrid); }
WindowModel& MainWindowModel(Program& program) { return program.ui().Window(kMainWindow).Model(); }

// The settings file, or none when the program has no data folder.
std::optional<IniFile> SettingsFile(Program& program) {
  if (program.home.empty()) return std::nullopt;
  return IniFile(SettingsFilePath(program.home));
}

bool Ticked(const GridModel& grid, int row, int column) { return grid.CellText(row, column) == kTicked; }

void SetTicked(GridModel& grid, int row, int column, bool ticked) {
  grid.SetCellText(row, column, ticked ? kTicked : kUnticked);
}

// Ticks every run box of a group's column that has a type beside it.
void TickColumn(GridModel& grid, const SettingsGroup& group, bool ticked) {
  for (int row = 1; row < kSelectAllRow; ++row)
    if (!grid.CellText(row, group.typeColumn).empty()) SetTicked(grid, row, group.runColumn, ticked);
}

void FillGrid(GridModel& grid, const SettingsPairs& pairs) {
  for (int entry = 0; entry < kSettingsPairCount; ++entry) {
    const EntryCell cell = CellOfEntry(entry);
    SetTicked(grid, cell.row, cell.group.runColumn, pairs[entry].run == "1");
    grid.SetCellText(cell.row, cell.group.distanceColumn, pairs[entry].distance);
  }
  for (const SettingsGroup& group : kGroups) {
    bool all = true;
    for (int entry = group.firstEntry; entry < group.firstEntry + group.entryCount; ++entry)
      all = all && pairs[entry].run == "1";
    SetTicked(grid, kSelectAllRow, group.runColumn, all);
  }
}

void ShowPartnerLinks(Program& program, bool shown) {
  MainWindowModel(program).SetWidth(shown ? kMainWidthWithPartners : kMainWidthWithoutPartners);
  program.ui().Window(kMainWindow).Get<FrameModel>("外形框2").SetVisible(shown);
}

void HideAndReturnToMain(Program& program) {
  SettingsWindow(program).Model().SetVisible(false);
  WindowModel& main = MainWindowModel(program);
  main.SetEnabled(true);
  main.BringToFront();
}

// A distance cell that would break the layout of the settings text or the file (a comma
// shifts every later pair, a line break cannot be stored) counts as left empty.
bool UsableDistance(const std::string& text) {
  if (text.empty()) return false;
  for (unsigned char c : text)
    if (c == ',' || c < 0x20 || c == 0x7F) return false;
  return true;
}

}  // namespace

bool SettingsCellEditable(int row, int column) { return row > 0 && column != 1 && column != 4 && column != 7; }

UiWindow& CreateSettingsWindow(UiRegistry& registry) {
  UiWindow& window = registry.AddWindow(kSettingsWindow, "配置选项");
  GridModel& grid = window.Add<GridModel>(kSettingsGrid, 10, 10);
  for (const SettingsGroup& group : kGroups) {
    grid.SetCellText(0, group.runColumn, "运行");
    grid.SetCellText(0, group.typeColumn, "类型");
    grid.SetCellText(0, group.distanceColumn, "期数");
    grid.SetColumnWidth(group.typeColumn, 70);
    for (int entry = group.firstEntry; entry < group.firstEntry + group.entryCount; ++entry) {
      const int row = entry - group.firstEntry + 1;
      grid.SetCellText(row, group.typeColumn, kTypeNames[entry]);
      SetTicked(grid, row, group.runColumn, false);
    }
    grid.SetCellText(kSelectAllRow, group.typeColumn, "全选");
    SetTicked(grid, kSelectAllRow, group.runColumn, false);
  }
  window.Add<ButtonModel>(kPartnerLinksBox, ControlKind::CheckBox, "友情链接");
  window.Add<ButtonModel>(kSettingsOkButton, ControlKind::Button, "确定");
  window.Add<ButtonModel>(kSettingsCancelButton, ControlKind::Button, "取消");
  window.Add<LabelModel>("标签1", "运行：勾选后，软件会自动演算对应的极限类型");
  window.Add<LabelModel>("标签2", "期数：当前值离极限值多少期时，软件自动预警本计划类型，并在推荐框中显示");
  window.Add<LabelModel>("标签3", "如果期数为空，将为软件默认值。填写的数值必须为整数！");
  return window;
}

void SetUpSettingsWindow(Program& program) {
  UiWindow& window = CreateSettingsWindow(program.ui());
  window.Get<ButtonModel>(kSettingsOkButton).OnClick([&program] { SaveSettings(program); });
  window.Get<ButtonModel>(kSettingsCancelButton).OnClick([&program] { CancelSettings(program); });
  window.Get<GridModel>(kSettingsGrid).OnCurrentCell([&program](int row, int column) {
    SelectSettingsCell(program, row, column);
  });
  // The window lives for the whole run: closing it is cancelling it, so the main window
  // is never left disabled behind a closed dialog.
  window.Model().OnCloseRequest([&program] {
    CancelSettings(program);
    return false;
  });
  program.ui().Window(kMainWindow).OnMenu("配置选项", [&program] { OpenSettings(program); });
  LoadSettings(program);
}

void LoadSettings(Program& program) {
  const std::optional<IniFile> file = SettingsFile(program);
  const std::string stored = file ? file->Read(kSettingsSection, kConfigureKey) : std::string();
  if (file && stored.empty()) {
    WriteFreshSettingsFile(file->Path(), program.app.BuiltInDataStamp);
  } else if (file && stored.size() < kDefaultSettingsText.size()) {
    // An older, shorter text is replaced in the file; it still governs this run.
    file->Write(kSettingsSection, kConfigureKey, kDefaultSettingsText);
  }

  ApplySettingsText(stored, program.settings, program.distances);
  FillGrid(SettingsGrid(program), SplitSettingsText(stored));

  const std::string links = file ? file->Read(kSettingsSection, kPartnerLinksKey) : std::string();
  const bool shown = links.empty() || links == "1";
  SettingsWindow(program).Get<ButtonModel>(kPartnerLinksBox).SetChecked(shown);
  ShowPartnerLinks(program, shown);
}

void SaveSettings(Program& program) {
  HideAndReturnToMain(program);
  GridModel& grid = SettingsGrid(program);

  SettingsPairs pairs;
  for (int entry = 0; entry < kSettingsPairCount; ++entry) {
    const EntryCell cell = CellOfEntry(entry);
    if (entry == kHotNumbersEntry) SetTicked(grid, cell.row, cell.group.runColumn, true);
    pairs[entry].run = Ticked(grid, cell.row, cell.group.runColumn) ? "1" : "0";
    const std::string typed = grid.CellText(cell.row, cell.group.distanceColumn);
    if (UsableDistance(typed)) {
      pairs[entry].distance = typed;
    } else if (entry < kAlertDistanceCount) {
      pairs[entry].distance = program.settings.entries[entry].distance;  // keeps the previous distance
    }
  }

  const std::string text = JoinSettingsText(pairs);
  ApplySettingsText(text, program.settings, program.distances);
  const std::optional<IniFile> file = SettingsFile(program);
  if (file) file->Write(kSettingsSection, kConfigureKey, text);

  const bool shown = SettingsWindow(program).Get<ButtonModel>(kPartnerLinksBox).Checked();
  if (file) file->Write(kSettingsSection, kPartnerLinksKey, shown ? "1" : "0");
  ShowPartnerLinks(program, shown);
}

void CancelSettings(Program& program) {
  HideAndReturnToMain(program);
  LoadSettings(program);
}

void OpenSettings(Program& program) {
  WindowModel& window = SettingsWindow(program).Model();
  if (window.Visible()) return;
  window.Show();
  MainWindowModel(program).SetEnabled(false);
  LoadSettings(program);
}

void ClickSettingsCheckBox(Program& program, int row, int column) {
  GridModel& grid = SettingsGrid(program);
  for (const SettingsGroup& group : kGroups) {
    if (group.runColumn != column) continue;
    if (row < 1 || row > kSelectAllRow || grid.CellText(row, group.typeColumn).empty()) return;
    const bool ticked = !Ticked(grid, row, column);
    SetTicked(grid, row, column, ticked);
    if (row == kSelectAllRow) TickColumn(grid, group, ticked);
  }
}

void SelectSettingsCell(Program& program, int row, int column) {
  GridModel& grid = SettingsGrid(program);
  std::string hint;
  if (row >= 1 && row <= 8 && (column == 1 || column == 4) && !grid.CellText(row, column).empty()) {
    const int entry = column == 1 ? row - 1 : row + 7;
    if (entry < kAlertDistanceCount) {
      const SettingsEntry& setting = program.settings.entries[entry];
      hint = "[" + setting.name + "]默认期数：" + setting.distance;
    }
  }
  grid.SetToolTip(hint);
}

}  // namespace pk
