#include "settings/lock_window.h"

#include <string>

#include "acquire/help_window.h"
#include "app/about_window.h"
#include "app/platform.h"
#include "app/program.h"
#include "app/ui/main_window_controls.h"
#include "app/ui/ui_models.h"
#include "settings/settings_window.h"
#include "stats/log_window.h"
#include "workshop/extremes_window.h"

namespace pk {

namespace {

constexpr const char* kPasswordLabel = "透明标签1";
constexpr const char* kLockCaption = "锁定";
constexpr const char* kUnlockCaption = "解锁";
constexpr const char* kPlacement = "form";

// The dialog's form for choosing a password: two rows of label and field, the buttons below.
struct FormPlace {
  const char* control;
  ControlGeometry geometry;
};
constexpr FormPlace kChooseLayout[] = {
    {kPasswordLabel, {12, 14, 40, 16}},      {kLockPasswordEdit, {56, 11, 104, 20}},
    {kLockConfirmLabel, {12, 42, 40, 16}},   {kLockConfirmEdit, {56, 39, 104, 20}},
    {kLockConfirmButton, {20, 70, 60, 24}},  {kLockCancelButton, {96, 70, 60, 24}},
};
constexpr int kChooseWidth = 180, kChooseHeight = 130;
constexpr int kUnlockWidth = 210, kUnlockHeight = 70;
constexpr int kUnlockHiddenTop = 75;  // below the unlock dialog's visible area
constexpr int kUnlockButtonLeft = 144, kUnlockButtonTop = 11;

UiWindow& LockDialog(Program& program) { return program.ui().Window(kLockWindow); }
EditModel& Edit(Program& program, const char* name) { return LockDialog(program).Get<EditModel>(name); }
bool Locked(const Program& program) { return program.app.Locked != 0; }

void Tell(Program& program, const char* text, MessageIcon icon) {
  program.platform.ShowIconMessage(text, "", MessageButtons::Ok, icon);
}

// The layout for choosing a password (none set yet) or for unlocking (one set).
void ApplyLayout(Program& program) {
  UiWindow& window = LockDialog(program);
  WindowModel& model = window.Model();
  for (const FormPlace& place : kChooseLayout) window.Find(place.control).SetGeometry(place.geometry);
  ButtonModel& confirm = window.Get<ButtonModel>(kLockConfirmButton);
  if (program.app.LockPassword.empty()) {
    model.SetCaption(kLockCaption);
    model.SetWidth(kChooseWidth);
    model.SetHeight(kChooseHeight);
    confirm.SetCaption(kLockCaption);
    return;
  }
  model.SetCaption(kUnlockCaption);
  model.SetWidth(kUnlockWidth);
  model.SetHeight(kUnlockHeight);
  for (const char* name : {kLockConfirmLabel, kLockConfirmEdit}) {
    Control& control = window.Find(name);
    control.MoveTo(control.Geometry()->left, kUnlockHiddenTop);
  }
  confirm.MoveTo(kUnlockButtonLeft, kUnlockButtonTop);
  confirm.SetCaption(kUnlockCaption);
}

// Loads the dialog afresh: empty fields, the layout for the lock state, the focus in the
// password field, shown modal.
void OpenDialog(Program& program) {
  Edit(program, kLockPasswordEdit).SetText("");
  Edit(program, kLockConfirmEdit).SetText("");
  ApplyLayout(program);
  Edit(program, kLockPasswordEdit).RequestFocus();
  LockDialog(program).Model().Show(true);
}

// Without a system tray the unlock dialog is the only way back to a locked program: it
// stays on screen for as long as the program is locked.
bool DialogMustStay(Program& program) { return Locked(program) && !program.platform.HasSystemTray(); }

void CloseDialog(Program& program) {
  if (DialogMustStay(program)) return;
  LockDialog(program).Model().SetVisible(false);
}

void HideOtherWindows(Program& program) {
  UiRegistry& ui = program.ui();
  for (const char* name : {kLogWindow, kSettingsWindow, kExtremesWindow, kAboutWindow, kHelpWindow}) {
    if (!ui.HasWindow(name)) continue;
    WindowModel& window = ui.Window(name).Model();
    if (!window.Visible()) continue;
    window.SetVisible(false);
    // The open settings window keeps the main window disabled; hidden by the lock, it
    // must not leave the main window disabled after unlocking.
    if (std::string(name) == kSettingsWindow) ui.Window(kMainWindow).Model().SetEnabled(true);
  }
}

void Unlock(Program& program) {
  WindowModel& main = program.ui().Window(kMainWindow).Model();
  main.Show();
  program.app.Locked = 0;
  CloseDialog(program);
}

void EnterInPassword(Program& program) {
  if (Locked(program)) {
    ConfirmLock(program);
  } else {
    Edit(program, kLockConfirmEdit).RequestFocus();
  }
}

}  // namespace

void LockNow(Program& program) {
  program.ui().Window(kMainWindow).Model().SetVisible(false);
  HideOtherWindows(program);
  program.app.Locked = 1;
  if (!program.platform.HasSystemTray()) OpenDialog(program);
}

void ChooseLock(Program& program) {
  if (!program.app.LockPassword.empty() && !Locked(program)) {
    LockNow(program);
  } else {
    OpenDialog(program);
  }
}

void ConfirmLock(Program& program) {
  const std::string password = Edit(program, kLockPasswordEdit).Text();
  if (Locked(program)) {
    if (password != program.app.LockPassword) {
      Tell(program, kWrongPasswordText, MessageIcon::Warning);
      return;
    }
    Unlock(program);
    return;
  }

  const std::string confirmation = Edit(program, kLockConfirmEdit).Text();
  if (password.empty() || confirmation.empty()) {
    Tell(program, kEmptyPasswordText, MessageIcon::Error);
    return;
  }
  if (password != confirmation) {
    Tell(program, kDifferentPasswordsText, MessageIcon::Warning);
    return;
  }
  program.app.LockPassword = password;
  LockDialog(program).Model().SetVisible(false);
  LockNow(program);
}

void SetUpLockWindow(Program& program) {
  UiWindow& window = program.ui().AddWindow(kLockWindow, kLockCaption);
  window.Add<LabelModel>(kPasswordLabel, "密码：", kPlacement);
  EditModel& password = window.Add<EditModel>(kLockPasswordEdit, "", kPlacement);
  window.Add<LabelModel>(kLockConfirmLabel, "确认：", kPlacement);
  EditModel& confirmation = window.Add<EditModel>(kLockConfirmEdit, "", kPlacement);
  ButtonModel& confirm = window.Add<ButtonModel>(kLockConfirmButton, ControlKind::Button, kLockCaption, kPlacement);
  ButtonModel& cancel = window.Add<ButtonModel>(kLockCancelButton, ControlKind::Button, "取消", kPlacement);
  password.SetMasked(true);
  confirmation.SetMasked(true);
  ApplyLayout(program);

  confirm.OnClick([&program] { ConfirmLock(program); });
  cancel.OnClick([&program] { CloseDialog(program); });
  password.OnEnter([&program] { EnterInPassword(program); });
  confirmation.OnEnter([&program] { ConfirmLock(program); });
  // The close box cancels.
  window.Model().OnCloseRequest([&program] {
    CloseDialog(program);
    return false;
  });
  program.ui().Window(kMainWindow).OnMenu(kLockCaption, [&program] { ChooseLock(program); });
}

}  // namespace pk
