#pragma once
// The fixed-layout record sent to the debug device: 324 bytes, little-endian, zero-filled.
#include <cstdint>

namespace vx {

struct LogRecord {
  std::uint32_t reserved;
  std::uint32_t level;  // 4 is written as 0
  std::uint32_t processId;
  std::uint32_t threadId;
  std::uint32_t value;  // always 0 from this library
  char application[16];
  char channel[32];
  char message[256];
};
static_assert(sizeof(LogRecord) == 324, "the device reads exactly 324 bytes");

}  // namespace vx
