#pragma once
// A Platform for tests and the command-line front end: answers come from queues
// (defaults when a queue is empty) and every request is recorded in order.
#include <deque>
#include <mutex>

#include "app/platform.h"

namespace pk {

class RecordingPlatform : public Platform {
 public:
  struct Message {
    std::string text, title;
    MessageButtons buttons;
    MessageIcon icon = MessageIcon::None;
  };

  // Queued answers. Without one, a Yes/No question is answered No and the save dialog is cancelled.
  void QueueAnswer(MessageAnswer answer);
  void QueueSavePath(std::optional<std::string> path);
  void SetProcessNames(std::vector<std::string> names);
  void SetScreen(ScreenSize size);
  void SetComputerClock(DateTime t);
  void SetSystemTray(bool present);

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
  bool HasSystemTray() override;

  // What was asked, in order.
  std::vector<Message> Messages() const;
  std::vector<SaveDialogRequest> SaveRequests() const;
  std::vector<std::string> OpenedAddresses() const;
  int ShutDownRequests() const;
  int EndRequests() const;

 private:
  mutable std::mutex mutex_;
  std::deque<MessageAnswer> answers_;
  std::deque<std::optional<std::string>> savePaths_;
  std::vector<std::string> processNames_;
  ScreenSize screen_;
  std::optional<DateTime> clock_;
  std::vector<Message> messages_;
  std::vector<SaveDialogRequest> saveRequests_;
  std::vector<std::string> opened_;
  int shutDowns_ = 0;
  int ends_ = 0;
  bool systemTray_ = true;
};

}  // namespace pk
