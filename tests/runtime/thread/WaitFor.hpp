#pragma once
// Waits for a condition with a deadline, never for a fixed time.
#include <chrono>
#include <thread>

namespace vx::test {

template <typename Condition>
bool waitFor(Condition condition, std::chrono::milliseconds limit = std::chrono::seconds(10)) {
  auto deadline = std::chrono::steady_clock::now() + limit;
  while (!condition()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return true;
}

}  // namespace vx::test
