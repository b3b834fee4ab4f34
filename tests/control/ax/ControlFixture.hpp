#pragma once
// A control created in-process on the test's thread, with a recording event sink and a
// scriptable user agent.
#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

#include "control/ax/CVXSIP.hpp"
#include "platform/com/ComObject.hpp"
#include "platform/messages/MessageQueue.hpp"
#include "tests/support/TempRegistry.hpp"

namespace vx::test {

struct SeenEvent {
  DISPID dispid;
  std::vector<Variant> args;
  std::thread::id thread;
};

// Records every event it receives; may run an action inside a handler.
class RecordingSink final : public ComObject<IDispatch> {
 public:
  RecordingSink() : ComObject(IID_IDispatch, 0) {}
  HRESULT GetIDsOfNames(const std::string&, DISPID*) override { return DISP_E_UNKNOWNNAME; }
  HRESULT Invoke(DISPID dispid, WORD, std::vector<Variant>& args, Variant*) override {
    events.push_back({dispid, args, std::this_thread::get_id()});
    if (onEvent) onEvent(dispid);
    return S_OK;
  }

  std::vector<SeenEvent> events;
  std::function<void(DISPID)> onEvent;
};

// A user agent whose answers the test sets and whose calls it reads back.
class FakeUserAgent final : public IVXUserAgent {
 public:
  static inline std::shared_ptr<FakeUserAgent> current;
  static std::shared_ptr<IVXUserAgent> Create(IVXSIPNotify* notify) {
    current = std::make_shared<FakeUserAgent>();
    current->notify = notify;
    return current;
  }

  bool Initialize(tConfigurePage* page) override {
    ++initializeCalls;
    if (initializeCalls > failuresBeforeSuccess) return true;
    *page = failurePage;
    notify->SetError(ERROR_INVALIDSIPURL, "bad address");
    return false;
  }
  std::int32_t GetNumLines() override { return lines; }
  void SetSignals(bool on) override { signals = on; }
  void SetNoRing(bool on) override { noRing = on; }
  bool Call(std::int32_t line, const std::string& address, std::int32_t, tMediaType) override {
    log.push_back("Call(" + std::to_string(line) + "," + address + ")");
    return true;
  }
  bool Dial(std::int32_t line, const std::string& digits) override {
    log.push_back("Dial(" + std::to_string(line) + "," + digits + ")");
    return true;
  }
  bool Answer(std::int32_t line, tMediaType media) override {
    log.push_back("Answer(" + std::to_string(line) + "," + std::to_string(media) + ")");
    return true;
  }
  bool Drop(std::int32_t line, std::int32_t code, const std::string&) override {
    log.push_back("Drop(" + std::to_string(line) + "," + std::to_string(code) + ")");
    return true;
  }
  void SetMicroMute(std::int32_t line, bool muted) override {
    log.push_back("Micro(" + std::to_string(line) + "," + std::to_string(muted) + ")");
  }
  void SetSpeakersMute(std::int32_t, bool) override {}
  void SetUseAudioDevice(std::int32_t, bool) override {}
  void SetMusicOnHold(std::int32_t, bool) override {}
  bool GetLevelSpeakers(std::int32_t* level) override {
    *level = speakers;
    return true;
  }
  bool SetLevelSpeakers(std::int32_t level) override {
    speakers = level;
    return true;
  }
  bool HasActiveCall() override { return false; }
  void ConfigurationQuery(int, void*) override {}
  bool HandleNetworkChange() override { return false; }
  void SetHandsetCallState(tCallStates state) override { handsetStates.push_back(state); }
  void Shutdown() override { shutDown = true; }

  IVXSIPNotify* notify = nullptr;
  int initializeCalls = 0;
  int failuresBeforeSuccess = 0;
  tConfigurePage failurePage = CONFIGUREPAGE_NONE;
  std::int32_t lines = 2;
  std::int32_t speakers = 0;
  bool signals = false;
  bool noRing = false;
  bool shutDown = false;
  std::vector<std::string> log;
  std::vector<tCallStates> handsetStates;
};

class ControlTest : public ::testing::Test {
 protected:
  void SetUp() override {
    CVXSIP::SetUserAgentFactory(FakeUserAgent::Create);
    control_ = new CVXSIP;
    sink_ = new RecordingSink;
    sink_->AddRef();
    ASSERT_EQ(control_->Advise(sink_, &cookie_), S_OK);
  }
  void TearDown() override {
    DispatchPendingMessages();
    control_->Release();
    sink_->Release();
    CVXSIP::SetUserAgentFactory(nullptr);
    FakeUserAgent::current.reset();
  }

  // Calls a member by name as a host would, with text arguments converted by the dispatcher.
  HRESULT invoke(const std::string& name, WORD kind, std::vector<Variant> args = {}, Variant* result = nullptr) {
    DISPID dispid = 0;
    EXPECT_EQ(control_->GetIDsOfNames(name, &dispid), S_OK) << name;
    return control_->Invoke(dispid, kind, args, result);
  }
  std::int32_t error() {
    std::int32_t code = -1;
    control_->get_Error(&code);
    return code;
  }
  std::string errorString() {
    Bstr text;
    control_->get_ErrorString(&text);
    return text.value_or("(null)");
  }

  TempRegistry registry_;
  CVXSIP* control_ = nullptr;
  RecordingSink* sink_ = nullptr;
  DWORD cookie_ = 0;
};

}  // namespace vx::test
