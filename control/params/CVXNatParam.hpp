#pragma once
// NAT traversal settings.
#include "control/params/TVXArchive.hpp"

namespace vx {

struct VXNatParam {
  DWORD HasNAT;
  DWORD PortRefresh;
  char NATExternalIP[16];
  DWORD UseSDPPrivateAttribute;
  DWORD NATMask;
};

class CVXNatParam final : public TVXArchive<VXNatParam>, public TVXParamGroup<CVXNatParam> {
 public:
  static const GroupTraits kTraits;

 private:
  friend class TVXParamGroup<CVXNatParam>;
  explicit CVXNatParam(std::unique_ptr<CVXStorage> storage);
};

}  // namespace vx
