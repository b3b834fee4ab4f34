#include "runtime/thread/VXTimeOut.hpp"

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <mutex>
#include <vector>

#include "runtime/thread/VXEvent.hpp"
#include "runtime/thread/VXThreadManager.hpp"
#include "tests/runtime/thread/WaitFor.hpp"

namespace vx {
namespace {

constexpr DWORD kLongDelay = 60000;

struct Probe {
  std::atomic<int> calls{0};
  VXEvent* fired = VXEventManager::Instance().Get(true, false);
  ~Probe() { fired->Free(); }
};

void countCall(void* data, VXTimeOut*) {
  auto* probe = static_cast<Probe*>(data);
  ++probe->calls;
  probe->fired->Set();
}

TEST(VXTimeOutTest, FiresOnceAfterItsDelay) {
  Probe probe;
  VXTimeOut timeOut;
  auto started = std::chrono::steady_clock::now();
  EXPECT_TRUE(timeOut.Start(20, countCall, &probe));
  EXPECT_TRUE(timeOut.IsArmed());
  ASSERT_EQ(probe.fired->Wait(10000), WAIT_OBJECT_0);
  EXPECT_GE(std::chrono::steady_clock::now() - started, std::chrono::milliseconds(20));
  EXPECT_FALSE(timeOut.IsArmed());
  EXPECT_FALSE(timeOut.Cancel()) << "nothing is armed after firing";
  EXPECT_EQ(probe.calls, 1);
}

TEST(VXTimeOutTest, CancelReportsWhetherItStoppedAnArmedTimeOut) {
  Probe probe;
  VXTimeOut timeOut;
  EXPECT_FALSE(timeOut.Cancel());
  timeOut.Start(30, countCall, &probe);
  EXPECT_TRUE(timeOut.Cancel());
  EXPECT_FALSE(timeOut.Cancel());
  EXPECT_EQ(probe.fired->Wait(100), WAIT_TIMEOUT);
  EXPECT_EQ(probe.calls, 0);
}

TEST(VXTimeOutTest, StartingAgainReplacesTheFirstArming) {
  Probe first, second;
  VXTimeOut timeOut;
  timeOut.Start(30, countCall, &first);
  timeOut.Start(40, countCall, &second);
  ASSERT_EQ(second.fired->Wait(10000), WAIT_OBJECT_0);
  EXPECT_EQ(first.fired->Wait(50), WAIT_TIMEOUT);
  EXPECT_EQ(first.calls, 0);
  EXPECT_EQ(second.calls, 1);
}

// A cancel that wins means no callback; one that loses returns false and the callback runs once.
TEST(VXTimeOutTest, CancelRacingTheDeadlineNeverLetsBothHappen) {
  constexpr int kRounds = 300;
  for (int round = 0; round < kRounds; ++round) {
    Probe probe;
    bool cancelled;
    {
      VXTimeOut timeOut;
      timeOut.Start(1, countCall, &probe);
      std::this_thread::sleep_for(std::chrono::microseconds(round % 3 * 400));
      cancelled = timeOut.Cancel();
    }  // destruction waits for a callback that already began
    ASSERT_EQ(probe.calls, cancelled ? 0 : 1) << "round " << round;
  }
}

struct LockedCallback {
  std::mutex userAgentLock;
  VXEvent* entered = VXEventManager::Instance().Get(true, false);
  ~LockedCallback() { entered->Free(); }
};

// Cancel is called under a lock the callback also takes: it must not wait for the callback.
TEST(VXTimeOutTest, CancelUnderTheCallbacksLockDoesNotDeadlock) {
  LockedCallback shared;
  VXTimeOut timeOut;
  {
    std::lock_guard held(shared.userAgentLock);
    timeOut.Start(1, [](void* data, VXTimeOut*) {
      auto* s = static_cast<LockedCallback*>(data);
      s->entered->Set();
      std::lock_guard wait(s->userAgentLock);
    }, &shared);
    ASSERT_EQ(shared.entered->Wait(10000), WAIT_OBJECT_0);
    EXPECT_FALSE(timeOut.Cancel()) << "the callback was already running";
  }
}

struct Repeater {
  VXTimeOut timeOut;
  std::atomic<int> calls{0};
  std::atomic<bool> cancelledInside{true};

  static void onTimeOut(void* data, VXTimeOut* self) {
    auto* r = static_cast<Repeater*>(data);
    if (r->calls == 0 && self->Cancel()) r->cancelledInside = true;
    if (r->calls == 0 && !self->Cancel()) r->cancelledInside = false;
    if (++r->calls < 3) self->Start(1, onTimeOut, data);
  }
};

TEST(VXTimeOutTest, CallbackMayRestartItsOwnTimeOutButHasNothingToCancel) {
  Repeater repeater;
  repeater.timeOut.Start(1, Repeater::onTimeOut, &repeater);
  ASSERT_TRUE(test::waitFor([&] { return repeater.calls == 3; }));
  EXPECT_FALSE(repeater.cancelledInside) << "Cancel inside the callback found the time-out armed";
  EXPECT_FALSE(repeater.timeOut.IsArmed());
}

TEST(VXTimeOutTest, DestructionInsideTheCallbackDoesNotWaitForItself) {
  struct Owner {
    std::unique_ptr<VXTimeOut> timeOut = std::make_unique<VXTimeOut>();
    std::atomic<bool> done{false};
  } owner;
  owner.timeOut->Start(1, [](void* data, VXTimeOut*) {
    auto* o = static_cast<Owner*>(data);
    o->timeOut.reset();
    o->done = true;
  }, &owner);
  ASSERT_TRUE(test::waitFor([&] { return owner.done.load(); }));
}

TEST(VXTimeOutTest, ArmedTimeOutsDoNotHoldThreads) {
  VXThreadManager::Instance().DestroyAll();
  Probe probe;
  std::vector<std::unique_ptr<VXTimeOut>> timeOuts;
  for (int i = 0; i < 200; ++i) {
    timeOuts.push_back(std::make_unique<VXTimeOut>());
    timeOuts.back()->Start(kLongDelay, countCall, &probe);
  }
  EXPECT_EQ(VXThreadManager::Instance().ThreadCount(), 0u);
  for (auto& t : timeOuts) EXPECT_TRUE(t->Cancel());
  EXPECT_EQ(probe.calls, 0);
}

}  // namespace
}  // namespace vx

namespace vx {
namespace {

// The callback re-arms its own time-out just as the owner destroys it: nothing may fire later.
struct Rearming {
  std::atomic<int> calls{0};
  VXEvent* entered = VXEventManager::Instance().Get(true, false);
  ~Rearming() { entered->Free(); }

  static void onTimeOut(void* data, VXTimeOut* self) {
    auto* r = static_cast<Rearming*>(data);
    ++r->calls;
    r->entered->Set();
    std::this_thread::sleep_for(std::chrono::milliseconds(20));  // let the destructor start waiting
    self->Start(1, onTimeOut, data);
  }
};

TEST(VXTimeOutTest, ACallbackCannotReArmATimeOutBeingDestroyed) {
  Rearming rearming;
  auto timeOut = std::make_unique<VXTimeOut>();
  timeOut->Start(1, Rearming::onTimeOut, &rearming);
  ASSERT_EQ(rearming.entered->Wait(10000), WAIT_OBJECT_0);
  timeOut.reset();
  std::this_thread::sleep_for(std::chrono::milliseconds(50));
  EXPECT_EQ(rearming.calls, 1) << "a destroyed time-out fired";
}

}  // namespace
}  // namespace vx
