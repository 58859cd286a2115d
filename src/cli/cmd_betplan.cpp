// pkcalc-cli betplan: the bet plan generator of the main window, driven through its
// controls as the user drives it, printing the rows of "模式框".
#include <stdlib.h>

#include <filesystem>
#include <iostream>
#include <memory>

#include "app/program.h"
#include "app/recording_platform.h"
#include "app/ui/ui_models.h"
#include "base/text.h"
#include "cli/commands.h"

namespace pk::cli {

namespace {

struct BetPlanOptions {
  int numbers = 1;
  int periods = 10;
  std::string factor = "2";
  std::string stake = "100";
};

// The calculator needs no data folder; the program gets an empty one of its own, so
// that nothing is read from or written into the current folder.
struct ScratchHome {
  std::string path;
  ScratchHome() {
    std::string pattern = (std::filesystem::temp_directory_path() / "pkcalc-betplan-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw UsageError{"cannot create a temporary folder"};
    path = pattern;
  }
  ~ScratchHome() {
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
  }
};

void RunBetPlan(const BetPlanOptions& options) {
  const ScratchHome home;
  RecordingPlatform platform;
  Program program(platform, home.path);
  UiWindow& main = program.ui().Window("MainWindow");
  main.Get<ComboModel>("号数").Select(options.numbers - 1);
  main.Get<ComboModel>("期数").Select(options.periods - 1);
  main.Get<EditModel>("倍数框").SetText(options.factor);
  main.Get<EditModel>("单注金额框").SetText(options.stake);
  main.Get<ButtonModel>("按钮_生成").Click();

  // A refusal of the generator is the user's to see.
  if (const auto messages = platform.Messages(); !messages.empty()) throw UsageError{messages.front().text};

  const auto& list = main.Get<ReportListModel>("模式框");
  std::vector<std::string> captions;
  for (const ListColumn& column : list.Columns()) captions.push_back(column.caption);
  std::cout << Join(captions, "\t") << "\n";
  for (const auto& row : list.Rows()) std::cout << Join(row, "\t") << "\n";
}

}  // namespace

void AddBetPlanCommand(CLI::App& app) {
  auto options = std::make_shared<BetPlanOptions>();
  CLI::App* command = app.add_subcommand("betplan", "Stakes, totals and profits of a multiplier plan, one row per period");
  command->add_option("--k", options->numbers, "numbers bought per period (号数)")->check(CLI::Range(1, 9));
  command->add_option("--n", options->periods, "periods the plan may run (期数)")->check(CLI::Range(1, 20));
  command->add_option("--factor", options->factor, "growth factor of the multiplier after a losing period (倍数)");
  command->add_option("--stake", options->stake, "stake per number and period (单注金额)");
  command->callback([options] { RunBetPlan(*options); });
}

}  // namespace pk::cli
