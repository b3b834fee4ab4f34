#pragma once
// A recursive lock that knows its owner. Engine code holds it through VXLockHolder.
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>

namespace vx {

class VXLock {
 public:
  explicit VXLock(bool acquired = false);
  ~VXLock();
  VXLock(const VXLock&) = delete;
  VXLock& operator=(const VXLock&) = delete;

  void Lock();
  // Unlocking a lock the calling thread does not hold asserts and changes nothing.
  void Unlock();
  bool IsHeldByCurrentThread() const;

 private:
  mutable std::mutex guard_;
  std::condition_variable released_;
  std::thread::id owner_;     // guarded by guard_; empty when free
  std::uint32_t depth_ = 0;   // guarded by guard_: the owner's holds
  std::uint32_t waiting_ = 0; // guarded by guard_: threads blocked in Lock
};

class VXLockHolder {
 public:
  explicit VXLockHolder(VXLock& lock) : lock_(lock) { lock_.Lock(); }
  ~VXLockHolder() { lock_.Unlock(); }
  VXLockHolder(const VXLockHolder&) = delete;
  VXLockHolder& operator=(const VXLockHolder&) = delete;

 private:
  VXLock& lock_;
};

}  // namespace vx
