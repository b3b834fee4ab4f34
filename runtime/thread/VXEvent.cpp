#include "runtime/thread/VXEvent.hpp"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <mutex>

#include "runtime/log/Assert.hpp"

namespace vx {

namespace detail {
struct EventWaiter {
  std::condition_variable wake;
};
}  // namespace detail

namespace {

// One mutex for every event: a wait on several events must see them all consistently.
// Never destroyed: pool threads still set events while the process exits.
std::mutex& eventMutex() {
  static std::mutex* instance = new std::mutex;
  return *instance;
}

using Clock = std::chrono::steady_clock;

}  // namespace

VXEvent::~VXEvent() = default;

void VXEvent::Set() {
  bool inUse;
  {
    std::lock_guard guard(eventMutex());
    inUse = inUse_;
    signalled_ = true;
    for (detail::EventWaiter* waiter : waiters_) waiter->wake.notify_one();
  }
  VX_ASSERT(inUse);
}

void VXEvent::Reset() {
  bool inUse;
  {
    std::lock_guard guard(eventMutex());
    inUse = inUse_;
    signalled_ = false;
  }
  VX_ASSERT(inUse);
}

DWORD VXEvent::Wait(DWORD ms) {
  bool inUse;
  {
    std::lock_guard guard(eventMutex());
    inUse = inUse_;
  }
  VX_ASSERT(inUse);
  VXEvent* self = this;
  return WaitFor(&self, 1, false, ms);
}

DWORD VXEvent::WaitMultiple(VXEvent* const* events, DWORD count, bool waitAll, DWORD ms) {
  if (!events || count < 2 || count > MAXIMUM_WAIT_OBJECTS) {
    VX_ASSERT(false);
    return WAIT_FAILED;
  }
  return WaitFor(events, count, waitAll, ms);
}

DWORD VXEvent::WaitFor(VXEvent* const* events, DWORD count, bool waitAll, DWORD ms) {
  std::unique_lock lock(eventMutex());
  detail::EventWaiter waiter;
  for (DWORD i = 0; i < count; ++i) events[i]->waiters_.push_back(&waiter);

  auto consume = [](VXEvent* e) {
    if (!e->manualReset_) e->signalled_ = false;
  };
  auto ready = [&]() -> DWORD {
    if (waitAll) {
      bool all = std::all_of(events, events + count, [](VXEvent* e) { return e->signalled_; });
      if (!all) return WAIT_TIMEOUT;
      std::for_each(events, events + count, consume);
      return WAIT_OBJECT_0;
    }
    for (DWORD i = 0; i < count; ++i) {
      if (events[i]->signalled_) {
        consume(events[i]);
        return WAIT_OBJECT_0 + i;
      }
    }
    return WAIT_TIMEOUT;
  };

  DWORD result = ready();
  const auto deadline = Clock::now() + std::chrono::milliseconds(ms);
  while (result == WAIT_TIMEOUT) {
    if (ms == INFINITE) {
      waiter.wake.wait(lock);
    } else if (waiter.wake.wait_until(lock, deadline) == std::cv_status::timeout) {
      result = ready();
      break;
    }
    result = ready();
  }
  for (DWORD i = 0; i < count; ++i) std::erase(events[i]->waiters_, &waiter);
  return result;
}

void VXEvent::Free() { VXEventManager::Instance().Release(this); }

void VXEvent::SetDeleteOnFree(bool deleteOnFree) {
  std::lock_guard guard(eventMutex());
  deleteOnFree_ = deleteOnFree;
}

VXEventManager& VXEventManager::Instance() {
  static VXEventManager instance;
  return instance;
}

VXEvent* VXEventManager::Get(bool manualReset, bool initiallySignalled) {
  std::lock_guard guard(eventMutex());
  auto& freeList = manualReset ? freeManual_ : freeAuto_;
  VXEvent* event = nullptr;
  if (!freeList.empty()) {
    event = freeList.back();
    freeList.pop_back();
  } else {
    all_.push_back(std::unique_ptr<VXEvent>(new VXEvent(manualReset)));
    event = all_.back().get();
  }
  event->inUse_ = true;
  event->deleteOnFree_ = false;
  event->signalled_ = initiallySignalled;
  return event;
}

void VXEventManager::Release(VXEvent* event) {
  std::unique_lock guard(eventMutex());
  if (!event->inUse_) {
    guard.unlock();
    VX_ASSERT(false);
    return;
  }
  event->inUse_ = false;
  event->signalled_ = false;
  if (event->deleteOnFree_) {
    // Deleted, so it must not also sit on a free list.
    std::erase_if(all_, [event](const auto& owned) { return owned.get() == event; });
    return;
  }
  (event->manualReset_ ? freeManual_ : freeAuto_).push_back(event);
}

void VXEventManager::DestroyAll() {
  std::lock_guard guard(eventMutex());
  freeManual_.clear();
  freeAuto_.clear();
  all_.clear();
}

std::size_t VXEventManager::EventCount() const {
  std::lock_guard guard(eventMutex());
  return all_.size();
}

std::size_t VXEventManager::FreeCount(bool manualReset) const {
  std::lock_guard guard(eventMutex());
  return (manualReset ? freeManual_ : freeAuto_).size();
}

}  // namespace vx
