#pragma once
// The heap record a notification carries to the host's thread; each notification fills the
// fields it needs. Owned by the posted message and freed by the queue.
#include <array>
#include <cstdint>
#include <string>

namespace vx {

struct NotifyRecord {
  static constexpr std::size_t kStrings = 7;
  static constexpr std::size_t kValues = 9;

  std::int32_t line = 0;
  std::int32_t account = 0;
  std::int32_t state = 0;
  std::array<std::string, kStrings> strings;
  char character = 0;
  bool flag = false;
  std::array<std::int32_t, kValues> values{};
};

}  // namespace vx
