#pragma once
// The generic half of the control: COM plumbing, the member wrapper (error reset, destroyed
// guard, trace lines, message boxes), the lifecycle members, and the hidden window that
// turns posted notifications into host events on the host's thread.
//
// T supplies the engine operations: DoInitialize, DoUninitialize, DoShutdown, DoConfigure,
// DoGetNumLines, DoCall, DoAnswer, DoDrop.
#include <atomic>
#include <memory>
#include <mutex>
#include <string>

#include "control/ax/ConfigurationSheet.hpp"
#include "control/ax/Constants.hpp"
#include "control/ax/ControlModule.hpp"
#include "control/ax/ControlSettings.hpp"
#include "control/ax/EventCatalogue.hpp"
#include "control/ax/IVXDiagnostics.hpp"
#include "control/ax/LineTables.hpp"
#include "control/ax/LocaleText.hpp"
#include "control/ax/Logo.hpp"
#include "control/ax/NotifyRecord.hpp"
#include "control/ax/ProvisioningClient.hpp"
#include "platform/com/ComPtr.hpp"
#include "platform/com/DispatchTable.hpp"
#include "platform/messages/MessageQueue.hpp"
#include "platform/ui/MessageBox.hpp"
#include "runtime/log/Assert.hpp"
#include "runtime/log/Log.hpp"
#include "runtime/thread/VXThreadManager.hpp"

namespace vx {

inline const IID IID_IVXBaseAx = *parseGuid("{8F3D6B12-5C4A-4E07-9B1D-2A6E7C0F4D93}");

// The dispatch table of the control class T, defined beside T.
template <typename T>
const DispatchTable<T>& ControlDispatchTable();

// Shows a password in trace lines.
inline std::string MaskSecret(const Bstr& value) { return value && !value->empty() ? "********" : ""; }

template <typename T>
class TVXBaseAx : public IDispatch,
                  public IConnectionPointContainer,
                  public IConnectionPoint,
                  public IProvideTypeInfo,
                  public IVXDiagnostics {
 public:
  // IUnknown
  HRESULT QueryInterface(const IID& iid, void** object) override {
    if (!object) return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IDispatch || iid == IID_IVXBaseAx) {
      *object = static_cast<IDispatch*>(this);
    } else if (iid == IID_IConnectionPointContainer) {
      *object = static_cast<IConnectionPointContainer*>(this);
    } else if (iid == IID_IConnectionPoint) {
      *object = static_cast<IConnectionPoint*>(this);
    } else if (iid == IID_IProvideTypeInfo) {
      *object = static_cast<IProvideTypeInfo*>(this);
    } else if (iid == IID_IVXDiagnostics) {
      *object = static_cast<IVXDiagnostics*>(this);
    } else {
      *object = nullptr;
      return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
  }
  DWORD AddRef() override { return ++references_; }
  DWORD Release() override {
    DWORD left = --references_;
    if (left == 0) delete static_cast<T*>(this);
    return left;
  }

  // IDispatch
  HRESULT GetIDsOfNames(const std::string& name, DISPID* dispid) override {
    return ControlDispatchTable<T>().idOfName(name, dispid);
  }
  HRESULT Invoke(DISPID dispid, WORD flags, std::vector<Variant>& args, Variant* result) override {
    return ControlDispatchTable<T>().invoke(derived(), dispid, flags, args, result);
  }

  // Connection points: the object is its own container of one point, _IVXBaseAxEvents.
  HRESULT FindConnectionPoint(const IID& iid, IConnectionPoint** point) override {
    if (!point) return E_POINTER;
    if (iid != DIID__IVXBaseAxEvents) return CONNECT_E_NOCONNECTION;
    AddRef();
    *point = this;
    return S_OK;
  }
  HRESULT GetConnectionInterface(IID* iid) override {
    if (!iid) return E_POINTER;
    *iid = DIID__IVXBaseAxEvents;
    return S_OK;
  }
  HRESULT Advise(IDispatch* sink, DWORD* cookie) override { return sinks_.Advise(sink, cookie); }
  HRESULT Unadvise(DWORD cookie) override { return sinks_.Unadvise(cookie); }

  const TypeInfo* GetTypeInfo() override { return &ControlTypeInfo(); }

  std::vector<std::string> ListParameters(const std::string& group) override { return settings::ParameterLines(group); }
  std::vector<std::string> ParameterGroupNames() override { return settings::GroupNames(); }

  // --- Lifecycle members ---

  HRESULT Initialize(std::int32_t flags) {
    return Member("Initialize", Class(), std::to_string(flags), [&](std::string*) {
      Log(control::kChannel, LOG_INFO, "Product: %s, version: %s", control::kProduct, control::kVersion);
      if (HRESULT hr = ProvisioningLogin(flags); FAILED(hr)) return hr;
      PrepareLogo();
      initFlags_ = flags;
      HRESULT hr = S_OK;
      for (;;) {
        ResetError();
        tConfigurePage page = CONFIGUREPAGE_NONE;
        hr = derived().DoInitialize(&page);
        if (SUCCEEDED(hr) || Silent()) break;
        MessageBox(0, ErrorString(), FormatLocaleString(control::kTextInitializationCaption, control::kProduct),
                   MB_OK | MB_ICONERROR);
        // Without a page to offer there is nothing the user can change: retrying would loop forever.
        if (page == CONFIGUREPAGE_NONE) break;
        if (derived().DoConfigure(page, "") == E_ABORT) break;
      }
      return hr;
    });
  }

  HRESULT Uninitialize() {
    return Member("Uninitialize", Class(), "", [&](std::string*) { return derived().DoUninitialize(); });
  }

  // Always S_OK; a second Destroy does nothing.
  HRESULT Destroy() {
    ResetError();
    Log(control::kChannel, LOG_TRACE, "-> TVXBaseAx<T>::Destroy()");
    DestroyBody(true);
    Log(control::kChannel, LOG_TRACE, "<- TVXBaseAx<T>::Destroy() return 0x%lx", static_cast<unsigned long>(S_OK));
    return S_OK;
  }

  HRESULT Configure(std::int32_t page, const Bstr& title) {
    return Member("Configure", Class(), std::to_string(page) + ", " + title.value_or(""),
                  [&](std::string*) { return derived().DoConfigure(page, title.value_or("")); });
  }

  HRESULT SetConfiguration(const Bstr& text) {
    return Member("SetConfiguration", Class(), "", [&](std::string*) {
      if (!RequireNotInitialized()) return E_FAIL;
      if (text && settings::ApplyDocumentText(*text)) return S_OK;
      SetError(ERROR_INVALIDVALUE, control::kTextInvalidValues);
      return E_FAIL;
    });
  }

  HRESULT SetConfigurationFile(const Bstr& path) {
    return Member("SetConfigurationFile", Class(), path.value_or(""), [&](std::string*) {
      if (!RequireNotInitialized()) return E_FAIL;
      if (path && settings::ApplyDocumentFile(*path)) return S_OK;
      SetError(ERROR_INVALIDVALUE, control::kTextInvalidConfigurationFile);
      return E_FAIL;
    });
  }

  // Error and ErrorString never fail and never reset the error.
  HRESULT get_Error(std::int32_t* code) {
    std::lock_guard guard(errorMutex_);
    *code = errorCode_;
    return S_OK;
  }
  HRESULT get_ErrorString(Bstr* text) {
    *text = ErrorString();
    return S_OK;
  }

  HRESULT get_Version(Bstr* version) {
    return Member("Version", Class(), "", [&](std::string* results) {
      *version = control::kVersion;
      *results = control::kVersion;
      return S_OK;
    });
  }

  HRESULT get_VersionNumber(Bstr* number) {
    return Member("VersionNumber", Class(), "", [&](std::string* results) {
      std::uint32_t value =
          (control::kVersionMajor << 24) + (control::kVersionMinor << 16) + (control::kVersionBuild << 8);
      *number = std::to_string(value);
      *results = **number;
      return S_OK;
    });
  }

  HRESULT GetNumLines(std::int32_t* count) {
    return Member("GetNumLines", Class(), "", [&](std::string* results) {
      *count = derived().DoGetNumLines();
      *results = std::to_string(*count);
      return S_OK;
    });
  }

  HRESULT Call(std::int32_t line, const Bstr& address, std::int32_t flags, std::int32_t media) {
    std::string args = address.value_or("") + ", " + std::to_string(flags) + ", " + std::to_string(media);
    return MemberWithBox("Call", Class(line), args, control::kTextCallCaption,
                         [&] { return derived().DoCall(line, address.value_or(""), flags, media); });
  }

  HRESULT Answer(std::int32_t line, std::int32_t media) {
    return MemberWithBox("Answer", Class(line), std::to_string(media), control::kTextAnswerCaption,
                         [&] { return derived().DoAnswer(line, media); });
  }

  HRESULT Drop(std::int32_t line, std::int32_t reasonCode, const Bstr& reason) {
    std::string args = std::to_string(reasonCode) + ", " + reason.value_or("");
    return MemberWithBox("Drop", Class(line), args, control::kTextDropCaption,
                         [&] { return derived().DoDrop(line, reasonCode, reason.value_or("")); });
  }

  HRESULT get_CallState(std::int32_t line, std::int32_t* state) {
    return Member("CallState", Class(line), "", [&](std::string* results) {
      if (!RequireInitialized()) return E_FAIL;
      *state = lines_.CallState(line);
      *results = std::to_string(*state);
      return S_OK;
    });
  }

  HRESULT get_LoginName(Bstr* name) {
    return Member("LoginName", Class(), "", [&](std::string* results) {
      *name = loginName_;
      *results = loginName_;
      return S_OK;
    });
  }
  HRESULT put_LoginName(const Bstr& name) {
    return Member("LoginName", Class(), name.value_or(""), [&](std::string*) {
      loginName_ = name.value_or("");
      return S_OK;
    });
  }
  HRESULT get_LoginPassword(Bstr* password) {
    return Member("LoginPassword", Class(), "", [&](std::string* results) {
      *password = loginPassword_;
      *results = MaskSecret(loginPassword_);
      return S_OK;
    });
  }
  HRESULT put_LoginPassword(const Bstr& password) {
    return Member("LoginPassword", Class(), MaskSecret(password), [&](std::string*) {
      loginPassword_ = password.value_or("");
      return S_OK;
    });
  }

  // The error set by a failing engine operation (IVXSIPNotify::SetError); engine threads call it too.
  void SetErrorFields(std::int32_t code, std::string text) {
    Log(control::kChannel, LOG_ERROR, "TVXBaseAx<T>::SetError(%li, %s)", static_cast<long>(code), text.c_str());
    std::lock_guard guard(errorMutex_);
    errorCode_ = code;
    errorString_ = std::move(text);
  }
  void SetError(tErrors code, std::uint32_t textId) { SetErrorFields(code, LocaleString(textId)); }

  bool IsInitialized() const { return initialized_.load(); }
  bool IsDestroyed() const { return destroyed_.load(); }
  std::int32_t InitFlags() const { return initFlags_.load(); }

 protected:
  TVXBaseAx() {
    Log(control::kChannel, LOG_TRACE, "-> TVXBaseAx<T>::TVXBaseAx()");
    module::ObjectCreated();
    module::ControlCreated();
    window_ = CreateMessageWindow([this](HWND, UINT message, WPARAM w, LPARAM) { return WindowProc(message, w); });
    Log(control::kChannel, LOG_TRACE, "<- TVXBaseAx<T>::TVXBaseAx(%lu, %lu)", static_cast<unsigned long>(window_.load()),
        0ul);
  }

  virtual ~TVXBaseAx() {
    Log(control::kChannel, LOG_TRACE, "-> TVXBaseAx<T>::~TVXBaseAx()");
    DestroyBody(false);  // T's destructor has already shut the engine down
    Log(control::kChannel, LOG_TRACE, "<- TVXBaseAx<T>::~TVXBaseAx()");
    module::ObjectDestroyed();
  }

  // Posts a notification to the host's thread. Takes the record; it is freed whatever happens.
  void PostNotify(UINT message, WPARAM value, std::unique_ptr<NotifyRecord> record = nullptr) {
    HWND window = window_.load();
    if (!window) return;  // destroyed: notifications are lost, as documented
    WPARAM first = record ? reinterpret_cast<WPARAM>(record.release()) : value;
    RecordDeleter deleter = CarriesRecord(message) ? FreeRecord : nullptr;
    LPARAM second = reinterpret_cast<LPARAM>(this);
    if (PostMessage(window, message, first, second, deleter) || IsDestroyed()) return;
    Log(control::kChannel, LOG_ERROR, "PostMessage(%lu, %lu, %lu, %lu) return error: %lu",
        static_cast<unsigned long>(window), static_cast<unsigned long>(message), static_cast<unsigned long>(first),
        static_cast<unsigned long>(second), 0ul);
    VX_ASSERT(false);
  }

  bool RequireInitialized() {
    if (IsInitialized()) return true;
    SetError(ERROR_NOTINITIALISED, control::kTextNotInitialized);
    return false;
  }
  bool RequireNotInitialized() {
    if (!IsInitialized()) return true;
    SetError(ERROR_INITIALISED, control::kTextBeforeInitialize);
    return false;
  }
  bool Silent() const { return (InitFlags() & INITFLAG_SILENT) != 0; }

  LineTables lines_;
  std::atomic<bool> initialized_{false};

 private:
  T& derived() { return static_cast<T&>(*this); }

  static void FreeRecord(UINT, WPARAM record, LPARAM) { delete reinterpret_cast<NotifyRecord*>(record); }

  static std::string Class() { return "TVXBaseAx<T>"; }
  static std::string Class(std::int32_t line) { return "TVXBaseAx(" + std::to_string(line) + ")"; }

  void ResetError() {
    std::lock_guard guard(errorMutex_);
    errorCode_ = ERROR_NONE;
    errorString_.clear();
  }
  std::string ErrorString() {
    std::lock_guard guard(errorMutex_);
    return errorString_;
  }

  // The member wrapper: error reset, destroyed guard, entry and exit lines around `body`.
  template <typename Body>
  HRESULT Member(const char* name, const std::string& cls, const std::string& args, Body body) {
    ResetError();
    if (IsDestroyed()) {
      Log(control::kChannel, LOG_ERROR, "TVXBaseAx<T>::%s: Method called on already destroyed ActiveX instance", name);
      SetError(ERROR_DESTROYED, control::kTextDestroyed);
      return E_FAIL;
    }
    Log(control::kChannel, LOG_TRACE, "-> %s::%s(%s)", cls.c_str(), name, args.c_str());
    std::string results;
    HRESULT hr = body(&results);
    Log(control::kChannel, LOG_TRACE, "<- %s::%s(%s) return 0x%lx", cls.c_str(), name, results.c_str(),
        static_cast<unsigned long>(static_cast<std::uint32_t>(hr)));
    return hr;
  }

  // Call, Answer and Drop also show their failure, unless the host asked for silence.
  template <typename Body>
  HRESULT MemberWithBox(const char* name, const std::string& cls, const std::string& args, std::uint32_t captionId,
                        Body body) {
    return Member(name, cls, args, [&](std::string*) {
      HRESULT hr = body();
      if (FAILED(hr) && !Silent()) {
        MessageBox(0, ErrorString(), FormatLocaleString(captionId, control::kProduct), MB_OK | MB_ICONERROR);
      }
      return hr;
    });
  }

  HRESULT ProvisioningLogin(std::int32_t flags) {
    std::string server = settings::LoginServer();
    if (server.empty()) return S_OK;
    settings::PresetLoginResult();
    if (!RunProvisioningLogin({server, loginName_, loginPassword_, (flags & INITFLAG_RELOGIN) != 0})) {
      SetError(ERROR_OAMPSERVERDOWN, control::kTextServerDown);
      return E_FAIL;
    }
    std::int32_t status = settings::LoginStatus();
    std::string message = settings::LoginMessage();
    if (status == 401) {
      Log("OAMP", LOG_ERROR, "OAMP login error: %d/%s.", status, message.c_str());
      message.empty() ? SetError(ERROR_INVALIDLOGINORPASSWORD, control::kTextInvalidLogin)
                      : SetErrorFields(ERROR_INVALIDLOGINORPASSWORD, message);
      return E_FAIL;
    }
    if (status >= 200 && status <= 299) {
      Log("OAMP", LOG_ERROR, "OAMP status %d - %s.", status, message.c_str());
      if (!message.empty()) MessageBox(0, message, "Information", MB_OK | MB_ICONWARNING);
      return S_OK;
    }
    Log("OAMP", LOG_ERROR, "OAMP error status %d - %s.", status, message.c_str());
    message.empty() ? SetError(ERROR_OAMPSERVERERROR, control::kTextServerError)
                    : SetErrorFields(ERROR_OAMPSERVERERROR, message);
    return E_FAIL;
  }

  void DestroyBody(bool shutDownEngine) {
    if (destroyed_.exchange(true)) return;
    if (shutDownEngine) derived().DoShutdown();
    if (HWND window = window_.exchange(0)) DestroyWindow(window);  // frees pending records, raises nothing
    sinks_.Clear();
    // The settings and engine threads are shared by every control of the process.
    if (module::ControlDestroyed()) {
      settings::ReleaseParameterGroups();
      VXThreadManager::Instance().DestroyAll();
    }
  }

  LRESULT WindowProc(UINT message, WPARAM value) {
    ComPtr<IDispatch> keepAlive(this);  // a sink may release the host's last reference
    const NotifyRecord* record = CarriesRecord(message) ? reinterpret_cast<const NotifyRecord*>(value) : nullptr;
    RaiseNotifyEvent(sinks_, message, value, record);
    return 0;
  }

  std::atomic<DWORD> references_{1};
  EventSinks sinks_;
  std::atomic<HWND> window_{0};
  std::atomic<bool> destroyed_{false};
  std::atomic<std::int32_t> initFlags_{INITFLAG_NONE};
  std::string loginName_;      // host thread only
  std::string loginPassword_;  // host thread only
  std::mutex errorMutex_;
  std::int32_t errorCode_ = ERROR_NONE;  // guarded by errorMutex_
  std::string errorString_;              // guarded by errorMutex_
};

}  // namespace vx
