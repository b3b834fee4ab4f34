#pragma once
// Counts assertions raised while it lives, silently.
#include <atomic>

#include "runtime/log/Assert.hpp"

namespace vx::test {

class AssertCounter {
 public:
  AssertCounter() {
    count() = 0;
    SetAssertModeSource([]() -> DWORD {
      ++count();
      return kAssertSilent;
    });
  }
  ~AssertCounter() { SetAssertModeSource(nullptr); }
  AssertCounter(const AssertCounter&) = delete;
  AssertCounter& operator=(const AssertCounter&) = delete;

  int raised() const { return count().load(); }

 private:
  static std::atomic<int>& count() {
    static std::atomic<int> value{0};
    return value;
  }
};

}  // namespace vx::test
