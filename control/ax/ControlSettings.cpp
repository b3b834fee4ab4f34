#include "control/ax/ControlSettings.hpp"

#include <cstdio>

#include "control/params/CVXApplicationParam.hpp"
#include "control/params/CVXAudioParam.hpp"
#include "control/params/CVXHandsetParam.hpp"
#include "control/params/CVXLoginParam.hpp"
#include "control/params/CVXNatParam.hpp"
#include "control/params/CVXNetworkParam.hpp"
#include "control/params/CVXSIPParam.hpp"
#include "control/params/CVXSystemParam.hpp"
#include "control/params/ConfigurationDocument.hpp"
#include "control/params/ParameterListing.hpp"

namespace vx::settings {

namespace {
constexpr DWORD kLoginStatusUnknown = 500;
constexpr const char* kLogoNameKey = "LogoName";

template <std::size_t N>
void copyText(char (&field)[N], const std::string& text) {
  std::snprintf(field, N, "%s", text.c_str());
}
}  // namespace

std::string LoginServer() { return CVXLoginParam::Instance()->Server; }

void PresetLoginResult() {
  CVXLoginParam* login = CVXLoginParam::Instance();
  login->Status = kLoginStatusUnknown;
  login->Message[0] = '\0';
}

std::int32_t LoginStatus() { return static_cast<std::int32_t>(CVXLoginParam::Instance()->Status); }
std::string LoginMessage() { return CVXLoginParam::Instance()->Message; }

void ApplyConfiguredFile() {
  std::string file = CVXSIPParam::Instance()->ConfigFile;
  if (!file.empty()) ApplyConfigurationFile(file.c_str());
}

std::uint32_t SipLanguage() { return CVXSIPParam::Instance()->Language; }

std::string ApplicationUrlLogo() { return CVXApplicationParam::Instance()->UrlLogo; }

void SetApplicationLogoName(const std::string& path) {
  CVXApplicationParam* application = CVXApplicationParam::Instance();
  copyText(application->LogoName, path);
  application->Save(kLogoNameKey);
}

bool ApplyDocumentText(const std::string& text) { return ApplyConfigurationText(text); }
bool ApplyDocumentFile(const std::string& path) { return ApplyConfigurationFile(path.c_str()); }

std::vector<std::string> ParameterLines(const std::string& group) { return ListParameters(group); }
std::vector<std::string> GroupNames() { return ParameterGroupNames(); }

void ReleaseParameterGroups() {
  CVXAudioParam::Release();
  CVXHandsetParam::Release();
  CVXSIPParam::Release();
  CVXNetworkParam::Release();
  CVXNatParam::Release();
  CVXSystemParam::Release();
  CVXApplicationParam::Release();
}

}  // namespace vx::settings
