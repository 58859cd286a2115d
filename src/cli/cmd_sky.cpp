// pkcalc-cli sky: the sky nine-code kills that the companion library beside the
// executable gives for the draws of a file, asked through the program's own binding.
#include <iostream>
#include <memory>

#include "app/companion_library.h"
#include "app/program_folder.h"
#include "base/text.h"
#include "cli/commands.h"
#include "cli/draw_file.h"

namespace pk::cli {

namespace {

struct SkyOptions {
  std::string draws;
  int slots = 1;
  int offset = 0;
};

// Oldest draw first: its period, a blank, and its ten numbers each followed by a blank;
// the whole trimmed.
std::string SkyDrawsText(const std::vector<DrawFileLine>& lines) {
  std::string text;
  for (const DrawFileLine& line : lines) {
    text += line.period + " ";
    for (const std::string& number : line.numbers) text += number + " ";
  }
  return Trim(text);
}

void RunSky(const SkyOptions& options) {
  const std::string draws = SkyDrawsText(ReadDrawFile(options.draws));
  std::string unavailable;
  CompanionLibrary library(ProgramFolder(), [&unavailable](const std::string& message) { unavailable = message; });
  const std::string answer = library.Qelmora(draws, options.slots, options.offset);
  if (!unavailable.empty()) throw UsageError{unavailable};
  std::cout << answer << "\n";
}

}  // namespace

void AddSkyCommand(CLI::App& app) {
  auto options = std::make_shared<SkyOptions>();
  CLI::App* command = app.add_subcommand("sky", "Print the sky nine-code kills of the companion library for a draw file");
  command->add_option("--draws", options->draws, "one draw per line: period and ten two-digit numbers")->required();
  command->add_option("--slots", options->slots, "10 for all ten positions, anything else for the champion only");
  command->add_option("--offset", options->offset, "added to the thresholds of the offset rules");
  command->callback([options] { RunSky(*options); });
}

}  // namespace pk::cli
