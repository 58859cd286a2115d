// pkcalc-cli demo: the offline demo without a window. The draw simulator runs in this
// process a draw every few seconds; the program fetches the day, follows automatic mode
// and prints every draw as it arrives, with the countdown and the recommendation box.
#include <stdlib.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <iostream>
#include <memory>
#include <thread>

#include "acquire/demo.h"
#include "app/draw_history.h"
#include "app/recording_platform.h"
#include "app/start_up.h"
#include "app/ui/ui_models.h"
#include "cli/cmd_web_session.h"
#include "cli/commands.h"

namespace pk::cli {

namespace {

volatile std::sig_atomic_t interrupted = 0;

struct DemoOptions {
  std::string home;
  int draws = 0;
  double speed = kDemoSpeed;
};

// A data folder for the run alone, unless the user named one.
class DemoHome {
 public:
  explicit DemoHome(const std::string& home) {
    if (!home.empty()) {
      std::filesystem::create_directories(home);
      path_ = home;
      return;
    }
    std::string pattern = (std::filesystem::temp_directory_path() / "pkcalc-demo-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw UsageError{"cannot create a data folder for the demo"};
    path_ = pattern;
    owned_ = true;
  }
  ~DemoHome() {
    std::error_code ignored;
    if (owned_) std::filesystem::remove_all(path_, ignored);
  }
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
  bool owned_ = false;
};

void PrintBox(Program& program) {
  auto& box = program.ui().Window("MainWindow").Get<ReportListModel>("推荐框");
  std::cout << "推荐框:\n";
  for (int item = 0; item < box.ItemCount(); ++item) {
    std::string line;
    for (const std::string& text : box.ItemTexts(item)) line += (line.empty() ? "  " : "\t") + text;
    std::cout << line << "\n";
  }
}

void PrintDraw(Program& program, const std::string& resultLine, bool withCountdown = true) {
  std::cout << "开奖: " << resultLine.substr(0, resultLine.find('\r')) << "\n";
  if (withCountdown) std::cout << "离开奖: " << program.stats.Countdown << " 秒\n";
  PrintBox(program);
  std::cout << std::flush;
}

void RunDemo(const DemoOptions& options) {
  if (options.draws < 0) throw UsageError{"--draws must not be negative"};
  if (!(options.speed >= 1 && options.speed <= 1000)) throw UsageError{"--speed must be between 1 and 1000"};
  DemoHome home(options.home);
  RecordingPlatform platform;
  auto program = std::make_unique<Program>(platform, home.Path());
  std::unique_ptr<DemoSources> demo = StartDemoSources(*program, options.speed);
  // The program starts as the desktop one does, its bulletin read from the simulator;
  // the day fetch waits until the extremes have loaded.
  RunStartUp(*program);
  program->workers.WaitIdle();
  std::cout << "模拟器: " << demo->BaseAddress() << "，每 " << 300 / options.speed << " 秒一期\n";

  if (!FetchDay(*program)) {
    for (const auto& message : platform.Messages()) std::cerr << "message: " << message.text << "\n";
    throw UsageError{"the day fetch brought no draws"};
  }
  std::cout << "获取数据: " << program->history.size() << " 期\n";
  PrintDraw(*program, ResultLine(program->history.back()), false);

  interrupted = 0;
  std::signal(SIGINT, [](int) { interrupted = 1; });
  {
    AutoModeRun run(*program);
    const auto tick = std::chrono::microseconds(static_cast<int64_t>(1e6 / options.speed));
    while (!interrupted && (options.draws == 0 || run.Appended() < options.draws)) {
      for (const std::string& line : run.Tick()) PrintDraw(*program, line);
      std::this_thread::sleep_for(tick);
    }
  }
  std::signal(SIGINT, SIG_DFL);
  program.reset();  // every job ends before the simulator does
}

}  // namespace

void AddDemoCommand(CLI::App& app) {
  auto options = std::make_shared<DemoOptions>();
  CLI::App* command = app.add_subcommand("demo", "Offline demo against the built-in draw simulator");
  command->add_option("--draws", options->draws, "stop after this many new draws (default: run until interrupted)");
  command->add_option("--home", options->home, "data folder (default: a temporary one)");
  command->add_option("--speed", options->speed, "simulated seconds per real second (default 60: a draw every 5 s)");
  command->callback([options] { RunDemo(*options); });
}

}  // namespace pk::cli
