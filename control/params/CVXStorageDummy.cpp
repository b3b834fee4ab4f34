#include "control/params/CVXStorageDummy.hpp"

#include <cstring>

namespace vx {

void CVXStorageDummy::ReadString(const CVXArchiveParameter&, char* buffer, std::size_t size, const char* defaultValue) {
  if (size == 0) return;
  std::size_t length = defaultValue ? strnlen(defaultValue, size - 1) : 0;
  std::memcpy(buffer, defaultValue, length);
  buffer[length] = '\0';
}

}  // namespace vx
