// pkcalc-cli countdown, fetch-day and auto: the draw schedule's countdown for a server
// time, the day fetch, and automatic mode followed until a number of new draws arrived.
#include <chrono>
#include <filesystem>
#include <iostream>
#include <memory>
#include <thread>

#include "acquire/auto_mode.h"
#include "acquire/online_bulletin.h"
#include "app/recording_platform.h"
#include "base/page_fetcher.h"
#include "app/ui/ui_models.h"
#include "base/ini.h"
#include "base/time.h"
#include "base/web_sources.h"
#include "cli/commands.h"
#include "cli/program_dump.h"
#include "cli/cmd_web_session.h"
#include "settings/settings_file.h"

namespace pk::cli {

namespace {

struct WebOptions {
  std::string home = ".";
  std::string sources;
  std::string dump;
  int draws = 1;
  int tickMs = 1000;
  double timeScale = 1;
  int timeout = 0;
};

// A program over the data folder, its sources pointed at one address when asked, with
// the extremes store loaded as start-up loads it.
std::unique_ptr<Program> OpenProgram(RecordingPlatform& platform, const WebOptions& options) {
  std::filesystem::create_directories(options.home);
  if (!options.sources.empty())
    SaveWebSources(IniFile(SettingsFilePath(options.home)), WebSources::AllAt(options.sources));
  auto program = std::make_unique<Program>(platform, options.home);
  LoadExtremesStore(*program);
  return program;
}

void PrintMessages(const RecordingPlatform& platform) {
  for (const RecordingPlatform::Message& message : platform.Messages()) std::cerr << "message: " << message.text << "\n";
}

void RunFetchDay(const WebOptions& options) {
  RecordingPlatform platform;
  std::unique_ptr<Program> program = OpenProgram(platform, options);
  const bool loaded = FetchDay(*program);
  PrintMessages(platform);
  if (!options.dump.empty()) WriteDump(*program, options.dump);
  if (!loaded) throw UsageError{"the day fetch brought no draws"};
}

void RunAuto(const WebOptions& options) {
  if (options.draws < 1) throw UsageError{"--draws must be at least 1"};
  if (options.tickMs < 1) throw UsageError{"--tick-ms must be at least 1"};
  if (!(options.timeScale >= 1)) throw UsageError{"--time-scale must be at least 1"};
  // Against a simulator running F times real time every wait shrinks F-fold: the
  // countdown's second and the silence a request waits out (at least one second).
  const auto tick = std::chrono::microseconds(static_cast<int64_t>(options.tickMs * 1000 / options.timeScale));
  SetPageFetcherTimeout(std::chrono::seconds(static_cast<int64_t>(18 / options.timeScale)));
  RecordingPlatform platform;
  std::unique_ptr<Program> program = OpenProgram(platform, options);
  if (!FetchDay(*program)) {
    PrintMessages(platform);
    throw UsageError{"the day fetch brought no draws"};
  }
  AutoModeRun run(*program);
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(options.timeout);
  while (run.Appended() < options.draws) {
    if (options.timeout > 0 && std::chrono::steady_clock::now() > deadline) {
      run.Stop();
      PrintMessages(platform);
      // What was followed so far is still worth a look.
      if (!options.dump.empty()) WriteDump(*program, options.dump);
      throw UsageError{"timed out after " + std::to_string(run.Appended()) + " new draws"};
    }
    for (const std::string& line : run.Tick()) std::cerr << line;
    std::this_thread::sleep_for(tick);
  }
  run.Stop();
  PrintMessages(platform);
  if (!options.dump.empty()) WriteDump(*program, options.dump);
}

void AddSourceOptions(CLI::App* command, const std::shared_ptr<WebOptions>& options) {
  command->add_option("--home", options->home, "data folder (date.dat, UserDestop.ini, log/)");
  command->add_option("--sources", options->sources, "point every web source at this base address (written to the data folder's settings)");
  command->add_option("--dump", options->dump, "where to write the JSON dump (- for standard output)");
}

}  // namespace

void AddWebCommands(CLI::App& app) {
  {
    auto time = std::make_shared<std::string>();
    CLI::App* command = app.add_subcommand("countdown", "The countdown automatic mode shows for a server time");
    command->add_option("--time", *time, "server time, YYYY-MM-DD HH:MM:SS")->required();
    command->callback([time] {
      const std::optional<DateTime> serverTime = ParseDateTimeText(*time);
      if (!serverTime) throw UsageError{"--time must read YYYY-MM-DD HH:MM:SS: " + *time};
      std::cout << CountdownFor(*serverTime) << "\n";
    });
  }
  {
    auto options = std::make_shared<WebOptions>();
    CLI::App* command = app.add_subcommand("fetch-day", "The day fetch through the companion library, then the full pass");
    AddSourceOptions(command, options);
    command->callback([options] { RunFetchDay(*options); });
  }
  {
    auto options = std::make_shared<WebOptions>();
    CLI::App* command = app.add_subcommand("auto", "A day fetch, then automatic mode until N new draws were appended");
    AddSourceOptions(command, options);
    command->add_option("--draws", options->draws, "new draws to wait for (default 1)");
    command->add_option("--tick-ms", options->tickMs,
                        "real milliseconds per countdown second (1000; 1000 / speed against an accelerated simulator)");
    command->add_option("--time-scale", options->timeScale,
                        "divide every wait by this factor: the countdown's tick and the 18 s request timeout (for a "
                        "simulator running this many times real time)");
    command->add_option("--timeout", options->timeout, "give up after this many seconds (0: never; the dump is still written)");
    command->callback([options] { RunAuto(*options); });
  }
}

}  // namespace pk::cli
