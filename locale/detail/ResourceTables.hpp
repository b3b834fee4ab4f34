#pragma once
// The module's resources, generated at build time from texts/ and pages/.
#include "locale/ResourceModule.hpp"

namespace vx::locale::detail {

extern const ResourceModule kResourceModule;

}  // namespace vx::locale::detail
