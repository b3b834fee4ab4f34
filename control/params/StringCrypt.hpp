#pragma once
// The stored form of a crypted text parameter: the text padded with zero bytes to whole
// 8-byte blocks (always at least one zero byte), Blowfish-ECB with little-endian words,
// written as upper-case hexadecimal.
#include <cstddef>
#include <string>
#include <string_view>

namespace vx {

std::string EncryptString(std::string_view plain);

// Text up to the first zero byte of the decrypted bytes. A byte count that is not a whole
// number of blocks is not decrypted; hexadecimal reading stops at the first bad digit.
std::string DecryptString(std::string_view hex);

// Characters, with the NUL, that the stored form of a text field of `capacity` bytes can need.
constexpr std::size_t EncryptedCapacity(std::size_t capacity) {
  return 2 * 8 * ((capacity > 0 ? capacity - 1 : 0) / 8 + 1) + 1;
}

}  // namespace vx
