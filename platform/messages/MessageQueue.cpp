#include "platform/messages/MessageQueue.hpp"

#include <sys/eventfd.h>
#include <unistd.h>

#include <chrono>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <optional>
#include <unordered_map>
#include <utility>

namespace vx {
namespace {

// A posted record; it frees its data unless it was handed to a window procedure first.
class Record {
 public:
  Record(HWND window, UINT message, WPARAM wParam, LPARAM lParam, RecordDeleter deleter)
      : window_(window), message_(message), wParam_(wParam), lParam_(lParam), deleter_(deleter) {}
  Record(Record&& other) noexcept
      : window_(other.window_), message_(other.message_), wParam_(other.wParam_), lParam_(other.lParam_),
        deleter_(std::exchange(other.deleter_, nullptr)) {}
  Record& operator=(Record&&) = delete;
  ~Record() {
    if (deleter_) deleter_(message_, wParam_, lParam_);
  }

  HWND window() const { return window_; }
  LRESULT deliver(const WindowProc& proc) const { return proc(window_, message_, wParam_, lParam_); }

 private:
  HWND window_;
  UINT message_;
  WPARAM wParam_;
  LPARAM lParam_;
  RecordDeleter deleter_;
};

class Queue {
 public:
  Queue() : eventFd_(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {}
  ~Queue() {
    records_.clear();
    if (eventFd_ >= 0) ::close(eventFd_);
  }

  int eventFd() const { return eventFd_; }

  void push(Record record) {
    {
      std::lock_guard guard(mutex_);
      records_.push_back(std::move(record));
    }
    wake_.notify_one();
    signal();
  }

  // Waits until a record is pending or the time is up; `timeoutMs` may be INFINITE.
  std::optional<Record> pop(DWORD timeoutMs) {
    std::unique_lock lock(mutex_);
    auto ready = [&] { return !records_.empty(); };
    if (timeoutMs == INFINITE) {
      wake_.wait(lock, ready);
    } else if (!wake_.wait_for(lock, std::chrono::milliseconds(timeoutMs), ready)) {
      return std::nullopt;
    }
    Record record = std::move(records_.front());
    records_.pop_front();
    return record;
  }

  std::size_t size() {
    std::lock_guard guard(mutex_);
    return records_.size();
  }

  void signal() {
    std::uint64_t one = 1;
    [[maybe_unused]] ssize_t n = ::write(eventFd_, &one, sizeof one);
  }

  void drainEventFd() {
    std::uint64_t count;
    [[maybe_unused]] ssize_t n = ::read(eventFd_, &count, sizeof count);
  }

  // Removes the window's records; the caller frees them outside the lock.
  std::deque<Record> purge(HWND window) {
    std::deque<Record> removed;
    std::lock_guard guard(mutex_);
    std::deque<Record> kept;
    for (Record& r : records_) (r.window() == window ? removed : kept).push_back(std::move(r));
    records_.swap(kept);
    return removed;
  }

 private:
  int eventFd_;
  std::mutex mutex_;
  std::condition_variable wake_;
  std::deque<Record> records_;  // guarded by mutex_
};

struct Window {
  WindowProc proc;
  std::weak_ptr<Queue> owner;
};

// Every live window of the process; guarded by its mutex.
struct WindowTable {
  std::mutex mutex;
  std::unordered_map<HWND, std::shared_ptr<Window>> windows;
  HWND nextHandle = 1;
};

// Never destroyed: engine threads may still post while the process exits.
WindowTable& table() {
  static WindowTable* instance = new WindowTable;
  return *instance;
}

std::shared_ptr<Queue>& currentQueue() {
  thread_local std::shared_ptr<Queue> queue = std::make_shared<Queue>();
  return queue;
}

std::shared_ptr<Window> findWindow(HWND window) {
  std::lock_guard guard(table().mutex);
  auto it = table().windows.find(window);
  return it == table().windows.end() ? nullptr : it->second;
}

void dispatch(const Record& record) {
  if (auto window = findWindow(record.window())) record.deliver(window->proc);
}

}  // namespace

HWND CreateMessageWindow(WindowProc proc) {
  auto window = std::make_shared<Window>(Window{std::move(proc), currentQueue()});
  std::lock_guard guard(table().mutex);
  HWND handle = table().nextHandle++;
  table().windows.emplace(handle, std::move(window));
  return handle;
}

bool DestroyWindow(HWND handle) {
  std::shared_ptr<Window> window;
  {
    std::lock_guard guard(table().mutex);
    auto it = table().windows.find(handle);
    if (it == table().windows.end()) return false;
    window = std::move(it->second);
    table().windows.erase(it);
  }
  if (auto queue = window->owner.lock()) queue->purge(handle);
  return true;
}

bool IsWindow(HWND window) { return findWindow(window) != nullptr; }

bool PostMessage(HWND handle, UINT message, WPARAM wParam, LPARAM lParam, RecordDeleter deleter) {
  Record record(handle, message, wParam, lParam, deleter);
  auto window = findWindow(handle);
  auto queue = window ? window->owner.lock() : nullptr;
  if (!queue) return false;
  queue->push(std::move(record));
  return true;
}

int MessageQueueEventFd() { return currentQueue()->eventFd(); }

bool PumpMessage(DWORD timeoutMs) {
  auto record = currentQueue()->pop(timeoutMs);
  if (!record) return false;
  dispatch(*record);
  return true;
}

// Only what is pending on entry: a handler that posts again must not starve the caller's loop.
std::size_t DispatchPendingMessages() {
  Queue& queue = *currentQueue();
  queue.drainEventFd();
  std::size_t pending = queue.size();
  std::size_t count = 0;
  for (; count < pending; ++count) {
    auto record = queue.pop(0);
    if (!record) break;
    dispatch(*record);
  }
  if (queue.size() > 0) queue.signal();  // keep the eventfd readable for what is left
  return count;
}

}  // namespace vx
