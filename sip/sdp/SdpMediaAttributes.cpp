#include "sip/sdp/SdpMediaAttributes.hpp"

#include <algorithm>

#include "sip/sdp/SdpText.hpp"

namespace vx {

namespace {

constexpr std::string_view kRtpmap = "rtpmap:";
constexpr std::string_view kRtcp = "rtcp:";
constexpr std::string_view kDirection = "direction:";
constexpr std::string_view kXPrivate = "x-private:";

struct RoleName {
  SdpConnectionRole role;
  std::string_view name;
};
constexpr RoleName kRoleNames[] = {
    {SdpConnectionRole::Passive, "passive"},
    {SdpConnectionRole::Active, "active"},
    {SdpConnectionRole::Both, "both"},
};

// "IN IP4 host[:port]" as fields 2 to 4 of an attribute with exactly four fields.
bool hasInIp4Address(const std::vector<std::string_view>& fields, std::size_t count) {
  return fields.size() == count && fields[count - 3] == "IN" && fields[count - 2] == "IP4";
}

SdpRtpMap parseRtpMap(std::string_view value) {
  std::vector<std::string_view> fields = detail::sdpSplit(value, ' ');
  if (fields.size() < 2) throw detail::SdpExceptionParamNumErr();
  SdpRtpMap map;
  map.payloadType = detail::sdpStrtol(fields[0]);
  // Fields by position, an empty one included: "/0" is an empty name, not the name "0".
  std::string_view encoding = fields[1];
  std::size_t slash = encoding.find('/');
  map.encodingName = std::string(encoding.substr(0, slash));
  if (slash == std::string_view::npos) return map;
  std::string_view rest = encoding.substr(slash + 1);
  std::size_t second = rest.find('/');
  map.clockRate = detail::sdpAtoi(rest.substr(0, second));
  if (second != std::string_view::npos) map.channels = detail::sdpAtoi(rest.substr(second + 1));
  return map;
}

void appendAddressPort(std::string& out, const SdpAddressPort& at) {
  out += " IN IP4 " + at.address;
  if (at.port != 0) out += ":" + std::to_string(at.port);
}

}  // namespace

bool SdpMediaAttributes::parseAddressAttribute(std::string_view value) {
  if (value.starts_with(kRtcp)) {
    std::vector<std::string_view> fields = detail::sdpSplit(value.substr(kRtcp.size()), ' ');
    SdpAddressPort rtcp;
    if (!fields.empty()) rtcp.port = detail::sdpAtoi(fields[0]);
    if (hasInIp4Address(fields, 4)) detail::sdpSplitHostPort(fields[3], rtcp.address, rtcp.port);
    rtcp_ = std::move(rtcp);
    return true;
  }
  if (value.starts_with(kDirection)) {
    std::vector<std::string_view> fields = detail::sdpSplit(value.substr(kDirection.size()), ' ');
    for (const RoleName& r : kRoleNames) {
      if (!fields.empty() && fields[0] == r.name) role_ = r.role;
    }
    if (hasInIp4Address(fields, 4)) detail::sdpSplitHostPort(fields[3], roleAddress_.address, roleAddress_.port);
    return true;
  }
  if (value.starts_with(kXPrivate)) {
    std::vector<std::string_view> fields = detail::sdpSplit(value.substr(kXPrivate.size()), ' ');
    // The attribute is kept even without a usable address, so it is written back.
    SdpAddressPort at;
    if (hasInIp4Address(fields, 3)) detail::sdpSplitHostPort(fields[2], at.address, at.port);
    xPrivate_ = std::move(at);
    return true;
  }
  return false;
}

void SdpMediaAttributes::parse(std::string_view value) {
  if (value.starts_with(kRtpmap)) {
    rtpMaps_.push_back(parseRtpMap(value.substr(kRtpmap.size())));
    return;
  }
  if (!parseAddressAttribute(value)) SdpAttributes::parse(value);
}

bool SdpMediaAttributes::decode(std::string_view value) {
  try {
    parse(value);
    return true;
  } catch (...) {
    return false;
  }
}

void SdpMediaAttributes::removeRtpMap(std::int32_t payloadType) {
  std::erase_if(rtpMaps_, [&](const SdpRtpMap& m) { return m.payloadType == payloadType; });
}

std::string SdpMediaAttributes::encode() const {
  std::string out;
  if (rtcp_ && rtcp_->port != 0) {
    out += "a=rtcp:" + std::to_string(rtcp_->port);
    if (!rtcp_->address.empty()) out += " IN IP4 " + rtcp_->address;
    out += "\r\n";
  }
  if (role_) {
    out += "a=direction:";
    out += kRoleNames[static_cast<int>(*role_)].name;
    if (!roleAddress_.address.empty()) appendAddressPort(out, roleAddress_);
    out += "\r\n";
  }
  if (xPrivate_) {
    out += "a=x-private:";
    if (!xPrivate_->address.empty() && xPrivate_->port != 0) appendAddressPort(out, *xPrivate_);
    out += "\r\n";
  }
  for (const SdpRtpMap& m : rtpMaps_) {
    out += "a=rtpmap:" + std::to_string(m.payloadType) + " " + m.encodingName + "/" + std::to_string(m.clockRate);
    if (m.channels > 1) out += "/" + std::to_string(m.channels);
    out += "\r\n";
  }
  return out + SdpAttributes::encode();
}

}  // namespace vx
