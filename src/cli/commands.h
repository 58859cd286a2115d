#pragma once
// Each pkcalc-cli command lives in its own cmd_*.cpp and registers itself here.
#include <CLI/CLI.hpp>

namespace pk::cli {

// A command's failure that the user must see: printed to stderr, exit code 2.
struct UsageError {
  std::string message;
};

void AddAnalyzeCommand(CLI::App& app);
void AddExtremesCommands(CLI::App& app);
void AddSkyCommand(CLI::App& app);
void AddBetPlanCommand(CLI::App& app);
void AddWorkshopCommands(CLI::App& app);
void AddWebCommands(CLI::App& app);
void AddDemoCommand(CLI::App& app);

}  // namespace pk::cli
