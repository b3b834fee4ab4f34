#pragma once
// The process-wide pool of recycled worker threads, fed from one task queue.
//
// Every Run queues one task and wakes one idle thread (or a new one); a woken thread
// takes the oldest queued task. Threads are never trimmed while the process runs.
#include <cstddef>
#include <deque>
#include <memory>
#include <mutex>
#include <vector>

#include "runtime/thread/Priority.hpp"

namespace vx {

using VXTaskFunction = void (*)(void* argument);

class VXThread;

class VXThreadManager {
 public:
  static VXThreadManager& Instance();
  ~VXThreadManager();

  void Run(VXTaskFunction function, void* argument, int priority = kPriorityNormal);
  // Ends every thread, waiting for running tasks to return; tasks still queued then run on the
  // calling thread. Refused (with an assertion) on a pool thread.
  void DestroyAll();

  std::size_t ThreadCount() const;
  std::size_t IdleCount() const;

 private:
  friend class VXThread;
  struct Task {
    VXTaskFunction function;
    void* argument;
    int priority;
  };
  VXThreadManager();
  bool TakeTask(Task* task);
  void MarkIdle(VXThread* thread);

  // Lock order: threadsMutex_ before queueMutex_. No task runs under either.
  mutable std::mutex threadsMutex_;
  std::vector<std::unique_ptr<VXThread>> threads_;  // guarded by threadsMutex_
  std::vector<VXThread*> idle_;                     // guarded by threadsMutex_
  std::mutex queueMutex_;
  std::deque<Task> queue_;                          // guarded by queueMutex_
};

}  // namespace vx
