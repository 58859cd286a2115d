#include "app/recording_platform.h"

namespace pk {

void RecordingPlatform::QueueAnswer(MessageAnswer answer) {
  std::lock_guard lock(mutex_);
  answers_.push_back(answer);
}

void RecordingPlatform::QueueSavePath(std::optional<std::string> path) {
  std::lock_guard lock(mutex_);
  savePaths_.push_back(std::move(path));
}

void RecordingPlatform::SetProcessNames(std::vector<std::string> names) {
  std::lock_guard lock(mutex_);
  processNames_ = std::move(names);
}

void RecordingPlatform::SetScreen(ScreenSize size) {
  std::lock_guard lock(mutex_);
  screen_ = size;
}

void RecordingPlatform::SetComputerClock(DateTime t) {
  std::lock_guard lock(mutex_);
  clock_ = t;
}

void RecordingPlatform::SetSystemTray(bool present) {
  std::lock_guard lock(mutex_);
  systemTray_ = present;
}

bool RecordingPlatform::HasSystemTray() {
  std::lock_guard lock(mutex_);
  return systemTray_;
}

MessageAnswer RecordingPlatform::ShowMessage(const std::string& text, const std::string& title,
                                             MessageButtons buttons) {
  return ShowIconMessage(text, title, buttons, MessageIcon::None);
}

MessageAnswer RecordingPlatform::ShowIconMessage(const std::string& text, const std::string& title,
                                                 MessageButtons buttons, MessageIcon icon) {
  std::lock_guard lock(mutex_);
  messages_.push_back({text, title, buttons, icon});
  if (buttons == MessageButtons::Ok) return MessageAnswer::Ok;
  if (answers_.empty()) return MessageAnswer::No;
  MessageAnswer answer = answers_.front();
  answers_.pop_front();
  return answer;
}

std::optional<std::string> RecordingPlatform::AskSavePath(const SaveDialogRequest& request) {
  std::lock_guard lock(mutex_);
  saveRequests_.push_back(request);
  if (savePaths_.empty()) return std::nullopt;
  auto path = savePaths_.front();
  savePaths_.pop_front();
  return path;
}

void RecordingPlatform::OpenWebAddress(const std::string& url) {
  std::lock_guard lock(mutex_);
  opened_.push_back(url);
}

void RecordingPlatform::ShutDownComputer() {
  std::lock_guard lock(mutex_);
  ++shutDowns_;
}

void RecordingPlatform::EndProgram() {
  std::lock_guard lock(mutex_);
  ++ends_;
}

ScreenSize RecordingPlatform::Screen() {
  std::lock_guard lock(mutex_);
  return screen_;
}

DateTime RecordingPlatform::ComputerClock() {
  std::lock_guard lock(mutex_);
  return clock_ ? *clock_ : ComputerTimeUtc8();
}

std::vector<std::string> RecordingPlatform::ProcessNames() {
  std::lock_guard lock(mutex_);
  return processNames_;
}

std::vector<RecordingPlatform::Message> RecordingPlatform::Messages() const {
  std::lock_guard lock(mutex_);
  return messages_;
}

std::vector<SaveDialogRequest> RecordingPlatform::SaveRequests() const {
  std::lock_guard lock(mutex_);
  return saveRequests_;
}

std::vector<std::string> RecordingPlatform::OpenedAddresses() const {
  std::lock_guard lock(mutex_);
  return opened_;
}

int RecordingPlatform::ShutDownRequests() const {
  std::lock_guard lock(mutex_);
  return shutDowns_;
}

int RecordingPlatform::EndRequests() const {
  std::lock_guard lock(mutex_);
  return ends_;
}

}  // namespace pk
