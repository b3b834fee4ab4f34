#pragma once
// What the SIP engine reports to the control. Called from engine threads; every operation
// but SetError and ApplyLineAudioSettings becomes a window message for the host's thread.
#include <cstdint>

#include "control/ax/Enums.hpp"

namespace vx {

struct IVXSIPNotify {
  virtual void SetError(std::int32_t code, const char* text) = 0;
  virtual void OnNetworkChanged(bool reinit) = 0;
  virtual void OnCallStateChanged(std::int32_t line, tCallStates state) = 0;
  virtual void OnRegistrationStateChanged(tRegistrationStates state) = 0;
  virtual void OnRegistrationStateByAccountChanged(std::int32_t account, tRegistrationStates state) = 0;
  virtual void OnDTMF(std::int32_t line, char digit) = 0;
  virtual void OnCallerId(std::int32_t line, const char* name, const char* address, const char* ip) = 0;
  virtual void OnCalledId(std::int32_t line, const char* name, const char* address, const char* ip) = 0;
  virtual void OnInfo(std::int32_t line, const char* contentType, const char* content) = 0;
  virtual void OnMediaMode(std::int32_t line, tMediaType type, tMediaMode mode) = 0;
  virtual void OnMessage(const char* url, const char* message) = 0;
  virtual void OnPresenceStateChanged(std::int32_t index, tPresenceStates state) = 0;
  virtual void OnMessagesWaiting(tMessagesWaitingType type, std::int32_t urgentRead, std::int32_t urgentUnread,
                                 std::int32_t read, std::int32_t unread) = 0;
  virtual void OnPhoneKey(char key) = 0;
  virtual void OnPhoneOffHook(std::int32_t line, bool offHook) = 0;
  virtual void OnPhoneFunctionKey(tHandsetFunctionKey key, std::int32_t data, bool pressed) = 0;
  virtual void OnEndPlay(std::int32_t line) = 0;
  virtual void OnLevelMicro(std::int32_t level) = 0;
  virtual void OnLevelSpeakers(std::int32_t level) = 0;
  virtual void OnSilence(std::int32_t line) = 0;
  virtual void OnMicroMeter(std::int32_t level) = 0;
  virtual void OnSpeakersMeter(std::int32_t level) = 0;
  virtual void OnBalance(const char* text) = 0;
  virtual void OnAlertInfo(std::int32_t line, const char* text) = 0;
  virtual void OnConference(std::int32_t line) = 0;
  virtual void OnJoinConference(std::int32_t line, std::int32_t conferenceLine) = 0;
  virtual void OnUpdateCall(std::int32_t line) = 0;
  virtual void ApplyLineAudioSettings(std::int32_t line) = 0;

 protected:
  ~IVXSIPNotify() = default;
};

}  // namespace vx
