#include "app/start_up.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "acquire/draw_intake.h"
#include "acquire/online_bulletin.h"
#include "app/main_window_behaviour.h"
#include "app/platform.h"
#include "app/program.h"
#include "app/ui/main_window_controls.h"
#include "app/ui/ui_models.h"
#include "app/version.h"
#include "base/ini.h"
#include "base/numbers.h"
#include "settings/settings_file.h"
#include "stats/extremes_loading.h"
#include "store/database_preparation.h"
#include "store/draw_store.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace pk {

namespace {

// The name of the system this program runs on. Only Windows has a version number the
// names are made for; every other system is "？".
std::string CurrentOsName() {
#ifdef _WIN32
  OSVERSIONINFOW info{};
  info.dwOSVersionInfoSize = sizeof(info);
#pragma warning(suppress : 4996)
  if (!GetVersionExW(&info)) return OsNameOfVersion(0, 0);
  return OsNameOfVersion(static_cast<int>(info.dwMajorVersion), static_cast<int>(info.dwMinorVersion));
#else
  return OsNameOfVersion(0, 0);
#endif
}

void CreateLogFolder(const std::string& home) {
  std::error_code ignored;  // a folder that cannot be made shows when the log is written
  std::filesystem::create_directories(std::filesystem::path(home) / "log", ignored);
}

// The store file is prepared and the connection opened on the calling thread, so that
// the store is in place before anything else may use it; the loading runs on a worker.
void OpenExtremesStore(Program& program) {
  if (!program.home.empty()) {
    const IniFile ini(SettingsFilePath(program.home));
    if (auto stamp = StoredLastUpdate(ini)) program.app.LastUpdate = *stamp;
    PrepareDatabaseFile(program.home, program.app.BuiltInDataStamp, ini, program.platform);
    program.store = DrawStore::OpenExtremes(program.home, &program.statements());
  }
  program.workers.Start([&program] { LoadExtremes(program); });
}

void AdjustHeightToSystem(Program& program) {
  WindowModel& window = program.ui().Window(kMainWindow).Model();
  if (program.app.OsName == "WinXP") window.SetHeight(kWinXpMainHeight);
  if (program.app.OsName == "Win7") window.SetHeight(kWin7MainHeight);
}

}  // namespace

bool HasSecondInstance(const std::vector<std::string>& processNames, const std::string& ownName) {
  return std::count(processNames.begin(), processNames.end(), ownName) > 1;
}

std::string OsNameOfVersion(int major, int minor) {
  const double version = major + minor / 10.0;
  struct Known {
    double version;
    const char* name;
  };
  static constexpr Known kKnown[] = {
      {5.0, "Windows 2000"}, {5.1, "WinXP"}, {5.2, "Windows Server 2003"}, {6.0, "Vista"}, {6.1, "Win7"}};
  for (const Known& known : kKnown)
    if (NumbersEqual(version, known.version)) return known.name;
  return "？";
}

std::string OwnExecutableName() {
  std::error_code error;
  const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::string() : executable.filename().string();
}

void RunStartUp(Program& program) {
  UiWindow& main = program.ui().Window(kMainWindow);

  // The main window is created: version and title, the first bulletin read (it reads the
  // bulletin texts and sets the server clock), the carried store's stamp. The settings and
  // log windows and DrawLock exist with the program.
  program.app.ProgramVersion = ProgramVersionText();
  main.Model().SetCaption(kMainWindowTitle + program.app.ProgramVersion);
  FetchBulletin(program);
  program.app.BuiltInDataStamp = BuiltInDataStamp();

  if (HasSecondInstance(program.platform.ProcessNames(), OwnExecutableName())) {
    program.platform.ShowMessage(kSecondInstanceText, kSecondInstanceTitle, MessageButtons::Ok);
    program.platform.EndProgram();
    return;
  }

  main.Get<EditModel>("日期框").SetText(FetchBulletin(program));
  if (!program.home.empty()) CreateLogFolder(program.home);
  OpenExtremesStore(program);

  program.app.OsName = CurrentOsName();
  AdjustHeightToSystem(program);
  // The grid headers were set when the main window was built.
  ShowStartCarOrder(program);
  main.Get<ButtonModel>("按钮_获取数据").RequestFocus();
  main.Get<TrayIconModel>(kTrayIcon).Add(kProgramIcon, kTrayTip);
  main.Get<TimerModel>(kTipTimer).SetPeriod(kTipPeriodMs);
}

}  // namespace pk
