#include "control/ax/LocaleText.hpp"

#include "locale/VXLocale.hpp"

namespace vx {
namespace {

constexpr std::uint32_t kMaxTextUnits = 512;

void appendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

std::string toUtf8(const char16_t* text) {
  std::string out;
  for (const char16_t* p = text; *p; ++p) {
    char32_t c = *p;
    if (c >= 0xD800 && c <= 0xDBFF && p[1] >= 0xDC00 && p[1] <= 0xDFFF) {
      c = 0x10000 + ((c - 0xD800) << 10) + (p[1] - 0xDC00);
      ++p;
    } else if (c >= 0xD800 && c <= 0xDFFF) {
      c = 0xFFFD;  // a lone surrogate
    }
    appendUtf8(out, c);
  }
  return out;
}

}  // namespace

std::string LocaleString(std::uint32_t id) {
  char16_t buffer[kMaxTextUnits + 1] = {};
  if (VXLocaleGetString(id, buffer, kMaxTextUnits) != locale::kLocaleSuccess) return {};
  std::string text = toUtf8(buffer);
  for (size_t at = text.find("%S"); at != std::string::npos; at = text.find("%S", at + 2)) text[at + 1] = 's';
  return text;
}

std::string FormatLocaleString(std::uint32_t id, const std::string& argument) {
  std::string text = LocaleString(id);
  for (size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != '%') continue;
    if (text[i + 1] == 's') return text.replace(i, 2, argument);
    if (text[i + 1] == '%') text.erase(i, 1);
  }
  return text;
}

}  // namespace vx
