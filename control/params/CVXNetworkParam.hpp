#pragma once
// The network adapter in use and the RTP port range; the RTP keys live in section "Rtp".
#include "control/params/TVXArchive.hpp"

namespace vx {

struct VXNetworkParam {
  DWORD ConnectionType;  // a tNetworkAdapterType
  DWORD Tos;
  char AdapterMac[32];
  char AdapterName[128];
  DWORD AdapterAddress;          // IPv4 address
  DWORD AdapterExternalAddress;  // IPv4 address
  DWORD RtpPortMin;
  DWORD RtpPortMax;
  DWORD RtpPacketLength;
  DWORD RtpTos;
};

class CVXNetworkParam final : public TVXArchive<VXNetworkParam>, public TVXParamGroup<CVXNetworkParam> {
 public:
  static const GroupTraits kTraits;

 private:
  friend class TVXParamGroup<CVXNetworkParam>;
  explicit CVXNetworkParam(std::unique_ptr<CVXStorage> storage);
};

}  // namespace vx
