#pragma once
// Assertion and logging switches. Once the group exists, the assertion routine reads its
// AssertMode from here.
#include "control/params/TVXArchive.hpp"

namespace vx {

struct VXSystemParam {
  DWORD AssertMode;
  DWORD LogMask;
  DWORD LogCryptPwd;
};

class CVXSystemParam final : public TVXArchive<VXSystemParam>, public TVXParamGroup<CVXSystemParam> {
 public:
  static const GroupTraits kTraits;

 private:
  friend class TVXParamGroup<CVXSystemParam>;
  explicit CVXSystemParam(std::unique_ptr<CVXStorage> storage);
  static void Created();
};

}  // namespace vx
