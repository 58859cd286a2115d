// The screen lock: choosing a password, locking at once the second time, unlocking, the
// dialog's two layouts, Enter in each field, the windows hidden, and the lock without a
// system tray.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "acquire/help_window.h"
#include "app/about_window.h"
#include "app/main_window_behaviour.h"
#include "app/program.h"
#include "app/recording_platform.h"
#include "app/ui/main_window_controls.h"
#include "app/ui/ui_models.h"
#include "settings/lock_window.h"
#include "settings/settings_window.h"
#include "stats/log_window.h"

namespace pk {
namespace {

struct LockTest : testing::Test {
  RecordingPlatform platform;
  Program program{platform, ""};
  UiWindow& main = program.ui().Window(kMainWindow);
  UiWindow& dialog = program.ui().Window(kLockWindow);
  EditModel& password = dialog.Get<EditModel>(kLockPasswordEdit);
  EditModel& confirmation = dialog.Get<EditModel>(kLockConfirmEdit);
  ButtonModel& confirm = dialog.Get<ButtonModel>(kLockConfirmButton);
  ButtonModel& cancel = dialog.Get<ButtonModel>(kLockCancelButton);

  LockTest() { main.Model().Show(); }

  void Type(const std::string& first, const std::string& second) {
    password.SetText(first);
    confirmation.SetText(second);
  }
  // Locks with a freshly chosen password through the menu and the dialog.
  void LockWith(const std::string& chosen) {
    main.ChooseMenu("锁定");
    Type(chosen, chosen);
    confirm.Click();
  }
  bool Locked() const { return program.app.Locked != 0; }
  std::vector<std::string> MessageTexts() const {
    std::vector<std::string> texts;
    for (const auto& message : platform.Messages()) texts.push_back(message.text);
    return texts;
  }
};

TEST_F(LockTest, ChoosingAPasswordChecksBothFieldsBeforeLocking) {
  struct Case {
    const char* first;
    const char* second;
    const char* message;
    MessageIcon icon;
  };
  const Case refused[] = {
      {"", "", "密码不能为空！", MessageIcon::Error},
      {"abc", "", "密码不能为空！", MessageIcon::Error},
      {"", "abc", "密码不能为空！", MessageIcon::Error},
      {"abc", "abd", "两次输入的密码不同！", MessageIcon::Warning},
      {"abc", "ABC", "两次输入的密码不同！", MessageIcon::Warning},
  };
  main.ChooseMenu("锁定");
  EXPECT_TRUE(dialog.Model().Visible());
  EXPECT_TRUE(dialog.Model().Modal());
  for (const Case& c : refused) {
    Type(c.first, c.second);
    confirm.Click();
    ASSERT_FALSE(platform.Messages().empty());
    EXPECT_EQ(platform.Messages().back().text, c.message) << c.first << "/" << c.second;
    EXPECT_EQ(platform.Messages().back().icon, c.icon);
    EXPECT_TRUE(dialog.Model().Visible());
    EXPECT_FALSE(Locked());
    EXPECT_EQ(program.app.LockPassword, "");
    EXPECT_TRUE(main.Model().Visible());
  }

  Type("Secret", "Secret");
  confirm.Click();
  EXPECT_TRUE(Locked());
  EXPECT_EQ(program.app.LockPassword, "Secret");
  EXPECT_FALSE(main.Model().Visible());
  EXPECT_FALSE(dialog.Model().Visible());
  EXPECT_EQ(platform.Messages().size(), std::size(refused));
}

TEST_F(LockTest, TheDialogHasTheChoosingLayoutWithoutAPasswordAndTheUnlockLayoutWithOne) {
  main.ChooseMenu("锁定");
  EXPECT_EQ(dialog.Model().Caption(), "锁定");
  EXPECT_EQ(dialog.Model().Width(), 180);
  EXPECT_EQ(dialog.Model().Height(), 130);
  EXPECT_EQ(confirm.Caption(), "锁定");
  EXPECT_TRUE(password.Masked() && confirmation.Masked());
  const ControlGeometry formConfirmation = *confirmation.Geometry();
  EXPECT_LT(formConfirmation.top + formConfirmation.height, 130);

  Type("pw", "pw");
  confirm.Click();
  main.ChooseMenu("锁定");  // locked: the unlock dialog
  EXPECT_EQ(dialog.Model().Caption(), "解锁");
  EXPECT_EQ(dialog.Model().Width(), 210);
  EXPECT_EQ(dialog.Model().Height(), 70);
  EXPECT_EQ(confirm.Caption(), "解锁");
  EXPECT_EQ(confirm.Geometry()->left, 144);
  EXPECT_EQ(confirm.Geometry()->top, 11);
  EXPECT_EQ(confirmation.Geometry()->top, 75);
  EXPECT_EQ(dialog.Get<LabelModel>(kLockConfirmLabel).Geometry()->top, 75);
  EXPECT_EQ(confirmation.Geometry()->left, formConfirmation.left);
  EXPECT_EQ(password.Text(), "");  // each opening starts empty
}

TEST_F(LockTest, UnlockingTakesTheExactPasswordAndShowsOnlyTheMainWindow) {
  program.ui().Window(kLogWindow).Model().Show();
  program.ui().Window(kAboutWindow).Model().Show(true);
  LockWith("Secret");
  EXPECT_FALSE(program.ui().Window(kLogWindow).Model().Visible());
  EXPECT_FALSE(program.ui().Window(kAboutWindow).Model().Visible());

  main.ChooseMenu("锁定");
  for (const char* wrong : {"", "secret", "Secret ", "Secre"}) {
    password.SetText(wrong);
    confirm.Click();
    EXPECT_EQ(platform.Messages().back().text, "密码错误！") << wrong;
    EXPECT_EQ(platform.Messages().back().icon, MessageIcon::Warning);
    EXPECT_TRUE(Locked());
    EXPECT_TRUE(dialog.Model().Visible());
    EXPECT_FALSE(main.Model().Visible());
  }
  password.SetText("Secret");
  confirm.Click();
  EXPECT_FALSE(Locked());
  EXPECT_TRUE(main.Model().Visible());
  EXPECT_FALSE(dialog.Model().Visible());
  EXPECT_FALSE(program.ui().Window(kLogWindow).Model().Visible());
  EXPECT_FALSE(program.ui().Window(kAboutWindow).Model().Visible());
  EXPECT_EQ(program.app.LockPassword, "Secret");  // kept for the rest of the run
}

TEST_F(LockTest, TheSecondLockIsImmediateAndCancelLeavesTheProgramLocked) {
  LockWith("pw");
  main.ChooseMenu("锁定");
  password.SetText("pw");
  confirm.Click();
  ASSERT_FALSE(Locked());

  const size_t messages = platform.Messages().size();
  main.ChooseMenu("锁定");
  EXPECT_TRUE(Locked());
  EXPECT_FALSE(main.Model().Visible());
  EXPECT_FALSE(dialog.Model().Visible());  // no dialog the second time

  main.ChooseMenu("锁定");
  cancel.Click();
  EXPECT_FALSE(dialog.Model().Visible());
  EXPECT_TRUE(Locked());
  EXPECT_FALSE(main.Model().Visible());
  main.Get<TrayIconModel>(kTrayIcon).RaiseEvent(kTrayLeftClick);  // the tray does not open a locked program
  EXPECT_FALSE(main.Model().Visible());

  main.ChooseMenu("锁定");  // the tray menu's item opens the dialog again
  EXPECT_TRUE(dialog.Model().Visible());
  EXPECT_FALSE(dialog.Model().RequestClose());  // the close box cancels too
  EXPECT_FALSE(dialog.Model().Visible());
  EXPECT_TRUE(Locked());
  EXPECT_EQ(platform.Messages().size(), messages);
}

TEST_F(LockTest, EnterMovesToTheConfirmationWhenChoosingAndConfirmsWhenUnlocking) {
  main.ChooseMenu("锁定");
  Type("pw", "pw");
  const int focus = confirmation.FocusRequests();
  password.PressEnter();
  EXPECT_EQ(confirmation.FocusRequests(), focus + 1);
  EXPECT_FALSE(Locked());
  confirmation.PressEnter();
  EXPECT_TRUE(Locked());

  main.ChooseMenu("锁定");
  password.SetText("pw");
  password.PressEnter();
  EXPECT_FALSE(Locked());
  EXPECT_TRUE(main.Model().Visible());
}

TEST_F(LockTest, TheOpenSettingsWindowIsHiddenWithoutLeavingTheMainWindowDisabled) {
  main.ChooseMenu("配置选项");
  ASSERT_FALSE(main.Model().Enabled());
  LockWith("pw");
  EXPECT_FALSE(program.ui().Window(kSettingsWindow).Model().Visible());
  main.ChooseMenu("锁定");
  password.SetText("pw");
  confirm.Click();
  EXPECT_TRUE(main.Model().Visible());
  EXPECT_TRUE(main.Model().Enabled());
}

TEST_F(LockTest, WithoutATrayTheUnlockDialogStaysWhileLocked) {
  platform.SetSystemTray(false);
  LockWith("pw");
  EXPECT_TRUE(Locked());
  EXPECT_FALSE(main.Model().Visible());
  EXPECT_TRUE(dialog.Model().Visible());
  EXPECT_EQ(dialog.Model().Caption(), "解锁");

  cancel.Click();
  EXPECT_FALSE(dialog.Model().RequestClose());
  EXPECT_TRUE(dialog.Model().Visible());

  password.SetText("pw");
  confirm.Click();
  EXPECT_FALSE(Locked());
  EXPECT_TRUE(main.Model().Visible());
  EXPECT_FALSE(dialog.Model().Visible());

  main.ChooseMenu("锁定");  // locks at once, and the dialog comes back for the way out
  EXPECT_TRUE(Locked());
  EXPECT_TRUE(dialog.Model().Visible());
}

}  // namespace
}  // namespace pk
