// vxhost: the scriptable host of a registered control.
//   vxhost [--progid P | --clsid {GUID}] [--config FILE] [-e CMD]... [--script FILE|-]
// Exit codes: 0 every command succeeded, 1 a member failed, 2 a wait timed out, 3 usage or creation error.
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "tools/vxhost/HostSession.hpp"

namespace {

constexpr const char* kDefaultProgId = "VXSIPAx.VXSIP";

int usage() {
  std::fprintf(stderr,
               "usage: vxhost [--progid P | --clsid {GUID}] [--config FILE] [-e CMD]... [--script FILE|-]\n"
               "commands: get NAME [ARG...] | put NAME [ARG...] VALUE | call NAME [ARG...]\n"
               "          wait EVENT [PARAM=VALUE...] SECONDS | sleep MS | try COMMAND | params [GROUP]\n");
  return vx::host::kExitUsage;
}

bool readLines(std::istream& in, std::vector<std::string>* commands) {
  std::string line;
  while (std::getline(in, line)) commands->push_back(line);
  return !in.bad();
}

}  // namespace

int main(int argc, char** argv) {
  std::string progId = kDefaultProgId;
  std::string clsid;
  std::string config;
  std::vector<std::string> commands;
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    bool hasValue = i + 1 < argc;
    if (arg == "--progid" && hasValue) {
      progId = argv[++i];
    } else if (arg == "--clsid" && hasValue) {
      clsid = argv[++i];
    } else if (arg == "--config" && hasValue) {
      config = argv[++i];
    } else if (arg == "-e" && hasValue) {
      commands.push_back(argv[++i]);
    } else if (arg == "--script" && hasValue) {
      std::string file = argv[++i];
      if (file == "-") {
        readLines(std::cin, &commands);
      } else {
        std::ifstream in(file);
        if (!in || !readLines(in, &commands)) {
          std::fprintf(stderr, "vxhost: cannot read %s\n", file.c_str());
          return vx::host::kExitUsage;
        }
      }
    } else {
      return usage();
    }
  }

  vx::host::HostSession session(stdout);
  if (int code = session.Create(progId, clsid); code != vx::host::kExitOk) return code;
  if (!config.empty()) {
    if (int code = session.ApplyConfiguration(config); code != vx::host::kExitOk) return code;
  }
  for (const std::string& command : commands) {
    if (int code = session.Run(command); code != vx::host::kExitOk) return code;
  }
  return vx::host::kExitOk;
}
