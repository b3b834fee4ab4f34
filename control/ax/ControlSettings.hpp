#pragma once
// The settings the control object reads and writes around its lifecycle, kept apart so the
// object does not depend on how the parameter groups store them.
#include <cstdint>
#include <string>
#include <vector>

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

// Applies a configuration document given as text or as a file; false when it is not one.
bool ApplyDocumentText(const std::string& text);
bool ApplyDocumentFile(const std::string& path);

// "Group.Key=value" lines, passwords masked; every group when `group` is empty.
std::vector<std::string> ParameterLines(const std::string& group);
std::vector<std::string> GroupNames();

// Releases the process-wide parameter groups; called when the last live control goes.
void ReleaseParameterGroups();

}  // namespace vx::settings
