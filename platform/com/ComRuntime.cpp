#include "platform/com/ComRuntime.hpp"

#include <dlfcn.h>

#include <map>
#include <mutex>

#include "platform/registry/Registry.hpp"

namespace vx {
namespace {

constexpr int kMaxCurVerHops = 4;

// Libraries loaded for class objects stay loaded: objects and queued records may point into them.
struct LoadedLibraries {
  std::mutex mutex;
  std::map<std::string, void*> handles;  // guarded by mutex
};

LoadedLibraries& libraries() {
  static LoadedLibraries* instance = new LoadedLibraries;  // outlives objects released at exit
  return *instance;
}

void* load(const std::string& path) {
  std::lock_guard guard(libraries().mutex);
  auto& handles = libraries().handles;
  if (auto it = handles.find(path); it != handles.end()) return it->second;
  void* handle = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (handle) handles.emplace(path, handle);
  return handle;
}

HRESULT inprocServerPath(const CLSID& clsid, std::string* path) {
  std::string key = "CLSID\\" + formatGuid(clsid) + "\\InprocServer32";
  if (RegGetString(HKEY_CLASSES_ROOT, key.c_str(), "", path) != ERROR_SUCCESS || path->empty()) {
    return REGDB_E_CLASSNOTREG;
  }
  return S_OK;
}

}  // namespace

HRESULT CLSIDFromProgID(const std::string& progId, CLSID* clsid) {
  if (!clsid) return E_POINTER;
  std::string name = progId;
  for (int hop = 0; hop < kMaxCurVerHops; ++hop) {
    std::string text;
    if (RegGetString(HKEY_CLASSES_ROOT, (name + "\\CLSID").c_str(), "", &text) == ERROR_SUCCESS) {
      auto parsed = parseGuid(text);
      if (!parsed) return CO_E_CLASSSTRING;
      *clsid = *parsed;
      return S_OK;
    }
    if (RegGetString(HKEY_CLASSES_ROOT, (name + "\\CurVer").c_str(), "", &text) != ERROR_SUCCESS) break;
    name = text;
  }
  return CO_E_CLASSSTRING;
}

HRESULT CoGetClassObject(const CLSID& clsid, DWORD context, const IID& iid, void** object) {
  if (!object) return E_POINTER;
  *object = nullptr;
  if (!(context & CLSCTX_INPROC_SERVER)) return REGDB_E_CLASSNOTREG;
  std::string path;
  if (HRESULT hr = inprocServerPath(clsid, &path); FAILED(hr)) return hr;
  void* handle = load(path);
  if (!handle) return CO_E_DLLNOTFOUND;
  auto getClassObject = reinterpret_cast<DllGetClassObjectFn>(::dlsym(handle, kDllGetClassObject));
  if (!getClassObject) return CO_E_DLLNOTFOUND;
  return getClassObject(clsid, iid, object);
}

HRESULT CoCreateInstance(const CLSID& clsid, IUnknown* outer, DWORD context, const IID& iid, void** object) {
  if (!object) return E_POINTER;
  *object = nullptr;
  IClassFactory* factory = nullptr;
  HRESULT hr = CoGetClassObject(clsid, context, IID_IClassFactory, reinterpret_cast<void**>(&factory));
  if (FAILED(hr)) return hr;
  hr = factory->CreateInstance(outer, iid, object);
  factory->Release();
  return hr;
}

HRESULT CallRegistrationEntry(const std::string& libraryPath, const char* entryName, std::string* detail) {
  void* handle = ::dlopen(libraryPath.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!handle) {
    if (detail) *detail = ::dlerror();
    return CO_E_DLLNOTFOUND;
  }
  auto entry = reinterpret_cast<DllRegisterServerFn>(::dlsym(handle, entryName));
  if (!entry) {
    if (detail) *detail = std::string(entryName) + " is not exported by " + libraryPath;
    ::dlclose(handle);
    return E_FAIL;
  }
  HRESULT hr = entry();
  ::dlclose(handle);
  return hr;
}

}  // namespace vx
