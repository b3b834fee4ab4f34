#include "platform/com/Guid.hpp"

#include <cstdio>

namespace vx {
namespace {

constexpr std::string_view kDigitGroups = "xxxxxxxx-xxxx-xxxx-xxxx-xxxxxxxxxxxx";

int hexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

std::optional<GUID> parseGuid(std::string_view text) {
  if (text.size() == kDigitGroups.size() + 2 && text.front() == '{' && text.back() == '}') {
    text = text.substr(1, text.size() - 2);
  }
  if (text.size() != kDigitGroups.size()) return std::nullopt;
  std::uint8_t bytes[16];
  int nibbles = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (kDigitGroups[i] == '-') {
      if (text[i] != '-') return std::nullopt;
      continue;
    }
    int v = hexValue(text[i]);
    if (v < 0) return std::nullopt;
    std::uint8_t& b = bytes[nibbles / 2];
    b = static_cast<std::uint8_t>(nibbles % 2 ? (b << 4) | v : v);
    ++nibbles;
  }
  GUID guid;
  guid.data1 = (std::uint32_t(bytes[0]) << 24) | (bytes[1] << 16) | (bytes[2] << 8) | bytes[3];
  guid.data2 = static_cast<std::uint16_t>((bytes[4] << 8) | bytes[5]);
  guid.data3 = static_cast<std::uint16_t>((bytes[6] << 8) | bytes[7]);
  for (int i = 0; i < 8; ++i) guid.data4[i] = bytes[8 + i];
  return guid;
}

std::string formatGuid(const GUID& g) {
  char text[40];
  std::snprintf(text, sizeof text, "{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}", g.data1, g.data2, g.data3,
                g.data4[0], g.data4[1], g.data4[2], g.data4[3], g.data4[4], g.data4[5], g.data4[6], g.data4[7]);
  return text;
}

}  // namespace vx
