#include "app/ui/ui_registry.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "app/ui/ui_models.h"

namespace pk {
namespace {

using Change = std::pair<std::string, std::string>;

// The message of a std::logic_error thrown by f, or "" when none is thrown.
template <class F>
std::string LogicErrorOf(F&& f) {
  try {
    f();
  } catch (const std::logic_error& error) {
    return error.what();
  }
  return "";
}

class UiRegistryTest : public testing::Test {
 protected:
  UiRegistryTest() {
    UiWindow& main = registry.AddWindow("MainWindow", "title");
    main.Add<GridModel>("高级表格_热码", 2, 11);
    main.Add<LabelModel>("标签_倒计时", "点击自动");
    registry.AddWindow("LogWindow", "日志记录").Add<LabelModel>("标签_倒计时");
  }
  UiRegistry registry;
};

TEST_F(UiRegistryTest, TypedAccessFindsControlsPerWindow) {
  registry.Window("MainWindow").Get<GridModel>("高级表格_热码").SetCellText(1, 0, "370");
  EXPECT_EQ(registry.Window("MainWindow").Get<GridModel>("高级表格_热码").CellText(1, 0), "370");
  // The same name in another window is another control.
  EXPECT_EQ(registry.Window("LogWindow").Get<LabelModel>("标签_倒计时").Text(), "");
  // The base class is a valid kind to ask for.
  EXPECT_EQ(registry.Window("MainWindow").Get<Control>("标签_倒计时").Kind(), ControlKind::Label);
}

TEST_F(UiRegistryTest, MissingNamesAndWrongKindsAreLogicErrorsNamingTheControl) {
  const std::vector<std::pair<std::function<void()>, std::string>> cases = {
      {[&] { registry.Window("MainWindow").Get<GridModel>("高级表格_走势二"); }, "高级表格_走势二"},
      {[&] { registry.Window("MainWindow").Get<LabelModel>("高级表格_热码"); }, "高级表格_热码"},
      {[&] { registry.Window("SettingsWindow"); }, "SettingsWindow"},
      {[&] { registry.Window("MainWindow").Add<LabelModel>("标签_倒计时"); }, "标签_倒计时"},
      {[&] { registry.AddWindow("LogWindow"); }, "LogWindow"},
  };
  for (const auto& [action, name] : cases) {
    const std::string message = LogicErrorOf(action);
    EXPECT_NE(message.find(name), std::string::npos) << "expected an error naming " << name << ", got: " << message;
  }
}

TEST_F(UiRegistryTest, ListenerHearsWindowAndControlAfterEachChange) {
  std::vector<Change> changes;
  auto& grid = registry.Window("MainWindow").Get<GridModel>("高级表格_热码");
  registry.SetChangeListener([&](const std::string& window, const std::string& control) {
    // Called outside the model's lock: reading the model here must not deadlock,
    // and it must already see the change.
    if (control == "高级表格_热码") {
      EXPECT_EQ(grid.CellText(1, 1), "热");
    }
    changes.emplace_back(window, control);
  });

  grid.SetCellText(1, 1, "热");
  registry.Window("LogWindow").Get<LabelModel>("标签_倒计时").SetText("x");
  registry.Window("MainWindow").Model().SetWidth(707);
  EXPECT_EQ(changes, (std::vector<Change>{{"MainWindow", "高级表格_热码"}, {"LogWindow", "标签_倒计时"}, {"MainWindow", ""}}));

  // Controls added after the listener was set are heard too; removing it silences all.
  registry.Window("LogWindow").Add<TimerModel>("时钟1").SetPeriod(600);
  EXPECT_EQ(changes.back(), (Change{"LogWindow", "时钟1"}));
  registry.SetChangeListener(nullptr);
  grid.SetCellText(1, 1, "冷");
  EXPECT_EQ(changes.size(), 4u);
}

TEST_F(UiRegistryTest, ControlsAndMenusKeepCreationOrder) {
  UiWindow& main = registry.Window("MainWindow");
  main.AddMenu({"文件", {"锁定", "退出"}});
  std::vector<std::string> names;
  for (const Control* control : main.Controls()) names.push_back(control->Name());
  EXPECT_EQ(names, (std::vector<std::string>{"高级表格_热码", "标签_倒计时"}));

  bool exited = false;
  main.OnMenu("退出", [&] { exited = true; });
  EXPECT_TRUE(main.ChooseMenu("退出"));
  EXPECT_TRUE(exited);
  EXPECT_FALSE(main.ChooseMenu("锁定"));  // no handler attached
}

}  // namespace
}  // namespace pk
