#include "control/ax/Logo.hpp"

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "control/ax/ControlSettings.hpp"
#include "runtime/log/Log.hpp"

namespace vx {
namespace {

constexpr const char* kDefaultLogoName = "logo.bmp";
constexpr const char* kCacheFolder = "OrviMedia/softphone";

std::filesystem::path userDataFolder() {
  if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg) return xdg;
  const char* home = std::getenv("HOME");
  return std::filesystem::path(home && *home ? home : "/tmp") / ".local/share";
}

}  // namespace

std::string LogoCachePath(const std::string& urlLogo) {
  std::string name = urlLogo.substr(urlLogo.rfind('/') + 1);
  // The name comes from a server: keep it a plain file name inside the cache folder.
  if (name.empty() || name == "." || name == "..") name = kDefaultLogoName;
  return (userDataFolder() / kCacheFolder / name).string();
}

void PrepareLogo() {
  std::string url = settings::ApplicationUrlLogo();
  if (url.empty()) return;
  std::filesystem::path file = LogoCachePath(url);
  std::error_code error;
  std::filesystem::create_directories(file.parent_path(), error);
  if (!std::ifstream(file, std::ios::binary)) {
    // Fetching needs the HTTP client, which this build does not have yet: a logo put there by hand is used.
    Log("SIP", LOG_WARNING, "Logo %s is not cached and cannot be fetched from %s", file.c_str(), url.c_str());
  }
  settings::SetApplicationLogoName(file.string());
}

}  // namespace vx
