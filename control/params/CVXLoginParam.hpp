#pragma once
// The provisioning server (stored encrypted) and the result of the last login.
#include "control/params/TVXArchive.hpp"

namespace vx {

struct VXLoginParam {
  DWORD Status;
  char Message[4092];
  char Server[128];
};

class CVXLoginParam final : public TVXArchive<VXLoginParam>, public TVXParamGroup<CVXLoginParam> {
 public:
  static const GroupTraits kTraits;

 private:
  friend class TVXParamGroup<CVXLoginParam>;
  explicit CVXLoginParam(std::unique_ptr<CVXStorage> storage);
};

}  // namespace vx
