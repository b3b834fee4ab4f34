#pragma once
// A one-shot timer whose callback runs on a pool thread.
//
// Armed time-outs do not hold threads: one timer thread watches every deadline on the
// monotonic clock and hands due callbacks to the pool. Whether a time-out fires is decided
// under its state lock, so a Cancel that wins means the callback never runs. Cancel never
// waits for a running callback (callers hold their own locks); destruction does, unless it
// happens inside that callback.
#include <chrono>
#include <cstdint>
#include <memory>
#include <mutex>

#include "platform/win32/Types.hpp"
#include "runtime/thread/Priority.hpp"
#include "runtime/thread/VXLock.hpp"

namespace vx {

namespace detail {
struct TimeOutCore;
}

class VXTimeOut {
 public:
  using Callback = void (*)(void* userData, VXTimeOut* timeOut);

  VXTimeOut();
  ~VXTimeOut();
  VXTimeOut(const VXTimeOut&) = delete;
  VXTimeOut& operator=(const VXTimeOut&) = delete;

  // Re-arms when already armed. Always returns true.
  bool Start(DWORD delayMs, Callback callback, void* userData, int priority = kPriorityNormal);
  // True when an armed time-out was cancelled; false when none was armed (also inside the callback).
  bool Cancel();
  bool IsArmed() const;

 private:
  VXLock lock_;  // serialises Start, Cancel and destruction; taken before the core's state lock
  std::shared_ptr<detail::TimeOutCore> core_;
  // The armed deadline's key in the timer thread's table, guarded by lock_.
  std::pair<std::chrono::steady_clock::time_point, std::uint64_t> armedKey_{};
};

}  // namespace vx
