#pragma once
// The makers' online bulletin: the latest version, the download address, the update
// notes, the tips of the status bar and the help topics, each between fixed markers.
// Read at start-up (which also sets the server clock), when automatic mode starts, by
// the update check and by the help window's refresh.
#include <string>
#include <string_view>
#include <vector>

#include "app/program.h"

namespace pk {

struct BulletinTexts {
  std::string latestVersion;
  std::string downloadUrl;
  std::vector<std::string> updateNotes;
  std::vector<std::string> tips;
  std::vector<std::string> helpTexts;  // "title|body" per topic
};

// Items separated by ";" or "；".
std::vector<std::string> SplitBulletinList(std::string_view value);
// Topics separated by "||"; every "\" stands for a line break ("\r\n").
std::vector<std::string> SplitHelpTexts(std::string_view value);
// The five entries of a bulletin page; a missing entry gives an empty value.
BulletinTexts ReadBulletinTexts(std::string_view page);

// Reads the bulletin page: its texts into the application state until one call has
// read them from a reachable page, and the server clock from the "Date:" header.
// Returns the server date ("2015-04-05"), empty when the answer had no usable date.
std::string FetchBulletin(Program& program);

// "检查更新": compares the latest version with the program's, ignoring letter case, and
// offers the download, which ends the program. A page that cannot be read, or holds no
// version, is reported as such and changes nothing.
void CheckForUpdate(Program& program);

// Connects the main window's menu item "检查更新".
void SetUpUpdateCheck(Program& program);

}  // namespace pk
