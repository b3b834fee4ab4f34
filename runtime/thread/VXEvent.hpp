#pragma once
// Recycled manual- and auto-reset events, handed out by the process-wide VXEventManager.
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/win32/Types.hpp"

namespace vx {

namespace detail {
struct EventWaiter;
}

class VXEvent {
 public:
  void Set();
  void Reset();
  // WAIT_OBJECT_0 when signalled, WAIT_TIMEOUT when the time ran out; `ms` may be INFINITE.
  DWORD Wait(DWORD ms);
  // Waits for any (WAIT_OBJECT_0 + index of the first signalled, in the given order) or
  // all (WAIT_OBJECT_0) of 2 to MAXIMUM_WAIT_OBJECTS events; WAIT_FAILED on a bad count.
  static DWORD WaitMultiple(VXEvent* const* events, DWORD count, bool waitAll, DWORD ms);

  // Gives the event back to the pool, or deletes it when marked delete-on-free.
  void Free();
  void SetDeleteOnFree(bool deleteOnFree);
  bool IsManualReset() const { return manualReset_; }

  VXEvent(const VXEvent&) = delete;
  VXEvent& operator=(const VXEvent&) = delete;
  ~VXEvent();

 private:
  friend class VXEventManager;
  explicit VXEvent(bool manualReset) : manualReset_(manualReset) {}
  static DWORD WaitFor(VXEvent* const* events, DWORD count, bool waitAll, DWORD ms);

  // All fields below are guarded by the process-wide event mutex.
  const bool manualReset_;
  bool signalled_ = false;
  bool inUse_ = false;
  bool deleteOnFree_ = false;
  std::vector<detail::EventWaiter*> waiters_;
};

class VXEventManager {
 public:
  static VXEventManager& Instance();

  VXEvent* Get(bool manualReset, bool initiallySignalled);
  // Deletes every event; only when no thread can touch one any more.
  void DestroyAll();

  std::size_t EventCount() const;
  std::size_t FreeCount(bool manualReset) const;

 private:
  friend class VXEvent;
  VXEventManager() = default;
  void Release(VXEvent* event);

  std::vector<std::unique_ptr<VXEvent>> all_;  // guarded by the event mutex
  std::vector<VXEvent*> freeManual_;           // guarded by the event mutex
  std::vector<VXEvent*> freeAuto_;             // guarded by the event mutex
};

}  // namespace vx
