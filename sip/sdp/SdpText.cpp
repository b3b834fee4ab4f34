#include "sip/sdp/SdpText.hpp"

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdlib>

namespace vx::detail {

std::vector<std::string_view> sdpSplit(std::string_view text, char delimiter) {
  std::vector<std::string_view> pieces;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find(delimiter, start);
    if (end == std::string_view::npos) end = text.size();
    if (end > start) pieces.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return pieces;
}

std::uint32_t sdpAtoi(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  // Unsigned arithmetic: a peer's long number wraps instead of overflowing.
  std::uint32_t value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = value * 10u + static_cast<std::uint32_t>(text[i] - '0');
  }
  return negative ? 0u - value : value;
}

std::int32_t sdpStrtol(std::string_view text) {
  std::string copy(text);
  long value = std::strtol(copy.c_str(), nullptr, 10);
  if (value > INT32_MAX) return INT32_MAX;
  if (value < INT32_MIN) return INT32_MIN;
  return static_cast<std::int32_t>(value);
}

void sdpSplitHostPort(std::string_view field, std::string& host, std::uint32_t& port) {
  std::size_t colon = field.find(':');
  host = std::string(field.substr(0, colon));
  if (colon != std::string_view::npos) port = sdpAtoi(field.substr(colon + 1));
}

}  // namespace vx::detail
