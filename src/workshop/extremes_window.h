#pragma once
// The extremes window ("演算极限"): its control models, and the workshop behind it that
// updates the staging history and computes the stored extremes on worker threads.
#include <atomic>
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
class ExtremesWorkshop;
class UiRegistry;
class UiWindow;
class DrawStore;

inline constexpr char kExtremesWindow[] = "ExtremesWindow";

// The window and every control of the computation and update parts, in their idle state.
UiWindow& CreateExtremesWindow(UiRegistry& registry);

// The program's workshop with its window, and the main window's menu item "演算极限" that
// opens it. The program keeps the workshop for the whole run.
std::unique_ptr<ExtremesWorkshop> SetUpExtremesWindow(Program& program);

// One per program run: owns the window's two connections, the workshop state and the job
// threads. Nothing the window's controls call waits for DrawLock or for a job: the jobs wait
// for the lock on their own threads. Its destructor stops every job and waits for it.
class ExtremesWorkshop {
 public:
  explicit ExtremesWorkshop(Program& program);
  ~ExtremesWorkshop();
  ExtremesWorkshop(const ExtremesWorkshop&) = delete;
  ExtremesWorkshop& operator=(const ExtremesWorkshop&) = delete;

  // Refused ("请先停止自动！") while automatic mode runs. Writes the fresh staging file when
  // missing, opens connection 1 (PK10date_new.dll) and 2 (date.dat) and shows the window
  // as a modal dialog.
  bool Open();

  // What the window's controls do.
  void StartComputation();    // "开始演算"
  void StartHistoryUpdate();  // "更新"
  void ManualUpdate();        // "手动更新" on the selected result row
  bool CloseRequested();      // true when the window may close
  void TickAnimation();       // 时钟1
  void TickProgress();        // 时钟_进度
  void TickUpdateProgress();  // 时钟_更新数据库

  // Waits until every started job has ended (the command line, tests, the destructor).
  void WaitForJobs();
  // Asks every running job to stop, newest first, and returns at once; a stopped job ends
  // at its next unit of work and gives DrawLock back.
  void StopJobs();

  Program& program() { return program_; }
  UiWindow& window() { return window_; }
  WorkshopState& state() { return state_; }
  DrawStore* staging() { return staging_.get(); }
  DrawStore* extremes() { return extremes_.get(); }

 private:
  struct Job {
    std::shared_ptr<std::atomic<bool>> ended;
    std::jthread thread;
  };
  // Starts a job thread; the threads of jobs that have already returned are joined first
  // (at once, as they are done).
  void Launch(std::function<void(std::stop_token)> job);

  Program& program_;
  UiWindow& window_;
  WorkshopState state_;
  std::unique_ptr<DrawStore> staging_;   // connection 1
  std::unique_ptr<DrawStore> extremes_;  // connection 2
  std::mutex jobsMutex_;
  std::vector<Job> jobs_;
};

}  // namespace pk
