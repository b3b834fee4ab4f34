#pragma once
// Reference counting and interface lookup for an object that implements one interface.
#include <atomic>

#include "platform/com/Unknown.hpp"

namespace vx {

template <typename Interface>
class ComObject : public Interface {
 public:
  HRESULT QueryInterface(const IID& iid, void** object) override {
    if (!object) return E_POINTER;
    if (iid != IID_IUnknown && iid != interfaceId_) {
      *object = nullptr;
      return E_NOINTERFACE;
    }
    AddRef();
    *object = static_cast<Interface*>(this);
    return S_OK;
  }
  DWORD AddRef() override { return ++references_; }
  DWORD Release() override {
    DWORD left = --references_;
    if (left == 0) delete this;
    return left;
  }

 protected:
  // `references` is what the creator holds: 1 when it keeps the new object, 0 when a smart
  // pointer will take the first reference.
  ComObject(const IID& interfaceId, DWORD references) : interfaceId_(interfaceId), references_(references) {}
  virtual ~ComObject() = default;

 private:
  const IID& interfaceId_;
  std::atomic<DWORD> references_;
};

}  // namespace vx
