// pkcalc-cli update-history and compute-extremes: the extremes window's two jobs over the
// stores of a data folder, run to their end, with the result rows and the labels printed.
#include <filesystem>
#include <iostream>
#include <memory>

#include "app/companion_library.h"
#include "app/program.h"
#include "app/recording_platform.h"
#include "app/ui/ui_models.h"
#include "base/ini.h"
#include "base/page_fetcher.h"
#include "base/text.h"
#include "base/web_sources.h"
#include "cli/commands.h"
#include "cli/program_dump.h"
#include "settings/settings_file.h"
#include "store/database_preparation.h"
#include "store/store_files.h"
#include "workshop/extremes_jobs.h"
#include "workshop/extremes_window.h"

namespace pk::cli {

namespace {

struct WorkshopOptions {
  std::string home = ".";
  std::string sources;
  std::string kinds;
  std::string dump;
};

// The labels, the result rows and the messages, one per line.
void PrintWindow(UiWindow& window, RecordingPlatform& platform) {
  for (const ListItem& item : window.Get<ReportListModel>("超级列表框1").Snapshot().items) {
    std::string line;
    for (const std::string& text : item.texts) line += (line.empty() ? "" : "\t") + text;
    std::cout << line << "\n";
  }
  for (const char* label : {"透明标签_更新", "透明标签1", "透明标签2", "透明标签3"})
    std::cout << label << ": " << window.Get<LabelModel>(label).Text() << "\n";
  for (const RecordingPlatform::Message& message : platform.Messages()) std::cout << "message: " << message.text << "\n";
  if (platform.ShutDownRequests() > 0) std::cout << "shut down requested\n";
}

void RunWorkshop(const WorkshopOptions& options, bool update) {
  std::filesystem::create_directories(options.home);
  const std::string ini = SettingsFilePath(options.home);
  if (!options.sources.empty()) SaveWebSources(IniFile(ini), WebSources::AllAt(options.sources));
  RecordingPlatform platform;
  Program program(platform, options.home);
  program.companion().SetSourceFile(ini);
  FetchWebTime(program.app.Clock, PlainHttpRead(program.sources.webTime + "/special/time/"));
  // A data folder without an extremes store gets the delivered one, as start-up gives it.
  if (!std::filesystem::exists(DataFilePath(options.home, kExtremesFileName)))
    PrepareDatabaseFile(options.home, BuiltInDataStamp(), IniFile(ini), platform);
  ExtremesWorkshop& workshop = program.extremesWorkshop();
  if (!workshop.Open()) throw UsageError{"the extremes window cannot be opened"};
  UiWindow& window = workshop.window();
  if (update) {
    window.Get<ButtonModel>("按钮_演算极限更新").Click();
  } else {
    for (const std::string& wanted : Split(options.kinds, ",")) {
      bool known = false;
      for (const ExtremesKind& kind : ExtremesKinds()) {
        if (Trim(wanted) != kind.caption && Trim(wanted) != kind.tables.front()) continue;
        window.Get<ButtonModel>(kind.checkBox).SetChecked(true);
        known = true;
      }
      if (!known) throw UsageError{"unknown kind: " + wanted};
    }
    window.Get<ButtonModel>("按钮_开始演算").Click();
  }
  workshop.WaitForJobs();
  PrintWindow(window, platform);
  if (!options.dump.empty()) WriteDump(program, options.dump);
}

CLI::App* AddCommon(CLI::App& app, const char* name, const char* description, std::shared_ptr<WorkshopOptions> options) {
  CLI::App* command = app.add_subcommand(name, description);
  command->add_option("--home", options->home, "data folder (date.dat, PK10date_new.dll, UserDestop.ini)");
  command->add_option("--sources", options->sources, "base address of every web source (written to UserDestop.ini)");
  command->add_option("--dump", options->dump, "where to write the JSON dump (- for standard output)");
  return command;
}

}  // namespace

void AddWorkshopCommands(CLI::App& app) {
  auto update = std::make_shared<WorkshopOptions>();
  AddCommon(app, "update-history", "Bring the staging history up to the newest published draw", update)
      ->callback([update] { RunWorkshop(*update, true); });
  auto compute = std::make_shared<WorkshopOptions>();
  CLI::App* command = AddCommon(app, "compute-extremes", "Compute the ticked kinds of extremes over the staging history", compute);
  command->add_option("--kinds", compute->kinds, "kinds by caption, comma-separated: 二码,…,九码,走势五码,走势六码,走势七码,杀一码")
      ->required();
  command->callback([compute] { RunWorkshop(*compute, false); });
}

}  // namespace pk::cli
