#pragma once
// Everything one running program shares: the records, the lock, the window-control
// models, the platform, the main window's store connection and the statement log.
// Modules are free functions over a Program.
#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "acquire/worker_threads.h"
#include "app/records.h"
#include "base/web_sources.h"

namespace pk {

class Platform;
class UiRegistry;
class DrawStore;
class StatementLog;
class CompanionLibrary;
class ExtremesWorkshop;

enum class PassMode : int { Incremental = 0, Full = 1 };

struct Program {
  Program(Platform& platform, std::string home);
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  Platform& platform;
  std::string home;  // data folder: date.dat, UserDestop.ini, log/

  DrawHistory history;
  StatsState stats;
  AppState app;
  PlanState plans;
  KillFormulaState kills;
  TrendPlanData trend;
  Settings settings;
  AlertDistances distances{7, 6, 5, 4, 4, 3, 2, 2, 4, 3, 2, 0};
  DrawLock drawLock;

  UiRegistry& ui() { return *ui_; }
  StatementLog& statements() { return *statements_; }
  // The companion library sim/libqelmora.so under the program folder, loaded on its first call.
  CompanionLibrary& companion() { return *companion_; }
  // The extremes window's workshop, one for the run; ended (its jobs stopped and joined)
  // before the records it works on.
  ExtremesWorkshop& extremesWorkshop() { return *extremesWorkshop_; }
  // The main window's connection to the extremes store; null until start-up opened it.
  std::unique_ptr<DrawStore> store;

  // Called before each step of an analysis pass with the step's module name (tests
  // and the CLI use it to see which module ran, in what order, with which flags).
  std::function<void(std::string_view module, PassMode mode)> passObserver;

  // The addresses of the web sources, read from UserDestop.ini at start (the demo points
  // them at its simulator).
  WebSources sources;
  // Whether the online bulletin's texts were read from a reachable page in this run.
  std::atomic<bool> bulletinTextsRead{false};
  // The worker threads of the jobs (feed steps, passes after the bulletin feed, the day
  // fetch, the kill feed refresh); the destructor waits for all of them.
  WorkerThreads workers;

 private:
  std::unique_ptr<UiRegistry> ui_;
  std::unique_ptr<StatementLog> statements_;
  std::unique_ptr<CompanionLibrary> companion_;
  std::unique_ptr<ExtremesWorkshop> extremesWorkshop_;
};

}  // namespace pk
