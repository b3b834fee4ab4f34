#pragma once
// Helpers of the SIP message model tests.
#include <atomic>
#include <ostream>

#include "runtime/log/Assert.hpp"
#include "sip/data/Data.hpp"

namespace vx {
// Shows a Data as its text in test failures.
inline void PrintTo(const Data& data, std::ostream* os) { *os << '"' << data.view() << '"'; }
}  // namespace vx

namespace vx::test {

// Counts assertions raised while it lives, silently, so a test can say "none" or "exactly one".
class AssertWatch {
 public:
  AssertWatch() {
    count().store(0);
    SetAssertModeSource(&countAndStaySilent);
  }
  ~AssertWatch() { SetAssertModeSource(nullptr); }
  AssertWatch(const AssertWatch&) = delete;
  AssertWatch& operator=(const AssertWatch&) = delete;

  int raised() const { return count().load(); }

 private:
  static std::atomic<int>& count() {
    static std::atomic<int> n{0};
    return n;
  }
  static DWORD countAndStaySilent() {
    count().fetch_add(1);
    return kAssertSilent;
  }
};

}  // namespace vx::test
