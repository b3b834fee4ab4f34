#include "control/params/CVXStorageRegistry.hpp"

#include <cstring>
#include <utility>
#include <vector>

#include "control/params/CVXArchiveParameter.hpp"
#include "control/params/ParamsConfig.hpp"
#include "runtime/log/Log.hpp"

namespace vx {
namespace {

using paramsconfig::kRegistryChannel;

constexpr REGSAM kAccess = KEY_READ | KEY_WRITE;

void copyDefault(char* buffer, std::size_t size, const char* defaultValue) {
  std::size_t length = defaultValue ? strnlen(defaultValue, size - 1) : 0;
  std::memcpy(buffer, defaultValue, length);
  buffer[length] = '\0';
}

}  // namespace

// An open registry key, closed when it goes out of scope.
class CVXStorageRegistry::Key {
 public:
  Key(LONG error, HKEY handle) : error_(error), handle_(handle) {}
  Key(Key&& other) noexcept : error_(other.error_), handle_(std::exchange(other.handle_, nullptr)) {}
  Key(const Key&) = delete;
  Key& operator=(const Key&) = delete;
  ~Key() {
    if (handle_) RegCloseKey(handle_);
  }
  LONG error() const { return error_; }
  HKEY get() const { return handle_; }

 private:
  LONG error_;
  HKEY handle_;
};

CVXStorageRegistry::CVXStorageRegistry(HKEY root, std::string path) : root_(root), path_(std::move(path)) {
  HKEY key = nullptr;
  LONG error = RegCreateKeyEx(root_, path_.c_str(), REG_OPTION_NON_VOLATILE, kAccess, &key, nullptr);
  if (error == ERROR_SUCCESS) {
    RegCloseKey(key);
  } else {
    Log(kRegistryChannel, LOG_ERROR, "Error %li creating key %s", static_cast<long>(error), path_.c_str());
  }
}

// Opening first spares the hive's write lock when the key exists, which it nearly always does.
CVXStorageRegistry::Key CVXStorageRegistry::open(const CVXArchiveParameter& parameter) const {
  std::string path = parameter.Section().empty() ? path_ : path_ + "\\" + parameter.Section();
  HKEY key = nullptr;
  LONG error = RegOpenKeyEx(root_, path.c_str(), 0, kAccess, &key);
  if (error == ERROR_FILE_NOT_FOUND) {
    error = RegCreateKeyEx(root_, path.c_str(), REG_OPTION_NON_VOLATILE, kAccess, &key, nullptr);
  }
  return Key(error, error == ERROR_SUCCESS ? key : nullptr);
}

void CVXStorageRegistry::write(const CVXArchiveParameter& parameter, DWORD type, const BYTE* data, std::size_t size) {
  Key key = open(parameter);
  LONG error = key.error();
  if (error == ERROR_SUCCESS) {
    error = RegSetValueEx(key.get(), parameter.Key().c_str(), type, data, static_cast<DWORD>(size));
  }
  if (error != ERROR_SUCCESS) Log(kRegistryChannel, LOG_ERROR, "Error %li setting value", static_cast<long>(error));
}

void CVXStorageRegistry::WriteULong(const CVXArchiveParameter& parameter, DWORD value) {
  write(parameter, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
}

void CVXStorageRegistry::ReadULong(const CVXArchiveParameter& parameter, DWORD& value, DWORD defaultValue) {
  Key key = open(parameter);
  LONG error = key.error();
  DWORD type = REG_NONE;
  DWORD read = 0;
  DWORD size = sizeof read;
  if (error == ERROR_SUCCESS) {
    error = RegQueryValueEx(key.get(), parameter.Key().c_str(), &type, reinterpret_cast<BYTE*>(&read), &size);
  }
  if (error != ERROR_SUCCESS) {
    Log(kRegistryChannel, LOG_INFO, "Error %li querying value, returning default value", static_cast<long>(error));
    value = defaultValue;
    return;
  }
  if (type != REG_DWORD || size != sizeof read) {
    Log(kRegistryChannel, LOG_WARNING, "Error in type (%ld) querying value, returning default value",
        static_cast<long>(type));
    value = defaultValue;
    return;
  }
  value = read;
  if (read == defaultValue) RegDeleteValue(key.get(), parameter.Key().c_str());
}

void CVXStorageRegistry::WriteString(const CVXArchiveParameter& parameter, const char* text) {
  write(parameter, REG_SZ, reinterpret_cast<const BYTE*>(text), std::strlen(text) + 1);
}

void CVXStorageRegistry::ReadString(const CVXArchiveParameter& parameter, char* buffer, std::size_t size,
                                    const char* defaultValue) {
  if (size == 0) return;
  Key key = open(parameter);
  LONG error = key.error();
  DWORD type = REG_NONE;
  DWORD length = static_cast<DWORD>(size);
  if (error == ERROR_SUCCESS) {
    error = RegQueryValueEx(key.get(), parameter.Key().c_str(), &type, reinterpret_cast<BYTE*>(buffer), &length);
  }
  if (error != ERROR_SUCCESS) {
    Log(kRegistryChannel, LOG_INFO, "Error %li querying value, returning default value", static_cast<long>(error));
    copyDefault(buffer, size, defaultValue);
    return;
  }
  if (type != REG_SZ) {
    Log(kRegistryChannel, LOG_WARNING, "Error in type (%ld) querying value, returning default value",
        static_cast<long>(type));
    copyDefault(buffer, size, defaultValue);
    return;
  }
  // A hand-edited hive may hold a text without its NUL.
  buffer[length < size ? length : size - 1] = '\0';
  if (std::strcmp(buffer, defaultValue ? defaultValue : "") == 0) RegDeleteValue(key.get(), parameter.Key().c_str());
}

void CVXStorageRegistry::WriteBytes(const CVXArchiveParameter& parameter, const BYTE* data, std::size_t length) {
  write(parameter, REG_BINARY, data, length);
}

bool CVXStorageRegistry::ReadBytes(const CVXArchiveParameter& parameter, BYTE* buffer, std::size_t& length) {
  Key key = open(parameter);
  LONG error = key.error();
  DWORD type = REG_NONE;
  DWORD size = static_cast<DWORD>(length);
  if (error == ERROR_SUCCESS) error = RegQueryValueEx(key.get(), parameter.Key().c_str(), &type, buffer, &size);
  length = 0;
  if (error != ERROR_SUCCESS) {
    Log(kRegistryChannel, LOG_INFO, "Error %li querying value", static_cast<long>(error));
    return false;
  }
  if (type != REG_BINARY) {
    Log(kRegistryChannel, LOG_WARNING, "Error in type (%ld) querying value", static_cast<long>(type));
    return false;
  }
  length = size;
  return true;
}

// A value that is already absent is what a delete asks for, so only other errors are reported.
void CVXStorageRegistry::Delete(const CVXArchiveParameter& parameter) {
  Key key = open(parameter);
  LONG error = key.error();
  if (error == ERROR_SUCCESS) error = RegDeleteValue(key.get(), parameter.Key().c_str());
  if (error != ERROR_SUCCESS && error != ERROR_FILE_NOT_FOUND) {
    Log(kRegistryChannel, LOG_ERROR, "Error %li deleting the value", static_cast<long>(error));
  }
}

}  // namespace vx
