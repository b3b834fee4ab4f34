#include "sip/data/CryptoRandom.hpp"

#include <gtest/gtest.h>

#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>

namespace vx {
namespace {

TEST(CryptoRandomTest, DeliversEveryByteAskedFor) {
  for (std::size_t n : {0u, 1u, 7u, 16u, 4096u}) {
    EXPECT_EQ(CryptoRandom::bytes(n).length(), n);
    EXPECT_EQ(CryptoRandom::hex(n).length(), 2 * n);
  }
}

// Tags and branches made at the same moment on different threads must never collide,
// which a generator seeded from the clock does.
TEST(CryptoRandomTest, DrawsOnManyThreadsAtOnceAreDistinct) {
  std::mutex guard;
  std::set<std::string> seen;
  std::vector<std::thread> threads;
  constexpr int kThreads = 4;
  constexpr int kDraws = 500;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([&] {
      for (int i = 0; i < kDraws; ++i) {
        std::string tag = CryptoRandom::hex(8).str();
        std::lock_guard<std::mutex> lock(guard);
        seen.insert(tag);
      }
    });
  }
  for (auto& thread : threads) thread.join();
  EXPECT_EQ(seen.size(), static_cast<std::size_t>(kThreads * kDraws));
}

}  // namespace
}  // namespace vx
