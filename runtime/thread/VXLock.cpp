#include "runtime/thread/VXLock.hpp"

#include "runtime/log/Assert.hpp"

namespace vx {

VXLock::VXLock(bool acquired) {
  if (acquired) Lock();
}

VXLock::~VXLock() {
  std::lock_guard guard(guard_);
  if (depth_ == 0) return;
  VX_ASSERT(owner_ == std::this_thread::get_id());
  depth_ = 0;
  owner_ = {};
}

void VXLock::Lock() {
  std::unique_lock guard(guard_);
  auto self = std::this_thread::get_id();
  if (owner_ == self) {
    ++depth_;
    return;
  }
  ++waiting_;
  released_.wait(guard, [&] { return depth_ == 0; });
  --waiting_;
  owner_ = self;
  depth_ = 1;
}

void VXLock::Unlock() {
  std::unique_lock guard(guard_);
  if (depth_ == 0 || owner_ != std::this_thread::get_id()) {
    guard.unlock();
    VX_ASSERT(false);
    return;
  }
  if (--depth_ > 0) return;
  owner_ = {};
  if (waiting_ > 0) released_.notify_one();
}

bool VXLock::IsHeldByCurrentThread() const {
  std::lock_guard guard(guard_);
  return depth_ > 0 && owner_ == std::this_thread::get_id();
}

}  // namespace vx
