#pragma once
// Conversions of received text that read multi-byte sequences: UTF-8 display names and
// %-escapes. Each reads only within its input: a sequence cut short at the end is never
// completed from bytes past it.
#include <string_view>

#include "sip/data/Data.hpp"

namespace vx {

// Each UTF-8 sequence of 2 to 6 bytes becomes one byte, the low 8 bits of its code point.
// A sequence cut short by the end of the text ends the conversion there.
Data utf8To8Bit(std::string_view text);

// Each byte of 0x80 or more becomes its two-byte UTF-8 sequence.
Data eightBitToUtf8(std::string_view text);

// "%XY" with two hexadecimal digits becomes that byte; any other '%' stays as it is.
Data percentDecode(std::string_view text);

}  // namespace vx
