#include "control/params/CVXApplicationParam.hpp"

#include "control/params/detail/ParameterRows.hpp"

namespace vx {
namespace {

using namespace detail;
using R = VXApplicationParam;

constexpr ParameterSpec kParameters[] = {
    textRow("UrlLogo", VX_FIELD(R, UrlLogo), ""),
    textRow("LogoName", VX_FIELD(R, LogoName), "<None>"),
    textRow("LabelAbout", VX_FIELD(R, LabelAbout), ""),
    textRow("UrlAbout", VX_FIELD(R, UrlAbout), ""),
    textRow("ToolTipAbout", VX_FIELD(R, ToolTipAbout), ""),
    textRow("AlphaRed", VX_FIELD(R, AlphaRed), "177"),
    textRow("AlphaGreen", VX_FIELD(R, AlphaGreen), "194"),
    textRow("AlphaBlue", VX_FIELD(R, AlphaBlue), "220"),
    textRow("BannerLink", VX_FIELD(R, BannerLink), ""),
    textRow("BannerWidth", VX_FIELD(R, BannerWidth), "0"),
    textRow("BannerHeight", VX_FIELD(R, BannerHeight), "0"),
    textRow("VoiceMailNumber", VX_FIELD(R, VoiceMailNumber), ""),
};

}  // namespace

const GroupTraits CVXApplicationParam::kTraits{
    "VXApplicationParam", "App", RegistryHive::CurrentUser,
    "Software\\VB and VBA Program Settings\\Orvi Media\\SIP Orvi Phone SDK Ordane", true};

CVXApplicationParam::CVXApplicationParam(std::unique_ptr<CVXStorage> storage)
    : TVXArchive(kTraits.typeName, kParameters, std::move(storage)) {}

}  // namespace vx
