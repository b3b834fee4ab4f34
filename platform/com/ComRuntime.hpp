#pragma once
// Creating objects by class id or ProgID: the class registry lives in HKEY_CLASSES_ROOT and
// names the shared library (InprocServer32) that is loaded with dlopen.
#include <string>

#include "platform/com/Unknown.hpp"

namespace vx {

inline constexpr DWORD CLSCTX_INPROC_SERVER = 0x1;

// The four entry points a control library exports.
using DllGetClassObjectFn = HRESULT (*)(const CLSID& clsid, const IID& iid, void** object);
using DllRegisterServerFn = HRESULT (*)();
inline constexpr const char* kDllGetClassObject = "DllGetClassObject";
inline constexpr const char* kDllRegisterServer = "DllRegisterServer";
inline constexpr const char* kDllUnregisterServer = "DllUnregisterServer";

// Follows CurVer when the version-independent ProgID has no CLSID of its own.
VX_EXPORT HRESULT CLSIDFromProgID(const std::string& progId, CLSID* clsid);
VX_EXPORT HRESULT CoGetClassObject(const CLSID& clsid, DWORD context, const IID& iid, void** object);
VX_EXPORT HRESULT CoCreateInstance(const CLSID& clsid, IUnknown* outer, DWORD context, const IID& iid,
                                   void** object);

// Loads a library and calls one of its registration entry points (DllRegisterServer or
// DllUnregisterServer). Returns the entry point's result, or CO_E_DLLNOTFOUND / E_FAIL with
// `detail` saying why.
VX_EXPORT HRESULT CallRegistrationEntry(const std::string& libraryPath, const char* entryName, std::string* detail);

}  // namespace vx
