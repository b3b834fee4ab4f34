#pragma once
// The service logo the host shows: cached under the user's data folder and named in the
// application parameter LogoName.
#include <string>

namespace vx {

// The cache file for a logo address: the text after its last "/", "logo.bmp" when empty,
// in ${XDG_DATA_HOME:-~/.local/share}/OrviMedia/softphone.
std::string LogoCachePath(const std::string& urlLogo);

// When UrlLogo is set: makes sure the cache folder exists, fetches the logo when the file is
// missing, and records the file's path in LogoName.
void PrepareLogo();

}  // namespace vx
