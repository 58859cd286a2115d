#include "app/about_window.h"

#include "app/program.h"
#include "app/ui/ui_models.h"
#include "app/version.h"

namespace pk {

namespace {

constexpr const char* kVersionLabel = "标签_版本";
constexpr const char* kVersionPrefix = "版本：";

}  // namespace

UiWindow& CreateAboutWindow(UiRegistry& registry) {
  UiWindow& window = registry.AddWindow(kAboutWindow, kAboutCaption);
  window.Model().SetWidth(300);
  window.Model().SetHeight(170);
  window.Add<LabelModel>("标签_名称", "岚驰PK10演算工具", "about");
  window.Add<LabelModel>(kVersionLabel, kVersionPrefix + ProgramVersionText(), "about");
  window.Add<LabelModel>("标签_说明", "PK10开奖数据的获取、遗漏统计、极限预警与计划演算工具。", "about");
  window.Add<ButtonModel>(kAboutCloseButton, ControlKind::Button, "确定", "about");
  return window;
}

void SetUpAboutWindow(Program& program) {
  UiWindow& window = CreateAboutWindow(program.ui());
  WindowModel& model = window.Model();
  window.Get<ButtonModel>(kAboutCloseButton).OnClick([&model] { model.SetVisible(false); });
}

void ShowAboutWindow(Program& program) {
  UiWindow& window = program.ui().Window(kAboutWindow);
  window.Get<LabelModel>(kVersionLabel).SetText(kVersionPrefix + program.app.ProgramVersion);
  window.Model().Show(true);
}

}  // namespace pk
