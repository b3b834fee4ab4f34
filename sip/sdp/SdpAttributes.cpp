#include "sip/sdp/SdpAttributes.hpp"

#include <algorithm>

#include "runtime/log/Log.hpp"
#include "sip/sdp/SdpText.hpp"

namespace vx {

void SdpAttributes::parse(std::string_view value) {
  std::vector<std::string_view> fields = detail::sdpSplit(value, ':');
  if (fields.empty()) {
    Log(kSdpLogChannel, LOG_ERROR, "Attribute: param count < 1 on attributeList");
    throw detail::SdpExceptionParamNumErr();
  }
  if (fields.size() == 1 && value.find(':') == std::string_view::npos) {
    if (value == "recvonly") recvonly_ = true;
    if (value == "sendonly") sendonly_ = true;
    if (value == "sendrecv") sendrecv_ = true;
    if (value == "inactive") inactive_ = true;
    return;  // any other property attribute is not kept
  }
  // The value is everything after the first colon: fingerprints and keys hold colons too.
  std::size_t colon = value.find(':');
  values_.push_back({std::string(value.substr(0, colon)), std::string(value.substr(colon + 1))});
}

bool SdpAttributes::decode(std::string_view value) {
  try {
    parse(value);
    return true;
  } catch (...) {
    return false;
  }
}

void SdpAttributes::removeValueAttribute(std::string_view name) {
  std::erase_if(values_, [&](const ValueAttribute& a) { return a.name == name; });
}

std::string SdpAttributes::encode() const {
  std::string out;
  // One direction at most; the first set flag wins.
  if (recvonly_) {
    out += "a=recvonly\r\n";
  } else if (sendonly_) {
    out += "a=sendonly\r\n";
  } else if (sendrecv_) {
    out += "a=sendrecv\r\n";
  } else if (inactive_) {
    out += "a=inactive\r\n";
  }
  for (const ValueAttribute& a : values_) out += "a=" + a.name + ":" + a.value + "\r\n";
  return out;
}

}  // namespace vx
