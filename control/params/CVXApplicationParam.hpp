#pragma once
// Branding and links of the host application; kept per user.
#include "control/params/TVXArchive.hpp"

namespace vx {

struct VXApplicationParam {
  char UrlLogo[260];
  char LogoName[260];
  char LabelAbout[260];
  char UrlAbout[260];
  char ToolTipAbout[260];
  char AlphaRed[16];
  char AlphaGreen[16];
  char AlphaBlue[16];
  char BannerLink[260];
  char BannerWidth[16];
  char BannerHeight[16];
  char VoiceMailNumber[260];
};

class CVXApplicationParam final : public TVXArchive<VXApplicationParam>, public TVXParamGroup<CVXApplicationParam> {
 public:
  static const GroupTraits kTraits;

 private:
  friend class TVXParamGroup<CVXApplicationParam>;
  explicit CVXApplicationParam(std::unique_ptr<CVXStorage> storage);
};

}  // namespace vx
