#include "sip/sdp/SdpBandwidth.hpp"

#include "runtime/log/Log.hpp"
#include "sip/sdp/SdpText.hpp"

namespace vx {

SdpBandwidth SdpBandwidth::parse(std::string_view value) {
  std::vector<std::string_view> fields = detail::sdpSplit(value, ':');
  if (fields.size() < 2) {
    Log(kSdpLogChannel, LOG_ERROR, "SdpBandwidth: Not enough parameters");
    throw detail::SdpExceptionParamNumErr();
  }
  SdpBandwidth bandwidth;
  if (fields[0] == "AS") {
    bandwidth.modifier_ = SdpBandwidthModifier::AS;
  } else if (fields[0] == "CT") {
    bandwidth.modifier_ = SdpBandwidthModifier::CT;
  } else {
    Log(kSdpLogChannel, LOG_ERROR, "SdpBandwidth: Undefined Modifier");
    throw detail::SdpExceptionUndefModifier();
  }
  bandwidth.value_ = detail::sdpAtoi(fields[1]);
  return bandwidth;
}

bool SdpBandwidth::decode(std::string_view value) {
  try {
    *this = parse(value);
    return true;
  } catch (...) {
    return false;
  }
}

std::string SdpBandwidth::encode() const {
  return std::string(modifier_ == SdpBandwidthModifier::AS ? "AS" : "CT") + ":" + std::to_string(value_);
}

}  // namespace vx
