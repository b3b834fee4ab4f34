#include "sip/data/CryptoRandom.hpp"

#include <sys/random.h>

#include <cerrno>
#include <string>
#include <vector>

#include "runtime/log/Assert.hpp"

namespace vx {

bool CryptoRandom::getRandom(void* bytes, std::size_t n) {
  auto* out = static_cast<unsigned char*>(bytes);
  std::size_t filled = 0;
  while (filled < n) {
    // getrandom may deliver fewer bytes than asked or be interrupted; go on until all are there.
    ssize_t got = ::getrandom(out + filled, n - filled, 0);
    if (got > 0) {
      filled += static_cast<std::size_t>(got);
    } else if (got < 0 && errno != EINTR) {
      break;
    }
  }
  VX_ASSERT(filled == n);
  return filled == n;
}

Data CryptoRandom::bytes(std::size_t n) {
  std::string buffer(n, '\0');
  if (!getRandom(buffer.data(), n)) return Data();
  return Data(buffer);
}

Data CryptoRandom::hex(std::size_t n) {
  std::vector<unsigned char> buffer(n);
  if (!getRandom(buffer.data(), n)) return Data();
  return Data::hexFromBytes(buffer.data(), n);
}

}  // namespace vx
