#include "runtime/thread/VXThreadManager.hpp"

#include <pthread.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <latch>
#include <system_error>
#include <thread>

#include "runtime/log/Assert.hpp"
#include "runtime/log/Log.hpp"
#include "runtime/thread/VXEvent.hpp"

namespace vx {

namespace {
constexpr const char* kChannel = "Thread";
constexpr const char* kThreadName = "vx-pool";
}  // namespace

// One pool thread: sleeps on its wake event, runs one queued task per wake.
class VXThread {
 public:
  explicit VXThread(VXThreadManager& manager)
      : manager_(manager), wake_(VXEventManager::Instance().Get(false, false)) {}

  // A thread the system refuses stays in the pool without running; its task waits in the queue.
  void Start() {
    std::latch started(1);
    try {
      thread_ = std::thread([this, &started] {
        threadId_ = static_cast<unsigned long>(::syscall(SYS_gettid));
        started.count_down();
        Routine();
      });
    } catch (const std::system_error& error) {
      Log(kChannel, LOG_ERROR, "Creating thread error 0x%lx", static_cast<unsigned long>(error.code().value()));
      VX_ASSERT(false);
      return;
    }
    started.wait();
    pthread_setname_np(thread_.native_handle(), kThreadName);
    Log(kChannel, LOG_INFO, "Creating thread(0x%lx)", Id());
  }

  void Wake() { wake_->Set(); }
  bool IsCurrent() const { return thread_.get_id() == std::this_thread::get_id(); }
  unsigned long Id() const { return threadId_.load(); }

  void Destroy() {
    Log(kChannel, LOG_INFO, "Destroying thread(0x%lx)", Id());
    exit_ = true;
    wake_->Set();
    if (thread_.joinable()) thread_.join();
    wake_->Free();
  }

 private:
  void Routine() {
    for (;;) {
      Log(kChannel, LOG_TRACE, "->Wait on Event 0x%lx", Id());
      wake_->Wait(INFINITE);
      Log(kChannel, LOG_TRACE, "<-Wait on Event 0x%lx", Id());
      if (exit_) return;
      VXThreadManager::Task task{};
      if (!manager_.TakeTask(&task)) {
        VX_ASSERT(false);
      } else {
        task.function(task.argument);
      }
      manager_.MarkIdle(this);
    }
  }

  VXThreadManager& manager_;
  VXEvent* wake_;
  std::atomic<bool> exit_{false};
  std::atomic<unsigned long> threadId_{0};
  std::thread thread_;
};

VXThreadManager& VXThreadManager::Instance() {
  static VXThreadManager instance;
  return instance;
}

// The event pool must outlive the threads that wait on its events.
VXThreadManager::VXThreadManager() { VXEventManager::Instance(); }

VXThreadManager::~VXThreadManager() {
  std::size_t left = ThreadCount();
  VX_ASSERT(left == 0);
  if (left) DestroyAll();  // joining beats leaving threads to run into destroyed statics
}

// The thread is picked and woken under threadsMutex_, so DestroyAll cannot delete it in between.
void VXThreadManager::Run(VXTaskFunction function, void* argument, int priority) {
  std::lock_guard guard(threadsMutex_);
  VXThread* thread = nullptr;
  if (!idle_.empty()) {
    thread = idle_.back();
    idle_.pop_back();
  } else {
    threads_.push_back(std::make_unique<VXThread>(*this));
    thread = threads_.back().get();
    thread->Start();
  }
  Log(kChannel, LOG_INFO, "CreateThread(0x%lx)", thread->Id());
  {
    std::lock_guard queueGuard(queueMutex_);
    queue_.push_back(Task{function, argument, priority});
  }
  thread->Wake();
}

bool VXThreadManager::TakeTask(Task* task) {
  std::lock_guard guard(queueMutex_);
  if (queue_.empty()) return false;
  *task = queue_.front();
  queue_.pop_front();
  return true;
}

void VXThreadManager::MarkIdle(VXThread* thread) {
  std::lock_guard guard(threadsMutex_);
  // A thread that DestroyAll already took out of the pool must not come back as idle.
  bool pooled = std::any_of(threads_.begin(), threads_.end(), [&](const auto& t) { return t.get() == thread; });
  if (pooled) idle_.push_back(thread);
}

void VXThreadManager::DestroyAll() {
  std::vector<std::unique_ptr<VXThread>> threads;
  {
    std::lock_guard guard(threadsMutex_);
    for (const auto& thread : threads_) {
      if (!thread->IsCurrent()) continue;
      // A pool thread cannot wait for itself, nor delete the thread it runs on.
      Log(kChannel, LOG_ERROR, "DestroyAll called from pool thread 0x%lx", thread->Id());
      VX_ASSERT(false);
      return;
    }
    threads.swap(threads_);
    idle_.clear();
  }
  Log(kChannel, LOG_INFO, "->Destroying all threads (%lu threads)", static_cast<unsigned long>(threads.size()));
  while (!threads.empty()) {
    threads.back()->Destroy();
    threads.pop_back();
  }
  // Tasks woken for but not taken before their thread ended still run: they may own memory or
  // be awaited (a time-out's callback), so dropping them would leak or hang.
  for (Task task{}; TakeTask(&task);) task.function(task.argument);
  Log(kChannel, LOG_TRACE, "<-Destroying all threads");
}

std::size_t VXThreadManager::ThreadCount() const {
  std::lock_guard guard(threadsMutex_);
  return threads_.size();
}

std::size_t VXThreadManager::IdleCount() const {
  std::lock_guard guard(threadsMutex_);
  return idle_.size();
}

}  // namespace vx
