#pragma once
// 128-bit class and interface identifiers, written "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}".
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/Export.hpp"

namespace vx {

struct GUID {
  std::uint32_t data1 = 0;
  std::uint16_t data2 = 0;
  std::uint16_t data3 = 0;
  std::array<std::uint8_t, 8> data4{};

  friend bool operator==(const GUID&, const GUID&) = default;
};
using IID = GUID;
using CLSID = GUID;

// Accepts the text with or without braces, hex digits in either case.
VX_EXPORT std::optional<GUID> parseGuid(std::string_view text);
// Upper-case, with braces.
VX_EXPORT std::string formatGuid(const GUID& guid);

}  // namespace vx
