#include "runtime/thread/VXThreadManager.hpp"

#include <gtest/gtest.h>

#include <atomic>

#include "runtime/thread/VXEvent.hpp"
#include "tests/runtime/thread/AssertCounter.hpp"
#include "tests/runtime/thread/WaitFor.hpp"

namespace vx {
namespace {

struct Gate {
  VXEvent* release = VXEventManager::Instance().Get(true, false);
  std::atomic<int> entered{0};
  std::atomic<int> ran{0};
  ~Gate() { release->Free(); }
};

void waitAtGate(void* argument) {
  auto* gate = static_cast<Gate*>(argument);
  ++gate->entered;
  gate->release->Wait(INFINITE);
  ++gate->ran;
}

class VXThreadManagerTest : public ::testing::Test {
 protected:
  void SetUp() override { VXThreadManager::Instance().DestroyAll(); }
  void TearDown() override { VXThreadManager::Instance().DestroyAll(); }
  VXThreadManager& pool_ = VXThreadManager::Instance();
};

TEST_F(VXThreadManagerTest, ThreadsAreCreatedOnDemandAndThenReused) {
  Gate gate;
  pool_.Run(waitAtGate, &gate);
  pool_.Run(waitAtGate, &gate);
  EXPECT_EQ(pool_.ThreadCount(), 2u) << "two tasks at once need two threads";
  gate.release->Set();
  ASSERT_TRUE(test::waitFor([&] { return pool_.IdleCount() == 2; }));
  EXPECT_EQ(gate.ran, 2);

  pool_.Run(waitAtGate, &gate);
  pool_.Run(waitAtGate, &gate);
  ASSERT_TRUE(test::waitFor([&] { return gate.ran == 4; }));
  EXPECT_EQ(pool_.ThreadCount(), 2u) << "idle threads were not reused";
}

TEST_F(VXThreadManagerTest, EveryTaskRunsExactlyOnceUnderLoad) {
  constexpr int kTasks = 2000;
  std::atomic<int> runs{0};
  for (int i = 0; i < kTasks; ++i) {
    pool_.Run([](void* counter) { ++*static_cast<std::atomic<int>*>(counter); }, &runs);
  }
  ASSERT_TRUE(test::waitFor([&] { return runs == kTasks; }));
  ASSERT_TRUE(test::waitFor([&] { return pool_.IdleCount() == pool_.ThreadCount(); }));
  EXPECT_EQ(runs, kTasks);
}

TEST_F(VXThreadManagerTest, DestroyAllWaitsForRunningTasks) {
  Gate gate;
  pool_.Run(waitAtGate, &gate);
  ASSERT_TRUE(test::waitFor([&] { return gate.entered == 1; }));
  std::thread opener([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(20));  // let DestroyAll start waiting
    gate.release->Set();
  });
  pool_.DestroyAll();
  EXPECT_EQ(gate.ran, 1);
  EXPECT_EQ(pool_.ThreadCount(), 0u);
  opener.join();
}

}  // namespace
}  // namespace vx

namespace vx {
namespace {

TEST_F(VXThreadManagerTest, DestroyAllFromAPoolThreadIsRefused) {
  test::AssertCounter asserts;
  std::atomic<bool> returned{false};
  struct Context {
    std::atomic<bool>* returned;
  } context{&returned};
  pool_.Run([](void* data) {
    VXThreadManager::Instance().DestroyAll();
    *static_cast<Context*>(data)->returned = true;
  }, &context);
  ASSERT_TRUE(test::waitFor([&] { return returned.load(); }));
  EXPECT_EQ(asserts.raised(), 1);
  ASSERT_TRUE(test::waitFor([&] { return pool_.IdleCount() == 1; })) << "the pool thread did not survive";
}

}  // namespace
}  // namespace vx
