#include "runtime/thread/VXEvent.hpp"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "tests/runtime/thread/AssertCounter.hpp"

namespace vx {
namespace {

VXEventManager& pool() { return VXEventManager::Instance(); }

TEST(VXEventTest, ManualResetStaysSignalledAutoResetReleasesOneWait) {
  VXEvent* manual = pool().Get(true, true);
  EXPECT_EQ(manual->Wait(0), WAIT_OBJECT_0);
  EXPECT_EQ(manual->Wait(0), WAIT_OBJECT_0);
  manual->Reset();
  EXPECT_EQ(manual->Wait(10), WAIT_TIMEOUT);

  VXEvent* autoReset = pool().Get(false, true);
  EXPECT_EQ(autoReset->Wait(0), WAIT_OBJECT_0);
  EXPECT_EQ(autoReset->Wait(0), WAIT_TIMEOUT);
  manual->Free();
  autoReset->Free();
}

TEST(VXEventTest, SetFromAnotherThreadWakesAWaiter) {
  VXEvent* event = pool().Get(false, false);
  std::thread setter([&] { event->Set(); });
  EXPECT_EQ(event->Wait(INFINITE), WAIT_OBJECT_0);
  setter.join();
  event->Free();
}

TEST(VXEventTest, WaitMultipleForAnyReportsTheFirstSignalledInOrder) {
  VXEvent* events[3] = {pool().Get(true, false), pool().Get(false, true), pool().Get(false, true)};
  EXPECT_EQ(VXEvent::WaitMultiple(events, 3, false, 0), WAIT_OBJECT_0 + 1);
  EXPECT_EQ(VXEvent::WaitMultiple(events, 3, false, 0), WAIT_OBJECT_0 + 2) << "auto-reset event 1 was consumed";
  EXPECT_EQ(VXEvent::WaitMultiple(events, 3, false, 20), WAIT_TIMEOUT);
  for (VXEvent* e : events) e->Free();
}

TEST(VXEventTest, WaitMultipleForAllTakesThemTogether) {
  VXEvent* events[2] = {pool().Get(false, true), pool().Get(false, false)};
  EXPECT_EQ(VXEvent::WaitMultiple(events, 2, true, 20), WAIT_TIMEOUT);
  EXPECT_EQ(events[0]->Wait(0), WAIT_OBJECT_0) << "a timed-out wait-all consumed a signal";
  events[0]->Set();
  std::thread setter([&] { events[1]->Set(); });
  EXPECT_EQ(VXEvent::WaitMultiple(events, 2, true, INFINITE), WAIT_OBJECT_0);
  setter.join();
  EXPECT_EQ(VXEvent::WaitMultiple(events, 2, false, 0), WAIT_TIMEOUT) << "both auto-reset events were consumed";
  for (VXEvent* e : events) e->Free();
}

TEST(VXEventTest, WaitMultipleRefusesBadCounts) {
  test::AssertCounter asserts;
  std::vector<VXEvent*> events;
  for (int i = 0; i < 65; ++i) events.push_back(pool().Get(true, true));
  EXPECT_EQ(VXEvent::WaitMultiple(events.data(), 1, false, 0), WAIT_FAILED);
  EXPECT_EQ(VXEvent::WaitMultiple(events.data(), 65, false, 0), WAIT_FAILED);
  EXPECT_EQ(asserts.raised(), 2);
  EXPECT_EQ(VXEvent::WaitMultiple(events.data(), 64, true, 0), WAIT_OBJECT_0);
  for (VXEvent* e : events) e->Free();
}

TEST(VXEventTest, FreedEventsAreReusedButDeleteOnFreeOnesAreNot) {
  VXEvent* first = pool().Get(true, false);
  first->Free();
  size_t freeBefore = pool().FreeCount(true);
  VXEvent* again = pool().Get(true, true);
  EXPECT_EQ(again, first) << "the free event was not reused";
  EXPECT_EQ(again->Wait(0), WAIT_OBJECT_0) << "reuse did not apply the initial state";

  size_t total = pool().EventCount();
  again->SetDeleteOnFree(true);
  again->Free();
  EXPECT_EQ(pool().EventCount(), total - 1);
  EXPECT_EQ(pool().FreeCount(true), freeBefore - 1) << "a deleted event went back to the free list";
}

TEST(VXEventTest, FreeingTwiceAsserts) {
  test::AssertCounter asserts;
  VXEvent* event = pool().Get(false, false);
  event->Free();
  size_t freeCount = pool().FreeCount(false);
  event->Free();
  EXPECT_EQ(asserts.raised(), 1);
  EXPECT_EQ(pool().FreeCount(false), freeCount) << "the event sits twice on the free list";
}

}  // namespace
}  // namespace vx
