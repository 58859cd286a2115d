#pragma once
// The extremes window ("演算极限"): its control models, and the workshop behind it that
// updates the staging history and computes the stored extremes on worker threads.
#include <functional>
#include <memory>
#include <mutex>
#include <stop_token>
#include <string>
#include <thread>
#include <vector>

#include "workshop/workshop_state.h"

namespace pk {

struct Program;
class UiRegistry;
class UiWindow;
class DrawStore;

inline constexpr char kExtremesWindow[] = "ExtremesWindow";

// The window and every control of the computation and update parts, in their idle state.
UiWindow& CreateExtremesWindow(UiRegistry& registry);

// One per program run: owns the window's two connections, the workshop state and the job
// threads. Its destructor stops every job and waits for it.
class ExtremesWorkshop {
 public:
  explicit ExtremesWorkshop(Program& program);
  ~ExtremesWorkshop();
  ExtremesWorkshop(const ExtremesWorkshop&) = delete;
  ExtremesWorkshop& operator=(const ExtremesWorkshop&) = delete;

  // Refused ("请先停止自动！") while automatic mode runs. Writes the fresh staging file when
  // missing, opens connection 1 (PK10date_new.dll) and 2 (date.dat) and shows the window.
  bool Open();

  // What the window's controls do.
  void StartComputation();    // "开始演算"
  void StartHistoryUpdate();  // "更新"
  void ManualUpdate();        // "手动更新" on the selected result row
  bool CloseRequested();      // true when the window may close
  void TickAnimation();       // 时钟1
  void TickProgress();        // 时钟_进度
  void TickUpdateProgress();  // 时钟_更新数据库

  // Waits until every started job has ended (the command line and tests).
  void WaitForJobs();
  // Stops every job, newest first, and waits for each.
  void StopJobs();

  Program& program() { return program_; }
  UiWindow& window() { return window_; }
  WorkshopState& state() { return state_; }
  DrawStore* staging() { return staging_.get(); }
  DrawStore* extremes() { return extremes_.get(); }

 private:
  void Launch(std::function<void(std::stop_token)> job);

  Program& program_;
  UiWindow& window_;
  WorkshopState state_;
  std::unique_ptr<DrawStore> staging_;   // connection 1
  std::unique_ptr<DrawStore> extremes_;  // connection 2
  std::mutex threadsMutex_;
  std::vector<std::jthread> threads_;
};

}  // namespace pk
