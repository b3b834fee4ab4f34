#include "control/params/StringCrypt.hpp"

#include <nettle/blowfish.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

#include "control/params/ParamsConfig.hpp"

namespace vx {
namespace {

using paramsconfig::kCryptBlock;

blowfish_ctx makeContext() {
  blowfish_ctx context{};
  blowfish_set_key(&context, paramsconfig::kCryptKeyLength, reinterpret_cast<const uint8_t*>(paramsconfig::kCryptKey));
  return context;
}

const blowfish_ctx& context() {
  static const blowfish_ctx instance = makeContext();
  return instance;
}

// The stored form reads each 32-bit half of a block little-endian; the cipher reads it big-endian.
void swapWords(std::uint8_t* data, std::size_t length) {
  for (std::size_t i = 0; i + 4 <= length; i += 4) {
    std::swap(data[i], data[i + 3]);
    std::swap(data[i + 1], data[i + 2]);
  }
}

int hexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

}  // namespace

std::string EncryptString(std::string_view plain) {
  std::vector<std::uint8_t> data(kCryptBlock * (plain.size() / kCryptBlock + 1), 0);
  std::copy(plain.begin(), plain.end(), data.begin());
  swapWords(data.data(), data.size());
  blowfish_encrypt(&context(), data.size(), data.data(), data.data());
  swapWords(data.data(), data.size());

  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string hex;
  hex.reserve(2 * data.size());
  for (std::uint8_t byte : data) {
    hex += kDigits[byte >> 4];
    hex += kDigits[byte & 0x0F];
  }
  return hex;
}

std::string DecryptString(std::string_view hex) {
  std::vector<std::uint8_t> data;
  data.reserve(hex.size() / 2);
  for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
    int high = hexValue(hex[i]);
    int low = hexValue(hex[i + 1]);
    if (high < 0 || low < 0) break;
    data.push_back(static_cast<std::uint8_t>(high << 4 | low));
  }
  if (data.size() % kCryptBlock == 0) {
    swapWords(data.data(), data.size());
    blowfish_decrypt(&context(), data.size(), data.data(), data.data());
    swapWords(data.data(), data.size());
  }
  auto end = std::find(data.begin(), data.end(), 0);
  return std::string(data.begin(), end);
}

}  // namespace vx
