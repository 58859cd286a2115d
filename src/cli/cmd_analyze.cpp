// pkcalc-cli analyze: loads draws from a file as a day fetch and the live feed would,
// runs the analysis passes and dumps the state of every window control.
#include <filesystem>

#include "acquire/draw_intake.h"
#include "app/analysis_pass.h"
#include "app/recording_platform.h"
#include "cli/commands.h"
#include "cli/draw_file.h"
#include "cli/program_dump.h"
#include "settings/settings_file.h"
#include "stats/extremes_loading.h"
#include "base/ini.h"
#include "store/database_preparation.h"
#include "store/draw_store.h"
#include "store/store_files.h"

namespace pk::cli {

namespace {

struct AnalyzeOptions {
  std::string home = ".";
  std::string draws;
  int then = 0;
  std::string dump = "-";
  std::string settings;
};

// The day answer layout: ten numbers, an empty field, the period, an empty field.
std::string DayAnswer(const std::vector<DrawFileLine>& lines, size_t count) {
  std::string answer;
  for (size_t i = 0; i < count; ++i) {
    for (const std::string& number : lines[i].numbers) answer += number + " ";
    answer += " " + lines[i].period + "  ";
  }
  return answer;
}

void RunAnalyze(const AnalyzeOptions& options) {
  const std::vector<DrawFileLine> lines = ReadDrawFile(options.draws);
  if (options.then < 0 || static_cast<size_t>(options.then) > lines.size()) {
    throw UsageError{"--then must be between 0 and the number of draws in " + options.draws};
  }
  std::filesystem::create_directories(options.home);
  // Another settings file: it becomes the data folder's before the program loads it.
  if (!options.settings.empty()) {
    const std::filesystem::path target = std::filesystem::path(options.home) / kSettingsFileName;
    if (!std::filesystem::is_regular_file(options.settings)) throw UsageError{"no settings file " + options.settings};
    if (!std::filesystem::exists(target) || !std::filesystem::equivalent(options.settings, target))
      std::filesystem::copy_file(options.settings, target, std::filesystem::copy_options::overwrite_existing);
  }

  RecordingPlatform platform;
  Program program(platform, options.home);
  // The extremes store is loaded as start-up loads it, so that the passes compare with the
  // stored extremes and write the passed ones back. A data folder without one gets the
  // delivered store; a store already there is used as given, whatever its time stamp.
  OpenAndLoadExtremes(program);
  const size_t dayCount = lines.size() - options.then;
  {
    std::lock_guard lock(program.drawLock);
    if (dayCount > 0 && LoadDayAnswer(program, DayAnswer(lines, dayCount))) RunFull(program);
    for (size_t i = dayCount; i < lines.size(); ++i) {
      AppendFeedDraw(program, lines[i].numbers, lines[i].period);
      RunIncremental(program);
    }
  }
  WriteDump(program, options.dump);
}

}  // namespace

void AddAnalyzeCommand(CLI::App& app) {
  auto options = std::make_shared<AnalyzeOptions>();
  CLI::App* command = app.add_subcommand("analyze", "Load draws as a day fetch plus live draws, run the passes, dump");
  command->add_option("--home", options->home, "data folder (date.dat, UserDestop.ini, log/)");
  command->add_option("--draws", options->draws, "one draw per line: period and ten two-digit numbers")->required();
  command->add_option("--then", options->then, "the last N draws arrive one at a time through the live feed");
  command->add_option("--settings", options->settings, "a UserDestop.ini to use (copied into the data folder)");
  command->add_option("--dump", options->dump, "where to write the JSON dump (- for standard output)");
  command->callback([options] { RunAnalyze(*options); });
}

}  // namespace pk::cli
