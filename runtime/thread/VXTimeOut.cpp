#include "runtime/thread/VXTimeOut.hpp"

#include <pthread.h>

#include <chrono>
#include <map>
#include <thread>
#include <utility>
#include <vector>

#include "runtime/thread/VXThreadManager.hpp"

namespace vx {

using Clock = std::chrono::steady_clock;

namespace detail {

struct TimeOutCore {
  explicit TimeOutCore(VXTimeOut* timeOut) : owner(timeOut) {}

  VXTimeOut* const owner;
  std::mutex state;  // the state lock: guards every field below
  std::condition_variable callbacksDone;
  std::uint64_t generation = 0;  // bumped by every Start and Cancel; stale deadlines carry an old one
  bool armed = false;
  bool dying = false;  // set by destruction: nothing may arm the time-out again
  int running = 0;  // callbacks handed to the pool and not yet returned
  VXTimeOut::Callback callback = nullptr;
  void* userData = nullptr;
  int priority = kPriorityNormal;
};

}  // namespace detail

namespace {

using detail::TimeOutCore;
using TimerKey = std::pair<Clock::time_point, std::uint64_t>;  // deadline, then arming order
constexpr const char* kTimerThreadName = "vx-timer";

// The callback currently running on this thread, so that destruction inside it does not wait for itself.
thread_local TimeOutCore* tFiring = nullptr;

struct FireTask {
  std::shared_ptr<TimeOutCore> core;
  VXTimeOut::Callback callback;
  void* userData;
};

void runCallback(void* argument) {
  std::unique_ptr<FireTask> task(static_cast<FireTask*>(argument));
  TimeOutCore* outer = std::exchange(tFiring, task->core.get());
  task->callback(task->userData, task->core->owner);
  tFiring = outer;
  std::lock_guard guard(task->core->state);
  --task->core->running;
  task->core->callbacksDone.notify_all();
}

// Decides under the state lock whether this deadline still counts, and if so hands the callback to the pool.
void fire(const std::shared_ptr<TimeOutCore>& core, std::uint64_t generation) {
  auto task = std::make_unique<FireTask>();
  int priority;
  {
    std::lock_guard guard(core->state);
    if (!core->armed || core->generation != generation) return;
    core->armed = false;  // idle again before the callback, so it may Start itself
    ++core->running;
    *task = FireTask{core, core->callback, core->userData};
    priority = core->priority;
  }
  VXThreadManager::Instance().Run(runCallback, task.release(), priority);
}

// One thread that sleeps until the earliest deadline of every armed time-out.
class TimerService {
 public:
  static TimerService& Instance() {
    static TimerService instance;
    return instance;
  }

  TimerKey Add(DWORD delayMs, std::shared_ptr<TimeOutCore> core, std::uint64_t generation) {
    std::lock_guard guard(mutex_);
    TimerKey key{Clock::now() + std::chrono::milliseconds(delayMs), nextOrder_++};
    bool earliest = deadlines_.empty() || key < deadlines_.begin()->first;
    deadlines_.emplace(key, Entry{std::move(core), generation});
    if (earliest) wake_.notify_one();
    return key;
  }

  void Remove(const TimerKey& key) {
    std::lock_guard guard(mutex_);
    deadlines_.erase(key);
  }

  ~TimerService() {
    {
      std::lock_guard guard(mutex_);
      stop_ = true;
    }
    wake_.notify_one();
    thread_.join();
  }

 private:
  struct Entry {
    std::shared_ptr<TimeOutCore> core;
    std::uint64_t generation;
  };

  TimerService() {
    VXThreadManager::Instance();  // the pool must outlive this thread, which feeds it
    thread_ = std::thread([this] { Loop(); });
    pthread_setname_np(thread_.native_handle(), kTimerThreadName);
  }

  void Loop() {
    std::unique_lock lock(mutex_);
    while (!stop_) {
      if (deadlines_.empty()) {
        wake_.wait(lock);
        continue;
      }
      auto due = deadlines_.begin()->first.first;
      if (Clock::now() < due) {
        wake_.wait_until(lock, due);
        continue;
      }
      std::vector<Entry> ready;
      auto now = Clock::now();
      while (!deadlines_.empty() && deadlines_.begin()->first.first <= now) {
        ready.push_back(std::move(deadlines_.begin()->second));
        deadlines_.erase(deadlines_.begin());
      }
      lock.unlock();
      for (const Entry& entry : ready) fire(entry.core, entry.generation);
      lock.lock();
    }
  }

  std::mutex mutex_;
  std::condition_variable wake_;
  std::map<TimerKey, Entry> deadlines_;  // guarded by mutex_
  std::uint64_t nextOrder_ = 0;          // guarded by mutex_
  bool stop_ = false;                    // guarded by mutex_
  std::thread thread_;
};

}  // namespace

// The timer service is made first, so that it outlives every time-out, static ones included.
VXTimeOut::VXTimeOut() : core_(std::make_shared<TimeOutCore>(this)) { TimerService::Instance(); }

VXTimeOut::~VXTimeOut() {
  {
    VXLockHolder holder(lock_);
    bool wasArmed;
    {
      std::lock_guard guard(core_->state);
      core_->dying = true;  // a callback running now cannot re-arm it
      wasArmed = std::exchange(core_->armed, false);
      ++core_->generation;
    }
    if (wasArmed) TimerService::Instance().Remove(armedKey_);
  }
  std::unique_lock guard(core_->state);
  int own = tFiring == core_.get() ? 1 : 0;
  core_->callbacksDone.wait(guard, [&] { return core_->running <= own; });
}

bool VXTimeOut::Start(DWORD delayMs, Callback callback, void* userData, int priority) {
  VXLockHolder holder(lock_);
  Cancel();
  std::uint64_t generation;
  {
    std::lock_guard guard(core_->state);
    if (core_->dying) return true;
    core_->callback = callback;
    core_->userData = userData;
    core_->priority = priority;
    core_->armed = true;
    generation = ++core_->generation;
  }
  armedKey_ = TimerService::Instance().Add(delayMs, core_, generation);
  return true;
}

bool VXTimeOut::Cancel() {
  VXLockHolder holder(lock_);
  {
    std::lock_guard guard(core_->state);
    if (!core_->armed) return false;
    core_->armed = false;
    ++core_->generation;
  }
  TimerService::Instance().Remove(armedKey_);
  return true;
}

bool VXTimeOut::IsArmed() const {
  std::lock_guard guard(core_->state);
  return core_->armed;
}

}  // namespace vx
