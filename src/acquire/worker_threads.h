#pragma once
// The worker threads a program starts for its jobs (each live feed step, the pass after
// the bulletin feed, the day fetch, the kill feed refresh). Every thread stays joinable
// and is tracked here, so that shutting a program down waits for all of them: no job
// outlives the records it works on.
#include <functional>
#include <list>
#include <memory>
#include <mutex>
#include <thread>

namespace pk {

class WorkerThreads {
 public:
  WorkerThreads() = default;
  ~WorkerThreads();  // waits for every job
  WorkerThreads(const WorkerThreads&) = delete;
  WorkerThreads& operator=(const WorkerThreads&) = delete;

  // Runs the job on a new thread. A job may start further jobs. An exception leaving a
  // job ends that job only. Finished threads are joined here, on the next start.
  void Start(std::function<void()> job);

  // Waits until no job runs, including jobs started by jobs meanwhile. Must not be
  // called from a job.
  void WaitIdle();

  // Jobs started and not yet finished.
  int Running() const;

 private:
  struct Worker {
    std::thread thread;
    bool finished = false;  // guarded by mutex_
  };

  void JoinFinished();

  mutable std::mutex mutex_;
  std::list<Worker> workers_;
};

}  // namespace pk
