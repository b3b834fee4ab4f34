#include "runtime/thread/VXLock.hpp"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "tests/runtime/thread/AssertCounter.hpp"

namespace vx {
namespace {

TEST(VXLockTest, IsRecursiveForItsOwnerAndExcludesOthers) {
  VXLock lock;
  long counter = 0;
  auto work = [&] {
    for (int i = 0; i < 20000; ++i) {
      VXLockHolder outer(lock);
      VXLockHolder inner(lock);
      ++counter;
    }
  };
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t) threads.emplace_back(work);
  for (auto& t : threads) t.join();
  EXPECT_EQ(counter, 80000);
  EXPECT_FALSE(lock.IsHeldByCurrentThread());
}

TEST(VXLockTest, UnlockingALockNotHeldAssertsAndChangesNothing) {
  test::AssertCounter asserts;
  VXLock lock;
  lock.Unlock();
  EXPECT_EQ(asserts.raised(), 1);

  lock.Lock();
  std::thread([&] { lock.Unlock(); }).join();  // not the owner
  EXPECT_EQ(asserts.raised(), 2);
  EXPECT_TRUE(lock.IsHeldByCurrentThread()) << "a stranger's unlock released the lock";
  lock.Unlock();
  EXPECT_FALSE(lock.IsHeldByCurrentThread());
}

TEST(VXLockTest, ConstructedAcquiredAndDestroyedHeld) {
  test::AssertCounter asserts;
  {
    VXLock lock(true);
    EXPECT_TRUE(lock.IsHeldByCurrentThread());
    lock.Lock();
  }
  EXPECT_EQ(asserts.raised(), 0) << "the owner may destroy a lock it holds";
}

}  // namespace
}  // namespace vx
