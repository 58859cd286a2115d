#include "acquire/worker_threads.h"

#include <vector>

namespace pk {

WorkerThreads::~WorkerThreads() { WaitIdle(); }

void WorkerThreads::Start(std::function<void()> job) {
  JoinFinished();
  std::lock_guard lock(mutex_);
  Worker& worker = workers_.emplace_back();
  // The thread marks its own entry finished as its last act; the entry stays in the
  // list (and the thread joinable) until someone joins it.
  worker.thread = std::thread([this, &worker, job = std::move(job)] {
    try {
      job();
    } catch (...) {
      // A failed job must not take the program down; its effects so far stay.
    }
    std::lock_guard done(mutex_);
    worker.finished = true;
  });
}

void WorkerThreads::JoinFinished() {
  std::list<Worker> finished;
  {
    std::lock_guard lock(mutex_);
    for (auto it = workers_.begin(); it != workers_.end();) {
      auto next = std::next(it);
      if (it->finished) finished.splice(finished.end(), workers_, it);
      it = next;
    }
  }
  for (Worker& worker : finished) worker.thread.join();
}

void WorkerThreads::WaitIdle() {
  for (;;) {
    std::list<Worker> all;
    {
      std::lock_guard lock(mutex_);
      if (workers_.empty()) return;
      all.splice(all.end(), workers_);
    }
    // A job still running may start another one: the loop collects those as well.
    for (Worker& worker : all) worker.thread.join();
  }
}

int WorkerThreads::Running() const {
  std::lock_guard lock(mutex_);
  int running = 0;
  for (const Worker& worker : workers_) running += worker.finished ? 0 : 1;
  return running;
}

}  // namespace pk
