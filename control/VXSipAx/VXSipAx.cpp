// libVXSipAx.so: the four entry points of the control library, its class factory and the
// application object's start and end.
#include <dlfcn.h>

#include <new>

#include "control/ax/CVXSIP.hpp"
#include "control/ax/ControlModule.hpp"
#include "control/ax/Registration.hpp"
#include "platform/Export.hpp"
#include "platform/com/ComObject.hpp"

namespace vx {
namespace {

constexpr const char* kChannel = "SIPAx";

class ClassFactory final : public ComObject<IClassFactory> {
 public:
  ClassFactory() : ComObject(IID_IClassFactory, 1) { module::ObjectCreated(); }

  HRESULT CreateInstance(IUnknown* outer, const IID& iid, void** object) override {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (outer) return CLASS_E_NOAGGREGATION;
    CVXSIP* control = new (std::nothrow) CVXSIP;  // born with one reference
    if (!control) return E_OUTOFMEMORY;
    HRESULT hr = control->QueryInterface(iid, object);
    control->Release();
    return hr;
  }
  HRESULT LockServer(BOOL lock) override {
    module::LockServer(lock != 0);
    return S_OK;
  }

 private:
  ~ClassFactory() override { module::ObjectDestroyed(); }
};

std::string modulePath() {
  Dl_info info{};
  if (::dladdr(reinterpret_cast<void*>(&modulePath), &info) == 0 || !info.dli_fname) return {};
  char resolved[4096];
  return ::realpath(info.dli_fname, resolved) ? resolved : info.dli_fname;
}

__attribute__((constructor)) void initInstance() {
  SetLogIdentity(control::kApplication, control::kCompany, control::kProduct);
  Log(kChannel, LOG_TRACE, "->CVXSIPAxApp::InitInstance()");
  Log(kChannel, LOG_TRACE, "<-CVXSIPAxApp::InitInstance() return %s", "TRUE");
}

__attribute__((destructor)) void exitInstance() {
  Log(kChannel, LOG_TRACE, "->CVXSIPAxApp::ExitInstance()");
  Log(kChannel, LOG_TRACE, "<-CVXSIPAxApp::ExitInstance() return %s", "0");
}

}  // namespace
}  // namespace vx

using namespace vx;

extern "C" VX_EXPORT HRESULT DllGetClassObject(const CLSID& clsid, const IID& iid, void** object) {
  if (!object) return E_POINTER;
  *object = nullptr;
  if (clsid != CLSID_VXSIP) return CLASS_E_CLASSNOTAVAILABLE;
  auto* factory = new (std::nothrow) ClassFactory;
  if (!factory) return E_OUTOFMEMORY;
  HRESULT hr = factory->QueryInterface(iid, object);
  factory->Release();
  return hr;
}

extern "C" VX_EXPORT HRESULT DllCanUnloadNow() { return module::CanUnload() ? S_OK : S_FALSE; }

extern "C" VX_EXPORT HRESULT DllRegisterServer() { return RegisterControl(modulePath()); }

extern "C" VX_EXPORT HRESULT DllUnregisterServer() { return UnregisterControl(modulePath()); }
