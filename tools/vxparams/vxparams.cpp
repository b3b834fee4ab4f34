// vxparams: applies a configuration document to the parameter groups and prints their
// values as "Group.Key=value" lines, passwords masked.
//   vxparams [--config FILE] [GROUP]
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "control/params/ConfigurationDocument.hpp"
#include "control/params/ParameterListing.hpp"

namespace {

constexpr int kExitUsage = 2;

int usage() {
  std::string groups;
  for (const std::string& name : vx::ParameterGroupNames()) groups += (groups.empty() ? "" : ", ") + name;
  std::fprintf(stderr, "usage: vxparams [--config FILE] [GROUP]\ngroups: %s\n", groups.c_str());
  return kExitUsage;
}

}  // namespace

int main(int argc, char** argv) {
  const char* config = nullptr;
  const char* group = nullptr;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--config") == 0 && i + 1 < argc) {
      config = argv[++i];
    } else if (argv[i][0] != '-' && !group) {
      group = argv[i];
    } else {
      return usage();
    }
  }

  if (config && !vx::ApplyConfigurationFile(config)) {
    std::fprintf(stderr, "vxparams: %s is not a valid configuration document\n", config);
    return EXIT_FAILURE;
  }
  auto lines = vx::ListParameters(group ? group : "");
  if (lines.empty()) return usage();
  for (const std::string& line : lines) std::printf("%s\n", line.c_str());
  return EXIT_SUCCESS;
}
