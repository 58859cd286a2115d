#pragma once
// What the system asks of the desktop around it: message boxes, the save dialog, the
// browser, shutting the computer down, the screen, the computer clock and the process
// list. The program implements it with Qt; tests and the command-line front end use
// RecordingPlatform, which answers from a queue and records what was asked.
#include <optional>
#include <string>
#include <vector>

#include "base/time.h"

namespace pk {

enum class MessageButtons { Ok = 0, YesNo = 4 };
enum class MessageAnswer { Ok = 1, Yes = 5, No = 6 };
// The icon beside a message's text (the values of the Windows message box styles).
enum class MessageIcon { None = 0, Error = 16, Warning = 48, Information = 64 };

struct ScreenSize {
  int width = 1024;
  int height = 768;
};

struct SaveDialogRequest {
  std::string filter;          // "文本文件（.txt）|*.txt"
  std::string startFolder;
  std::string defaultExtension;  // ".txt"
};

class Platform {
 public:
  virtual ~Platform() = default;

  virtual MessageAnswer ShowMessage(const std::string& text, const std::string& title, MessageButtons buttons) = 0;
  // The same with an icon; a desktop that shows no icons shows the plain message.
  virtual MessageAnswer ShowIconMessage(const std::string& text, const std::string& title, MessageButtons buttons,
                                        MessageIcon icon) {
    (void)icon;
    return ShowMessage(text, title, buttons);
  }
  // The chosen path, or nullopt when the user cancelled.
  virtual std::optional<std::string> AskSavePath(const SaveDialogRequest& request) = 0;
  virtual void OpenWebAddress(const std::string& url) = 0;
  // Forced shut-down of the computer.
  virtual void ShutDownComputer() = 0;
  // Ends the program (after the exit confirmation, an update, a second instance).
  virtual void EndProgram() = 0;
  virtual ScreenSize Screen() = 0;
  virtual DateTime ComputerClock() = 0;
  // Executable file names of the running processes, for the single-instance check.
  virtual std::vector<std::string> ProcessNames() = 0;
  // Whether the desktop has a system tray to hide the program into. Without one, closing
  // and minimising leave the main window in the task bar.
  virtual bool HasSystemTray() { return true; }
};

}  // namespace pk
