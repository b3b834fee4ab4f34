// libFuzzer target of the session description parser: decodes the input, and checks that
// encoding is a fixed point after one pass, for the session and for a deep copy of it.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "runtime/log/Assert.hpp"
#include "sip/sdp/SdpSession.hpp"

namespace {

vx::DWORD abortOnAssert() { std::abort(); }

[[noreturn]] void fail(const char* property, std::string_view text) {
  std::fprintf(stderr, "%s broken by <%.*s>\n", property, static_cast<int>(text.size()), text.data());
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const bool installed = [] {
    vx::SetAssertModeSource(&abortOnAssert);
    return true;
  }();
  (void)installed;

  vx::SdpSession session;
  if (!session.decode(std::string_view(reinterpret_cast<const char*>(data), size))) {
    if (!session.encode().empty()) fail("invalid session encodes empty", "");
    return 0;
  }
  std::string once = session.encode();
  vx::SdpSession again;
  if (!again.decode(once)) fail("encoded session decodes", once);
  if (again.encode() != once) fail("session encoding fixed point", once);
  vx::SdpSession copy = session;
  if (copy.encode() != once) fail("copy encodes the same", once);
  return 0;
}
