#pragma once
// What the extremes workshop keeps for a whole program run: the draw snapshot (read once,
// by the first computation, and reused by every later one), the jobs of the current
// computation, and the progress figures the window's timers show.
#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "workshop/workshop_draws.h"

namespace pk {

struct WorkshopState {
  // Touched only by jobs holding DrawLock.
  WorkshopDraws draws;
  int64_t drawCount = 0;

  // The jobs of the current computation not yet done with their table, by id in start
  // order; the job that finds itself alone runs the finish step.
  std::mutex jobsMutex;
  std::vector<int> pendingJobs;
  // Set when a job found no draws to compute: the later jobs of the same start skip.
  std::atomic<bool> nothingToCompute{false};
  // Set when a job could not read its extremes table (store locked or damaged): its draws
  // were never computed, so the finish step keeps the staging table instead of trimming it.
  std::atomic<bool> tableUnread{false};
  // Counts the starts of computations and of history updates. A job that was stopped puts
  // its controls back to idle only while no later job of its kind has been started.
  std::atomic<uint64_t> computationRun{0};
  std::atomic<uint64_t> updateRun{0};

  // Read by the window's timers without any lock.
  std::atomic<int32_t> progressCounter{0};
  std::atomic<int32_t> progressTotal{0};

  // The history update. nextPeriod is read and advanced by the update job only.
  std::string nextPeriod;
  std::atomic<int32_t> updateCount{0};
  std::atomic<int32_t> updateTotal{0};
  std::vector<std::string> refusedPeriods;  // fetched draws skipped for values that are not numbers
  // Called on the update's thread after each draw it inserted, with the count so far (tests
  // stop an update part-way with it). Set only while no update runs.
  std::function<void(int64_t inserted)> afterDrawInserted;
};

}  // namespace pk
