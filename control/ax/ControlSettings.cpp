// Until the parameter groups are part of the control, every setting reads as its default:
// no provisioning server, no configuration file, English, no logo.
#include "control/ax/ControlSettings.hpp"

#include "locale/Language.hpp"

namespace vx::settings {

namespace {
constexpr std::int32_t kLoginStatusUnknown = 500;
}

std::string LoginServer() { return {}; }
void PresetLoginResult() {}
std::int32_t LoginStatus() { return kLoginStatusUnknown; }
std::string LoginMessage() { return {}; }
std::string SipConfigFile() { return {}; }
std::uint32_t SipLanguage() { return LANGUAGE_ENGLISH; }
std::string ApplicationUrlLogo() { return {}; }
void SetApplicationLogoName(const std::string&) {}
void ReleaseParameterGroups() {}

}  // namespace vx::settings
