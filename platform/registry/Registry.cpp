#include "platform/registry/Registry.hpp"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <functional>
#include <mutex>
#include <set>

#include "platform/registry/Hive.hpp"

namespace vx {

struct RegKeyHandle {
  int hive;          // index into kHives
  std::string path;  // below the hive root
  bool writable;
};

namespace {

struct HiveInfo {
  std::uintptr_t id;
  const char* rootName;
};
constexpr HiveInfo kHives[] = {
    {0x80000000, "HKEY_CLASSES_ROOT"},
    {0x80000001, "HKEY_CURRENT_USER"},
    {0x80000002, "HKEY_LOCAL_MACHINE"},
};
constexpr int kHiveCount = sizeof kHives / sizeof kHives[0];
constexpr mode_t kFileMode = 0600;
constexpr mode_t kDirMode = 0700;
constexpr REGSAM kWriteRights = KEY_SET_VALUE | KEY_CREATE_SUB_KEY;

RegKeyHandle gPredefined[kHiveCount] = {{0, "", true}, {1, "", true}, {2, "", true}};

// A cached copy of one hive file, reloaded whenever the file on disk changes. The file read
// last stays open, so its inode cannot be reused by a later file that would look the same.
struct HiveCache {
  Hive hive{""};
  bool loaded = false;
  int fd = -1;
  struct stat identity {};
};

bool sameFile(const struct stat& a, const struct stat& b) {
  return a.st_dev == b.st_dev && a.st_ino == b.st_ino && a.st_size == b.st_size &&
         a.st_mtim.tv_sec == b.st_mtim.tv_sec && a.st_mtim.tv_nsec == b.st_mtim.tv_nsec;
}

class RegistryStore {
 public:
  // Runs `read` on the current contents of the hive.
  LONG read(int hive, const std::function<LONG(Hive&)>& reader) {
    std::lock_guard guard(mutex_);
    if (LONG rc = refresh(hive); rc != ERROR_SUCCESS) return rc;
    return reader(caches_[hive].hive);
  }

  // Runs `change` on the latest contents under the hive's file lock, then replaces the file
  // when `change` reports success and something changed.
  LONG write(int hive, const std::function<LONG(Hive&, bool&)>& change) {
    std::lock_guard guard(mutex_);
    std::string dir = registryDirectory();
    if (!ensureDirectory(dir)) return ERROR_ACCESS_DENIED;
    int lockFd = ::open(lockPath(hive).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, kFileMode);
    if (lockFd < 0) return ERROR_ACCESS_DENIED;
    int locked;
    while ((locked = ::flock(lockFd, LOCK_EX)) != 0 && errno == EINTR) {
    }
    if (locked != 0) {
      ::close(lockFd);
      return ERROR_LOCK_FAILED;
    }
    caches_[hive].loaded = false;  // a writer always starts from the file, never from a cache
    LONG result = refresh(hive);
    bool changed = false;
    if (result == ERROR_SUCCESS) result = change(caches_[hive].hive, changed);
    if (result == ERROR_SUCCESS && changed) result = save(hive);
    if (result != ERROR_SUCCESS) caches_[hive].loaded = false;  // drop an unsaved change
    ::close(lockFd);
    return result;
  }

  bool canWrite(int hive) {
    std::string dir = registryDirectory();
    if (!ensureDirectory(dir)) return false;
    std::string file = hivePath(hive);
    return ::access(file.c_str(), F_OK) != 0 ? ::access(dir.c_str(), W_OK) == 0 : ::access(file.c_str(), W_OK) == 0;
  }

  std::mutex handlesMutex;
  std::set<const RegKeyHandle*> handles;  // guarded by handlesMutex

 private:
  static std::string hivePath(int hive) { return registryDirectory() + "/" + kHives[hive].rootName + ".reg"; }
  static std::string lockPath(int hive) { return hivePath(hive) + ".lock"; }

  static bool ensureDirectory(const std::string& dir) {
    for (size_t cut = 1; cut != std::string::npos; cut = dir.find('/', cut + 1)) {
      ::mkdir(dir.substr(0, cut).c_str(), kDirMode);
    }
    ::mkdir(dir.c_str(), kDirMode);
    struct stat st {};
    return ::stat(dir.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
  }

  // Brings the cache up to date with the file. A file that exists but cannot be read is an
  // error, never an empty hive: a writer would otherwise save the empty hive over it.
  LONG refresh(int hive) {
    HiveCache& cache = caches_[hive];
    int fd = ::open(hivePath(hive).c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
      if (errno != ENOENT) return ERROR_READ_FAULT;
      forget(cache);
      cache.hive = Hive(kHives[hive].rootName);
      cache.loaded = true;
      return ERROR_SUCCESS;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
      ::close(fd);
      return ERROR_READ_FAULT;
    }
    if (cache.loaded && cache.fd >= 0 && sameFile(cache.identity, st)) {
      ::close(fd);
      return ERROR_SUCCESS;
    }
    std::string text;
    if (!readAll(fd, &text)) {
      ::close(fd);
      return ERROR_READ_FAULT;
    }
    forget(cache);
    cache.hive = Hive::parse(kHives[hive].rootName, text);
    cache.loaded = true;
    cache.fd = fd;
    cache.identity = st;
    return ERROR_SUCCESS;
  }

  static void forget(HiveCache& cache) {
    if (cache.fd >= 0) ::close(cache.fd);
    cache.fd = -1;
    cache.loaded = false;
  }

  static bool readAll(int fd, std::string* text) {
    char buffer[8192];
    for (;;) {
      ssize_t n = ::read(fd, buffer, sizeof buffer);
      if (n == 0) return true;
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) return false;
      text->append(buffer, static_cast<size_t>(n));
    }
  }

  static bool writeAll(int fd, const std::string& text) {
    size_t done = 0;
    while (done < text.size()) {
      ssize_t n = ::write(fd, text.data() + done, text.size() - done);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) return false;
      done += static_cast<size_t>(n);
    }
    return true;
  }

  // Temp file, fsync, rename, fsync of the directory: a crash leaves the old or the new file.
  LONG save(int hive) {
    std::string path = hivePath(hive);
    std::string temp = path + ".tmp." + std::to_string(::getpid());
    int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, kFileMode);
    if (fd < 0) return ERROR_ACCESS_DENIED;
    bool ok = writeAll(fd, caches_[hive].hive.format()) && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    if (!ok || ::rename(temp.c_str(), path.c_str()) != 0) {
      ::unlink(temp.c_str());
      return ERROR_WRITE_FAULT;
    }
    int dirFd = ::open(registryDirectory().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
      ::fsync(dirFd);
      ::close(dirFd);
    }
    forget(caches_[hive]);  // read back on next use, to take the new file's identity
    return ERROR_SUCCESS;
  }

  std::mutex mutex_;  // guards caches_ and serialises this process's writers
  HiveCache caches_[kHiveCount];
};

// Never destroyed: logging and assertions read the registry while the process exits.
RegistryStore& store() {
  static RegistryStore* instance = new RegistryStore;
  return *instance;
}

bool isPredefined(HKEY key) {
  for (auto& p : gPredefined) {
    if (key == &p) return true;
  }
  return false;
}

bool isValid(HKEY key) {
  if (!key) return false;
  if (isPredefined(key)) return true;
  std::lock_guard guard(store().handlesMutex);
  return store().handles.count(key) != 0;
}

bool validSubKey(const char* subKey) {
  if (!subKey) return true;
  for (const char* c = subKey; *c; ++c) {
    if (*c == '\n' || *c == '\r' || *c == '[' || *c == ']') return false;
  }
  return std::strstr(subKey, "\\\\") == nullptr;
}

// Joins a parent path and a relative subkey, dropping leading and trailing separators.
std::string joinPath(const std::string& parent, const char* subKey) {
  std::string_view sub = subKey ? subKey : "";
  while (!sub.empty() && sub.front() == '\\') sub.remove_prefix(1);
  while (!sub.empty() && sub.back() == '\\') sub.remove_suffix(1);
  if (parent.empty()) return std::string(sub);
  if (sub.empty()) return parent;
  return parent + '\\' + std::string(sub);
}

HKEY newHandle(int hive, std::string path, bool writable) {
  auto* handle = new RegKeyHandle{hive, std::move(path), writable};
  std::lock_guard guard(store().handlesMutex);
  store().handles.insert(handle);
  return handle;
}

bool isWriteAccess(REGSAM access) { return (access & kWriteRights) != 0; }

LONG copyOut(const void* src, DWORD needed, BYTE* data, DWORD* size) {
  if (!size) return data ? ERROR_INVALID_PARAMETER : ERROR_SUCCESS;
  DWORD capacity = *size;
  *size = needed;
  if (!data) return ERROR_SUCCESS;
  if (capacity < needed) return ERROR_MORE_DATA;
  if (needed) std::memcpy(data, src, needed);
  return ERROR_SUCCESS;
}

LONG copyName(const std::string& name, char* out, DWORD* size) {
  if (!out || !size) return ERROR_INVALID_PARAMETER;
  if (*size < name.size() + 1) {
    *size = static_cast<DWORD>(name.size() + 1);
    return ERROR_MORE_DATA;
  }
  std::memcpy(out, name.c_str(), name.size() + 1);
  *size = static_cast<DWORD>(name.size());
  return ERROR_SUCCESS;
}

}  // namespace

HKEY predefinedKey(std::uintptr_t id) {
  for (int i = 0; i < kHiveCount; ++i) {
    if (kHives[i].id == id) return &gPredefined[i];
  }
  return nullptr;
}

std::string registryDirectory() {
  if (const char* dir = std::getenv("VX_REGISTRY_DIR"); dir && *dir) return dir;
  std::string base;
  if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg) {
    base = xdg;
  } else {
    const char* home = std::getenv("HOME");
    base = std::string(home && *home ? home : "/tmp") + "/.config";
  }
  return base + "/vocarix/registry";
}

LONG RegOpenKeyEx(HKEY parent, const char* subKey, DWORD, REGSAM access, HKEY* result) {
  if (!result) return ERROR_INVALID_PARAMETER;
  *result = nullptr;
  if (!isValid(parent)) return ERROR_INVALID_HANDLE;
  if (!validSubKey(subKey)) return ERROR_FILE_NOT_FOUND;
  std::string path = joinPath(parent->path, subKey);
  int hive = parent->hive;
  LONG found = store().read(hive, [&](Hive& h) {
    return path.empty() || h.findKey(path) ? ERROR_SUCCESS : ERROR_FILE_NOT_FOUND;
  });
  if (found != ERROR_SUCCESS) return found;
  bool writable = isWriteAccess(access);
  if (writable && !store().canWrite(hive)) return ERROR_ACCESS_DENIED;
  *result = newHandle(hive, std::move(path), writable);
  return ERROR_SUCCESS;
}

LONG RegCreateKeyEx(HKEY parent, const char* subKey, DWORD, REGSAM access, HKEY* result, DWORD* disposition) {
  if (!result) return ERROR_INVALID_PARAMETER;
  *result = nullptr;
  if (!isValid(parent)) return ERROR_INVALID_HANDLE;
  if (!validSubKey(subKey)) return ERROR_INVALID_PARAMETER;
  if (!parent->writable) return ERROR_ACCESS_DENIED;
  std::string path = joinPath(parent->path, subKey);
  if (!Hive::validPath(path)) return ERROR_INVALID_PARAMETER;
  int hive = parent->hive;
  bool created = false;
  LONG rc = store().write(hive, [&](Hive& h, bool& changed) {
    if (!path.empty()) created = changed = h.createKey(path).second;
    return ERROR_SUCCESS;
  });
  if (rc != ERROR_SUCCESS) return rc;
  if (disposition) *disposition = created ? REG_CREATED_NEW_KEY : REG_OPENED_EXISTING_KEY;
  *result = newHandle(hive, std::move(path), isWriteAccess(access));
  return ERROR_SUCCESS;
}

LONG RegCloseKey(HKEY key) {
  if (isPredefined(key)) return ERROR_SUCCESS;
  {
    std::lock_guard guard(store().handlesMutex);
    if (!key || store().handles.erase(key) == 0) return ERROR_INVALID_HANDLE;
  }
  delete key;
  return ERROR_SUCCESS;
}

LONG RegQueryValueEx(HKEY key, const char* name, DWORD* type, BYTE* data, DWORD* size) {
  if (!isValid(key)) return ERROR_INVALID_HANDLE;
  return store().read(key->hive, [&](Hive& h) {
    RegKeyData* k = h.findKey(key->path);
    if (!k) return key->path.empty() ? ERROR_FILE_NOT_FOUND : ERROR_KEY_DELETED;
    RegValue* v = k->findValue(name ? name : "");
    if (!v) return ERROR_FILE_NOT_FOUND;
    if (type) *type = v->type;
    return copyOut(v->data.data(), static_cast<DWORD>(v->data.size()), data, size);
  });
}

LONG RegSetValueEx(HKEY key, const char* name, DWORD type, const BYTE* data, DWORD size) {
  if (!isValid(key)) return ERROR_INVALID_HANDLE;
  if (!key->writable) return ERROR_ACCESS_DENIED;
  std::string_view valueName = name ? name : "";
  if (valueName.find_first_of("\r\n") != std::string_view::npos || (size && !data)) return ERROR_INVALID_PARAMETER;
  if (type == REG_DWORD && size != 4) return ERROR_INVALID_PARAMETER;
  return store().write(key->hive, [&](Hive& h, bool& changed) {
    RegKeyData* k = key->path.empty() ? h.createKey("").first : h.findKey(key->path);
    if (!k) return ERROR_KEY_DELETED;
    std::vector<BYTE> bytes(data, data + size);
    if ((type == REG_SZ || type == REG_EXPAND_SZ) && (bytes.empty() || bytes.back() != 0)) bytes.push_back(0);
    RegValue* v = k->findValue(valueName);
    if (!v) {
      k->values.push_back(RegValue{std::string(valueName), type, std::move(bytes)});
    } else if (v->type != type || v->data != bytes) {
      v->type = type;
      v->data = std::move(bytes);
    } else {
      return ERROR_SUCCESS;
    }
    changed = true;
    return ERROR_SUCCESS;
  });
}

LONG RegDeleteValue(HKEY key, const char* name) {
  if (!isValid(key)) return ERROR_INVALID_HANDLE;
  if (!key->writable) return ERROR_ACCESS_DENIED;
  std::string_view valueName = name ? name : "";
  return store().write(key->hive, [&](Hive& h, bool& changed) {
    RegKeyData* k = h.findKey(key->path);
    if (!k) return ERROR_KEY_DELETED;
    for (auto it = k->values.begin(); it != k->values.end(); ++it) {
      if (foldCase(it->name) == foldCase(valueName)) {
        k->values.erase(it);
        changed = true;
        return ERROR_SUCCESS;
      }
    }
    return ERROR_FILE_NOT_FOUND;
  });
}

namespace {

LONG deleteKey(HKEY parent, const char* subKey, bool withSubkeys) {
  if (!isValid(parent)) return ERROR_INVALID_HANDLE;
  if (!validSubKey(subKey)) return ERROR_FILE_NOT_FOUND;
  std::string path = joinPath(parent->path, subKey);
  if (path.empty()) return ERROR_ACCESS_DENIED;  // a hive root cannot be deleted
  return store().write(parent->hive, [&](Hive& h, bool& changed) {
    if (!h.findKey(path)) return ERROR_FILE_NOT_FOUND;
    if (!withSubkeys && h.hasSubkeys(path)) return ERROR_ACCESS_DENIED;
    h.removeTree(path);
    changed = true;
    return ERROR_SUCCESS;
  });
}

}  // namespace

LONG RegDeleteKey(HKEY parent, const char* subKey) { return deleteKey(parent, subKey, false); }

LONG RegDeleteTree(HKEY parent, const char* subKey) { return deleteKey(parent, subKey, true); }

LONG RegEnumKeyEx(HKEY key, DWORD index, char* name, DWORD* size) {
  if (!isValid(key)) return ERROR_INVALID_HANDLE;
  return store().read(key->hive, [&](Hive& h) {
    if (!key->path.empty() && !h.findKey(key->path)) return ERROR_KEY_DELETED;
    std::vector<std::string> names = h.subkeyNames(key->path);
    if (index >= names.size()) return ERROR_NO_MORE_ITEMS;
    return copyName(names[index], name, size);
  });
}

LONG RegEnumValue(HKEY key, DWORD index, char* name, DWORD* size, DWORD* type) {
  if (!isValid(key)) return ERROR_INVALID_HANDLE;
  return store().read(key->hive, [&](Hive& h) {
    RegKeyData* k = h.findKey(key->path);
    if (!k) return key->path.empty() ? ERROR_NO_MORE_ITEMS : ERROR_KEY_DELETED;
    if (index >= k->values.size()) return ERROR_NO_MORE_ITEMS;
    if (type) *type = k->values[index].type;
    return copyName(k->values[index].name, name, size);
  });
}

LONG RegGetDword(HKEY root, const char* subKey, const char* name, DWORD* value) {
  HKEY key = nullptr;
  LONG rc = RegOpenKeyEx(root, subKey, 0, KEY_READ, &key);
  if (rc != ERROR_SUCCESS) return rc;
  DWORD type = 0;
  DWORD size = sizeof(DWORD);
  DWORD data = 0;
  rc = RegQueryValueEx(key, name, &type, reinterpret_cast<BYTE*>(&data), &size);
  RegCloseKey(key);
  if (rc != ERROR_SUCCESS) return rc;
  if (type != REG_DWORD || size != sizeof(DWORD)) return ERROR_INVALID_PARAMETER;
  if (value) *value = data;
  return ERROR_SUCCESS;
}

LONG RegGetString(HKEY root, const char* subKey, const char* name, std::string* value) {
  HKEY key = nullptr;
  LONG rc = RegOpenKeyEx(root, subKey, 0, KEY_READ, &key);
  if (rc != ERROR_SUCCESS) return rc;
  DWORD type = 0;
  DWORD size = 0;
  rc = RegQueryValueEx(key, name, &type, nullptr, &size);
  std::string text(size, '\0');
  if (rc == ERROR_SUCCESS) rc = RegQueryValueEx(key, name, &type, reinterpret_cast<BYTE*>(text.data()), &size);
  RegCloseKey(key);
  if (rc != ERROR_SUCCESS) return rc;
  if (type != REG_SZ && type != REG_EXPAND_SZ) return ERROR_INVALID_PARAMETER;
  text.resize(size);
  while (!text.empty() && text.back() == '\0') text.pop_back();
  if (value) *value = std::move(text);
  return ERROR_SUCCESS;
}

}  // namespace vx
