// The user agent of a build without the SIP engine: every operation that would act on the
// network fails with ERROR_NOTSUPPORTED, so a host sees why nothing happens.
#include "control/ax/VXUserAgent.hpp"

namespace vx {
namespace {

constexpr const char* kNotAvailable = "The SIP engine is not available in this build.";
constexpr std::int32_t kLines = 0;

class UnavailableUserAgent : public IVXUserAgent {
 public:
  explicit UnavailableUserAgent(IVXSIPNotify* notify) : notify_(notify) {}

  bool Initialize(tConfigurePage* page) override {
    *page = CONFIGUREPAGE_NONE;
    return fail();
  }
  std::int32_t GetNumLines() override { return kLines; }
  void SetSignals(bool) override {}
  void SetNoRing(bool) override {}
  bool Call(std::int32_t, const std::string&, std::int32_t, tMediaType) override { return fail(); }
  bool Dial(std::int32_t, const std::string&) override { return fail(); }
  bool Answer(std::int32_t, tMediaType) override { return fail(); }
  bool Drop(std::int32_t, std::int32_t, const std::string&) override { return fail(); }
  void SetMicroMute(std::int32_t, bool) override {}
  void SetSpeakersMute(std::int32_t, bool) override {}
  void SetUseAudioDevice(std::int32_t, bool) override {}
  void SetMusicOnHold(std::int32_t, bool) override {}
  bool GetLevelSpeakers(std::int32_t*) override { return fail(); }
  bool SetLevelSpeakers(std::int32_t) override { return fail(); }
  bool HasActiveCall() override { return false; }
  void ConfigurationQuery(int, void*) override {}
  bool HandleNetworkChange() override { return false; }
  void SetHandsetCallState(tCallStates) override {}
  void Shutdown() override {}

 private:
  bool fail() {
    notify_->SetError(ERROR_NOTSUPPORTED, kNotAvailable);
    return false;
  }
  IVXSIPNotify* notify_;
};

}  // namespace

std::shared_ptr<IVXUserAgent> CreateUserAgent(IVXSIPNotify* notify) {
  return std::make_shared<UnavailableUserAgent>(notify);
}

}  // namespace vx
