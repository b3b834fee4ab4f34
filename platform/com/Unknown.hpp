#pragma once
// IUnknown and IClassFactory: reference counting, interface lookup and class objects.
#include "platform/Export.hpp"
#include "platform/com/Guid.hpp"
#include "platform/com/HResult.hpp"
#include "platform/win32/Types.hpp"

namespace vx {

inline const IID IID_IUnknown = *parseGuid("{00000000-0000-0000-C000-000000000046}");
inline const IID IID_IClassFactory = *parseGuid("{00000001-0000-0000-C000-000000000046}");

struct VX_EXPORT IUnknown {
  virtual HRESULT QueryInterface(const IID& iid, void** object) = 0;
  virtual DWORD AddRef() = 0;
  virtual DWORD Release() = 0;

 protected:
  ~IUnknown() = default;  // objects go away through Release, never delete
};

struct VX_EXPORT IClassFactory : IUnknown {
  virtual HRESULT CreateInstance(IUnknown* outer, const IID& iid, void** object) = 0;
  virtual HRESULT LockServer(BOOL lock) = 0;

 protected:
  ~IClassFactory() = default;
};

}  // namespace vx
