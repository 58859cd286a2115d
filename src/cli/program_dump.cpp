#include "cli/program_dump.h"

#include <fstream>
#include <iostream>

#include "app/ui/ui_dump.h"
#include "app/ui/ui_models.h"
#include "cli/commands.h"
#include "store/statement_log.h"

namespace pk::cli {

nlohmann::json DumpProgram(Program& program) {
  std::lock_guard lock(program.drawLock);
  nlohmann::json dump;
  dump["windows"] = DumpWindowsJson(program.ui());

  nlohmann::json rows = nlohmann::json::array();
  for (const DrawRecord& row : program.history) rows.push_back(row.cells);
  dump["records"] = {{"draws", rows}, {"ChampionGapSeries", program.plans.ChampionGapSeries}};
  dump["statements"] = program.statements().Texts();
  dump["alert_text"] = program.app.AlertText;

  nlohmann::json balloons = nlohmann::json::array();
  for (const BalloonShow& shown : program.ui().Window("MainWindow").Get<BalloonModel>("气球提示框1").Shown()) {
    balloons.push_back({{"x", shown.x}, {"y", shown.y}, {"text", shown.text}});
  }
  dump["balloons"] = balloons;
  return dump;
}

void WriteDump(Program& program, const std::string& path) {
  const std::string text = DumpProgram(program).dump(1, ' ', false, nlohmann::json::error_handler_t::replace);
  if (path == "-") {
    std::cout << text << "\n";
    return;
  }
  std::ofstream out(path, std::ios::binary);
  out << text << "\n";
  if (!out) throw UsageError{"cannot write the dump to " + path};
}

}  // namespace pk::cli
