#pragma once
// CryptoRandom: the process-wide random source for Call-IDs, tags, branches and client
// nonces. It draws from the kernel's entropy pool, so processes started together never
// make the same identifiers, and it is safe to call from any thread.
#include <cstddef>

#include "sip/data/Data.hpp"

namespace vx {

class CryptoRandom {
 public:
  // Fills n bytes; false (after an assertion) only when the kernel source is unusable.
  static bool getRandom(void* bytes, std::size_t n);
  // n random bytes as a Data.
  static Data bytes(std::size_t n);
  // n random bytes as 2*n lowercase hexadecimal digits, the form tags and branches use.
  static Data hex(std::size_t n);
};

}  // namespace vx
