#include "sip/data/TextCodec.hpp"

#include <string>

namespace vx {
namespace {

// Length of the UTF-8 sequence a byte starts, or 1 for a byte that starts none.
std::size_t sequenceLength(unsigned char lead) {
  if (lead >= 0xC0 && lead <= 0xDF) return 2;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xF0 && lead <= 0xF7) return 4;
  if (lead >= 0xF8 && lead <= 0xFB) return 5;
  if (lead >= 0xFC && lead <= 0xFD) return 6;
  return 1;
}

int hexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

Data utf8To8Bit(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    std::size_t n = sequenceLength(static_cast<unsigned char>(text[i]));
    if (n > text.size() - i) break;
    if (n == 1) {
      out += text[i];
    } else {
      // The low 8 bits are the last continuation byte's 6 bits and 2 bits of the byte before it.
      auto high = static_cast<unsigned char>(text[i + n - 2]);
      auto low = static_cast<unsigned char>(text[i + n - 1]);
      out += static_cast<char>(((high & 0x03) << 6) | (low & 0x3F));
    }
    i += n;
  }
  return Data(out);
}

Data eightBitToUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size() * 2);
  for (char c : text) {
    auto b = static_cast<unsigned char>(c);
    if (b < 0x80) {
      out += c;
    } else {
      out += static_cast<char>(0xC0 | (b >> 6));
      out += static_cast<char>(0x80 | (b & 0x3F));
    }
  }
  return Data(out);
}

Data percentDecode(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && text.size() - i > 2) {
      int high = hexValue(text[i + 1]);
      int low = hexValue(text[i + 2]);
      if (high >= 0 && low >= 0) {
        out += static_cast<char>(high * 16 + low);
        i += 2;
        continue;
      }
    }
    out += text[i];
  }
  return Data(out);
}

}  // namespace vx
