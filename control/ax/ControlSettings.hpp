#pragma once
// The settings the control object reads and writes around its lifecycle, kept apart so the
// object does not depend on how the parameter groups store them.
#include <cstdint>
#include <string>

namespace vx::settings {

std::string LoginServer();
// Presets Status = 500 and Message = "" before a provisioning login.
void PresetLoginResult();
std::int32_t LoginStatus();
std::string LoginMessage();

// Applies the configuration document named by the SIP parameter ConfigFile, when there is one.
void ApplyConfiguredFile();
std::uint32_t SipLanguage();

std::string ApplicationUrlLogo();
void SetApplicationLogoName(const std::string& path);

// Releases the process-wide parameter groups; called when the last live control goes.
void ReleaseParameterGroups();

}  // namespace vx::settings
