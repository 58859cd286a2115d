#pragma once
// The program's start-up once its records and windows exist: the version in the title,
// the bulletin, the single-instance check, the server date, the log folder, the extremes
// store (prepared and opened here, loaded on a worker), the system name, the cars in
// start order, the focus, the tray icon and the tip timer.
#include <string>
#include <vector>

namespace pk {

struct Program;

inline constexpr const char* kTrayTip = "岚驰PK10演算工具";
inline constexpr const char* kSecondInstanceText = "软件已运行，请勿重复运行！";
inline constexpr const char* kSecondInstanceTitle = "重复运行";
constexpr int kTipPeriodMs = 10000;
constexpr int kWinXpMainHeight = 540;
constexpr int kWin7MainHeight = 536;

// Everything start-up does, in its order, on the calling thread; only the loading of the
// stored extremes runs on a worker of program.workers, so the call returns while it
// goes on. A second instance is told and ends the program; nothing after the check runs.
void RunStartUp(Program& program);

// Whether more than one running process carries this program's executable name (exact
// text comparison; the list includes this process).
bool HasSecondInstance(const std::vector<std::string>& processNames, const std::string& ownName);

// The system's name from its version number (major + minor / 10): "Windows 2000", "WinXP",
// "Windows Server 2003", "Vista", "Win7", anything else "？".
std::string OsNameOfVersion(int major, int minor);

// The executable file name of this process ("pkcalc"), empty when it cannot be told.
std::string OwnExecutableName();

}  // namespace pk
