#pragma once
// The "a=" lines of a media description: those of SdpAttributes plus rtcp, direction (the
// connection role), x-private and rtpmap, which it understands.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "sip/sdp/SdpAttributes.hpp"

namespace vx {

struct SdpAddressPort {
  std::string address;
  std::uint32_t port = 0;
};

enum class SdpConnectionRole { Passive = 0, Active = 1, Both = 2 };

struct SdpRtpMap {
  std::int32_t payloadType = 0;
  std::string encodingName;
  std::uint32_t clockRate = 0;
  std::uint32_t channels = 0;  // 0 when not given
};

class SdpMediaAttributes : public SdpAttributes {
 public:
  bool decode(std::string_view value);
  std::string encode() const;

  const std::optional<SdpAddressPort>& getRtcp() const { return rtcp_; }
  void setRtcp(std::optional<SdpAddressPort> rtcp) { rtcp_ = std::move(rtcp); }
  const std::optional<SdpConnectionRole>& getRole() const { return role_; }
  const SdpAddressPort& getRoleAddress() const { return roleAddress_; }
  void setRole(std::optional<SdpConnectionRole> role, SdpAddressPort address = {}) {
    role_ = role;
    roleAddress_ = std::move(address);
  }
  const std::optional<SdpAddressPort>& getXPrivate() const { return xPrivate_; }
  void setXPrivate(std::optional<SdpAddressPort> address) { xPrivate_ = std::move(address); }

  const std::vector<SdpRtpMap>& getRtpMaps() const { return rtpMaps_; }
  void addRtpMap(SdpRtpMap map) { rtpMaps_.push_back(std::move(map)); }
  void removeRtpMap(std::int32_t payloadType);

  void parse(std::string_view value);  // throws the detail SDP errors

 private:
  bool parseAddressAttribute(std::string_view value);

  std::optional<SdpAddressPort> rtcp_;
  std::optional<SdpConnectionRole> role_;
  SdpAddressPort roleAddress_;
  std::optional<SdpAddressPort> xPrivate_;
  std::vector<SdpRtpMap> rtpMaps_;
};

}  // namespace vx
