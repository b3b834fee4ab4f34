#pragma once
// Reports a broken rule of the parameter groups at a fixed, well-known site.
#include <csignal>

#include "control/params/ParamsConfig.hpp"
#include "runtime/log/Assert.hpp"

namespace vx::detail {

inline void reportFault(paramsconfig::FaultSite site) {
  if (Assert(site.source, site.line, nullptr)) std::raise(SIGTRAP);
}

}  // namespace vx::detail
