#pragma once
// A private interface of the control for tools such as vxhost: what its parameter groups hold.
#include <string>
#include <vector>

#include "platform/com/Unknown.hpp"

namespace vx {

inline const IID IID_IVXDiagnostics = *parseGuid("{5A0E7C3B-1D94-4F26-8B53-C4E9A17D2F60}");

struct VX_EXPORT IVXDiagnostics : IUnknown {
  // "Group.Key=value" lines of one group (every group when empty), passwords masked.
  virtual std::vector<std::string> ListParameters(const std::string& group) = 0;
  virtual std::vector<std::string> ParameterGroupNames() = 0;

 protected:
  ~IVXDiagnostics() = default;
};

}  // namespace vx
