#pragma once
// Bounds on a received message. Past either one the message is refused whole.
#include <cstddef>

namespace vx {

inline constexpr std::size_t kMaxMessageBytes = 64 * 1024;
// Header values, counting each element of a comma-separated list.
inline constexpr std::size_t kMaxHeaderValues = 2048;

struct SipMsgLimits {
  std::size_t maxMessageBytes = kMaxMessageBytes;
  std::size_t maxHeaderValues = kMaxHeaderValues;
};

}  // namespace vx
