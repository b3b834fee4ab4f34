#include "sip/data/Sptr.hpp"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

namespace vx {
namespace {

struct Base {
  virtual ~Base() = default;
};
struct Derived : Base {
  explicit Derived(int* deaths) : deaths_(deaths) {}
  ~Derived() override { ++*deaths_; }
  int* deaths_;
};
struct Other : Base {};

TEST(SptrTest, DownCastSharesTheCountAndIsNullForAnotherClass) {
  int deaths = 0;
  {
    Sptr<Base> base = makeSptr<Derived>(&deaths);
    Sptr<Derived> derived = Sptr<Derived>::cast(base);
    ASSERT_TRUE(derived);
    EXPECT_EQ(base.useCount(), 2);
    EXPECT_FALSE(Sptr<Other>::cast(base));
    base = base;  // assigning what it holds changes nothing
    EXPECT_EQ(derived.useCount(), 2);
    base.reset();
    EXPECT_EQ(deaths, 0);
  }
  EXPECT_EQ(deaths, 1);
}

TEST(SptrTest, CopiesOnManyThreadsReleaseTheObjectOnce) {
  int deaths = 0;
  {
    Sptr<Base> shared = makeSptr<Derived>(&deaths);
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
      threads.emplace_back([shared] {
        for (int i = 0; i < 10000; ++i) {
          Sptr<Base> copy = shared;
        }
      });
    }
    for (auto& thread : threads) thread.join();
    EXPECT_EQ(shared.useCount(), 1);
  }
  EXPECT_EQ(deaths, 1);
}

}  // namespace
}  // namespace vx
