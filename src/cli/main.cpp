// pkcalc-cli: a headless front end over the same core as the desktop program.
#include <iostream>

#include "cli/commands.h"

int main(int argc, char** argv) {
  CLI::App app{"pkcalc-cli: PK10 analysis without a window"};
  app.require_subcommand(1);
  pk::cli::AddAnalyzeCommand(app);
  pk::cli::AddExtremesCommands(app);
  pk::cli::AddSkyCommand(app);
  pk::cli::AddBetPlanCommand(app);
  pk::cli::AddWorkshopCommands(app);
  pk::cli::AddWebCommands(app);
  pk::cli::AddDemoCommand(app);
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    return app.exit(e) == 0 ? 0 : 2;
  } catch (const pk::cli::UsageError& e) {
    std::cerr << "pkcalc-cli: " << e.message << "\n";
    return 2;
  }
  return 0;
}
