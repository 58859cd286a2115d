#pragma once
// The screen lock: a password of the user's choosing, kept in memory for the run, hides
// every window of the program until it is typed again. The work goes on while locked.
namespace pk {

struct Program;

inline constexpr char kLockWindow[] = "LockWindow";
inline constexpr const char* kLockPasswordEdit = "编辑框1";
inline constexpr const char* kLockConfirmEdit = "编辑框2";
inline constexpr const char* kLockConfirmLabel = "透明标签2";
inline constexpr const char* kLockConfirmButton = "按钮_锁定确认";
inline constexpr const char* kLockCancelButton = "按钮_锁定取消";
inline constexpr const char* kEmptyPasswordText = "密码不能为空！";
inline constexpr const char* kDifferentPasswordsText = "两次输入的密码不同！";
inline constexpr const char* kWrongPasswordText = "密码错误！";

// Creates the window (hidden) and connects it and the main window's menu item "锁定".
void SetUpLockWindow(Program& program);

// The menu item "锁定": locks at once when a password is set and the program is unlocked,
// otherwise opens the dialog (choosing a password, or unlocking).
void ChooseLock(Program& program);
// The dialog's confirmation (button, or Enter in the confirmation field).
void ConfirmLock(Program& program);
// Hides the main window and every other window of the program that is visible, and locks.
void LockNow(Program& program);

}  // namespace pk
