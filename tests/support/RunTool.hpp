#pragma once
// Runs a command line through the shell and collects its exit code and output.
#include <sys/wait.h>

#include <cstdio>
#include <string>

namespace vx::test {

struct ToolRun {
  int exitCode;
  std::string output;
};

// `streams` is appended to the command, e.g. "2>&1" to collect errors too.
inline ToolRun runTool(const std::string& command, const char* streams = "2>&1") {
  std::FILE* pipe = ::popen((command + " " + streams).c_str(), "r");
  std::string output;
  char buffer[4096];
  size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) output.append(buffer, n);
  int status = ::pclose(pipe);
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output};
}

}  // namespace vx::test
