#pragma once
// Every parameter of the groups as "Group.Key=value" lines ("Group.Section.Key=value" for a
// parameter in a section), passwords masked. Groups are named as in a configuration document.
#include <string>
#include <string_view>
#include <vector>

namespace vx {

// All groups when `group` is empty; no lines when no group has that name (any case).
std::vector<std::string> ListParameters(std::string_view group = {});

// The group names, in listing order.
std::vector<std::string> ParameterGroupNames();

}  // namespace vx
