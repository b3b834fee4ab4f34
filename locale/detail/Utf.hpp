#pragma once
// UTF-8 and UTF-16 conversions for the texts: strict when reading translators' files,
// forgiving when writing a text out for people to read.
#include <cstddef>
#include <string>
#include <string_view>

namespace vx::locale::detail {

// Refuses overlong forms, surrogates, values above U+10FFFF and cut sequences.
bool Utf8ToUtf16(std::string_view utf8, std::u16string* utf16);

// Lone surrogates become U+FFFD.
std::string Utf16ToUtf8(std::u16string_view utf16);

// Writes into a fixed buffer without allocating: cuts at a character boundary so that the
// result plus its terminator fits in capacity (which must be at least 1). Returns the bytes written.
std::size_t Utf16ToUtf8(std::u16string_view utf16, char* out, std::size_t capacity);

}  // namespace vx::locale::detail
