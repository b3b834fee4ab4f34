#pragma once
// What the control needs of the user agent, and the stand-in used until the SIP engine is
// built in: it reports that calls are not available instead of pretending to place them.
#include <cstdint>
#include <memory>
#include <string>

#include "control/ax/Enums.hpp"
#include "control/ax/IVXSIPNotify.hpp"

namespace vx {

class IVXUserAgent {
 public:
  virtual ~IVXUserAgent() = default;

  // False on failure, after reporting through SetError; `page` names a configuration page to offer.
  virtual bool Initialize(tConfigurePage* page) = 0;
  virtual std::int32_t GetNumLines() = 0;
  virtual void SetSignals(bool on) = 0;
  virtual void SetNoRing(bool on) = 0;
  virtual bool Call(std::int32_t line, const std::string& address, std::int32_t flags, tMediaType media) = 0;
  virtual bool Dial(std::int32_t line, const std::string& digits) = 0;
  virtual bool Answer(std::int32_t line, tMediaType media) = 0;
  virtual bool Drop(std::int32_t line, std::int32_t reasonCode, const std::string& reason) = 0;
  virtual void SetMicroMute(std::int32_t line, bool muted) = 0;
  virtual void SetSpeakersMute(std::int32_t line, bool muted) = 0;
  virtual void SetUseAudioDevice(std::int32_t line, bool use) = 0;
  virtual void SetMusicOnHold(std::int32_t line, bool on) = 0;
  virtual bool GetLevelSpeakers(std::int32_t* level) = 0;
  virtual bool SetLevelSpeakers(std::int32_t level) = 0;
  virtual bool HasActiveCall() = 0;
  virtual void ConfigurationQuery(int code, void* data) = 0;
  virtual bool HandleNetworkChange() = 0;
  virtual void SetHandsetCallState(tCallStates state) = 0;
  // Stops and joins the engine's threads: after it returns no notification reaches the control.
  virtual void Shutdown() = 0;
};

// Creates the user agent of this build.
std::shared_ptr<IVXUserAgent> CreateUserAgent(IVXSIPNotify* notify);

}  // namespace vx
