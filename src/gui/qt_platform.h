#pragma once
// The Platform of the desktop program: Qt message boxes and save dialog, the browser,
// the screen and clock, the process list from /proc, and the shut-down through the
// system's service manager. Questions asked from a worker thread are put to the user on
// the GUI thread while the worker waits for the answer.
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <atomic>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "app/platform.h"

namespace pk {

class QtPlatform : public Platform {
 public:
  // Construct on the GUI thread, after the QApplication.
  QtPlatform();
  ~QtPlatform() override;

  // The window message boxes and dialogs belong to (the main window).
  void SetDialogParent(QWidget* parent) { parent_ = parent; }
  // With nobody at the screen (the screenshot run) messages go to standard error and
  // are answered OK or No, and the save dialog is cancelled, instead of waiting forever.
  void SetUnattended(bool unattended) { unattended_ = unattended; }
  // Whether the program was told to end.
  bool EndRequested() const { return end_requested_; }

  // For tests: each queued answer answers the next message box instead of the user,
  // without showing it.
  void QueueAnswer(MessageAnswer answer);
  struct AskedMessage {
    std::string text, title;
    MessageIcon icon = MessageIcon::None;
  };
  // Every message put to the user, in order.
  std::vector<AskedMessage> Asked() const;

  MessageAnswer ShowMessage(const std::string& text, const std::string& title, MessageButtons buttons) override;
  MessageAnswer ShowIconMessage(const std::string& text, const std::string& title, MessageButtons buttons,
                                MessageIcon icon) override;
  std::optional<std::string> AskSavePath(const SaveDialogRequest& request) override;
  void OpenWebAddress(const std::string& url) override;
  void ShutDownComputer() override;
  void EndProgram() override;
  ScreenSize Screen() override;
  DateTime ComputerClock() override;
  std::vector<std::string> ProcessNames() override;
  // Asked on the GUI thread; a worker gets the answer last seen there.
  bool HasSystemTray() override;

 private:
  // Runs f on the GUI thread: at once there, else queued while this thread waits.
  void OnGuiThread(const std::function<void()>& f);

  void NoteScreenSize();

  std::unique_ptr<QObject> gui_context_;
  // Kept up to date on the GUI thread, so that a worker asking never waits for it.
  mutable std::mutex screen_mutex_;
  ScreenSize screen_;
  QPointer<QWidget> parent_;
  std::atomic<bool> unattended_{false};
  std::atomic<bool> has_tray_{false};
  std::atomic<bool> end_requested_{false};
  mutable std::mutex asked_mutex_;
  std::deque<MessageAnswer> queued_answers_;
  std::vector<AskedMessage> asked_;
};

// Web addresses the program opens: http and https only, so that a page's text never
// makes the desktop open a local file or another program's handler.
bool IsWebAddress(const std::string& url);

// The Qt file-dialog filter for a save-dialog filter "描述|*.txt|描述2|*.csv".
QString ToQtFilter(const std::string& filter);

// The executable file names of the running processes under a /proc folder.
std::vector<std::string> ProcessNamesUnder(const std::string& proc_folder);

// True when a desktop session of the user is there to shut down (never under the
// offscreen or minimal platforms, and never when PKCALC_NO_SHUTDOWN is set).
bool DesktopSessionPresent();

}  // namespace pk
