#pragma once
// The phone control: the SIP half on top of TVXBaseAx. It owns the user agent, implements the
// engine operations the members call, and receives the engine's notifications.
#include <memory>
#include <mutex>

#include "control/ax/IVXSIPNotify.hpp"
#include "control/ax/TVXBaseAx.hpp"
#include "control/ax/VXUserAgent.hpp"

namespace vx {

inline const CLSID CLSID_VXSIP = *parseGuid(control::kClsid);

using UserAgentFactory = std::shared_ptr<IVXUserAgent> (*)(IVXSIPNotify* notify);

class CVXSIP final : public TVXBaseAx<CVXSIP>, public IVXSIPNotify {
 public:
  // Starts with one reference, owned by the caller.
  CVXSIP();
  ~CVXSIP() override;

  // Replaces the user agent of every control created afterwards; null restores the built-in one.
  static void SetUserAgentFactory(UserAgentFactory factory);

  // Engine operations called by TVXBaseAx.
  HRESULT DoInitialize(tConfigurePage* page);
  HRESULT DoUninitialize();
  void DoShutdown();
  HRESULT DoConfigure(std::int32_t page, const std::string& title);
  std::int32_t DoGetNumLines();
  HRESULT DoCall(std::int32_t line, const std::string& address, std::int32_t flags, std::int32_t media);
  HRESULT DoAnswer(std::int32_t line, std::int32_t media);
  HRESULT DoDrop(std::int32_t line, std::int32_t reasonCode, const std::string& reason);

  // IVXSIPNotify, called from engine threads.
  void SetError(std::int32_t code, const char* text) override;
  void OnNetworkChanged(bool reinit) override;
  void OnCallStateChanged(std::int32_t line, tCallStates state) override;
  void OnRegistrationStateChanged(tRegistrationStates state) override;
  void OnRegistrationStateByAccountChanged(std::int32_t account, tRegistrationStates state) override;
  void OnDTMF(std::int32_t line, char digit) override;
  void OnCallerId(std::int32_t line, const char* name, const char* address, const char* ip) override;
  void OnCalledId(std::int32_t line, const char* name, const char* address, const char* ip) override;
  void OnInfo(std::int32_t line, const char* contentType, const char* content) override;
  void OnMediaMode(std::int32_t line, tMediaType type, tMediaMode mode) override;
  void OnMessage(const char* url, const char* message) override;
  void OnPresenceStateChanged(std::int32_t index, tPresenceStates state) override;
  void OnMessagesWaiting(tMessagesWaitingType type, std::int32_t urgentRead, std::int32_t urgentUnread,
                         std::int32_t read, std::int32_t unread) override;
  void OnPhoneKey(char key) override;
  void OnPhoneOffHook(std::int32_t line, bool offHook) override;
  void OnPhoneFunctionKey(tHandsetFunctionKey key, std::int32_t data, bool pressed) override;
  void OnEndPlay(std::int32_t line) override;
  void OnLevelMicro(std::int32_t level) override;
  void OnLevelSpeakers(std::int32_t level) override;
  void OnSilence(std::int32_t line) override;
  void OnMicroMeter(std::int32_t level) override;
  void OnSpeakersMeter(std::int32_t level) override;
  void OnBalance(const char* text) override;
  void OnAlertInfo(std::int32_t line, const char* text) override;
  void OnConference(std::int32_t line) override;
  void OnJoinConference(std::int32_t line, std::int32_t conferenceLine) override;
  void OnUpdateCall(std::int32_t line) override;
  void ApplyLineAudioSettings(std::int32_t line) override;

  using TVXBaseAx<CVXSIP>::SetError;

 private:
  std::shared_ptr<IVXUserAgent> UserAgent() const;
  void PostLineRecord(UINT message, std::int32_t line);
  void PostPartyId(UINT message, std::int32_t line, const char* name, const char* address, const char* ip);
  bool AssertLine(std::int32_t line);

  mutable std::mutex userAgentMutex_;
  std::shared_ptr<IVXUserAgent> userAgent_;  // guarded by userAgentMutex_
};

}  // namespace vx
