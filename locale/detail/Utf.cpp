#include "locale/detail/Utf.hpp"

#include <cstdint>

namespace vx::locale::detail {
namespace {

constexpr char32_t kReplacement = 0xFFFD;
constexpr std::size_t kMaxUtf8Bytes = 4;

bool isHighSurrogate(char32_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool isLowSurrogate(char32_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

struct Lead {
  int extra;  // continuation bytes that follow; -1 for a byte that cannot start a sequence
  std::uint8_t payloadMask;
  char32_t minimum;  // smaller values in this form are overlong
};

Lead leadForm(std::uint8_t lead) {
  if (lead < 0x80) return {0, 0x7F, 0};
  if ((lead & 0xE0) == 0xC0) return {1, 0x1F, 0x80};
  if ((lead & 0xF0) == 0xE0) return {2, 0x0F, 0x800};
  if ((lead & 0xF8) == 0xF0) return {3, 0x07, 0x10000};
  return {-1, 0, 0};
}

// Reads one code point at utf16[*pos] and advances past it.
char32_t nextCodePoint(std::u16string_view utf16, std::size_t* pos) {
  char32_t c = utf16[(*pos)++];
  if (isHighSurrogate(c) && *pos < utf16.size() && isLowSurrogate(utf16[*pos])) {
    return 0x10000 + ((c - 0xD800) << 10) + (utf16[(*pos)++] - 0xDC00);
  }
  return isHighSurrogate(c) || isLowSurrogate(c) ? kReplacement : c;
}

std::size_t encodeUtf8(char32_t c, char* out) {
  if (c < 0x80) {
    out[0] = static_cast<char>(c);
    return 1;
  }
  if (c < 0x800) {
    out[0] = static_cast<char>(0xC0 | (c >> 6));
    out[1] = static_cast<char>(0x80 | (c & 0x3F));
    return 2;
  }
  if (c < 0x10000) {
    out[0] = static_cast<char>(0xE0 | (c >> 12));
    out[1] = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out[2] = static_cast<char>(0x80 | (c & 0x3F));
    return 3;
  }
  out[0] = static_cast<char>(0xF0 | (c >> 18));
  out[1] = static_cast<char>(0x80 | ((c >> 12) & 0x3F));
  out[2] = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
  out[3] = static_cast<char>(0x80 | (c & 0x3F));
  return 4;
}

}  // namespace

bool Utf8ToUtf16(std::string_view utf8, std::u16string* utf16) {
  utf16->clear();
  std::size_t i = 0;
  while (i < utf8.size()) {
    auto lead = static_cast<std::uint8_t>(utf8[i]);
    Lead form = leadForm(lead);
    if (form.extra < 0) return false;
    auto extra = static_cast<std::size_t>(form.extra);
    char32_t c = lead & form.payloadMask;
    if (utf8.size() - i - 1 < extra) return false;
    for (std::size_t k = 1; k <= extra; ++k) {
      auto next = static_cast<std::uint8_t>(utf8[i + k]);
      if ((next & 0xC0) != 0x80) return false;
      c = (c << 6) | (next & 0x3F);
    }
    if (c < form.minimum || c > 0x10FFFF || isHighSurrogate(c) || isLowSurrogate(c)) return false;
    if (c >= 0x10000) {
      utf16->push_back(static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10)));
      utf16->push_back(static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF)));
    } else {
      utf16->push_back(static_cast<char16_t>(c));
    }
    i += extra + 1;
  }
  return true;
}

std::string Utf16ToUtf8(std::u16string_view utf16) {
  std::string utf8;
  utf8.reserve(utf16.size());
  char bytes[kMaxUtf8Bytes];
  for (std::size_t pos = 0; pos < utf16.size();) {
    utf8.append(bytes, encodeUtf8(nextCodePoint(utf16, &pos), bytes));
  }
  return utf8;
}

std::size_t Utf16ToUtf8(std::u16string_view utf16, char* out, std::size_t capacity) {
  std::size_t written = 0;
  char bytes[kMaxUtf8Bytes];
  for (std::size_t pos = 0; pos < utf16.size();) {
    std::size_t n = encodeUtf8(nextCodePoint(utf16, &pos), bytes);
    if (written + n + 1 > capacity) break;
    for (std::size_t k = 0; k < n; ++k) out[written++] = bytes[k];
  }
  out[written] = '\0';
  return written;
}

}  // namespace vx::locale::detail
