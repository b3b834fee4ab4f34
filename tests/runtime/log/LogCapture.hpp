#pragma once
// Sends log output to a temporary file for one test and reads it back.
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include <unistd.h>

#include "runtime/log/Log.hpp"
#include "runtime/log/LogConfig.hpp"

namespace vx::test {

class LogCapture {
 public:
  // `mode` is the OutputTo value to force; the capture file stands in for the chosen target.
  explicit LogCapture(unsigned mode) {
    char pattern[] = "/tmp/vx-log-XXXXXX";
    int fd = ::mkstemp(pattern);
    ::close(fd);
    path_ = pattern;
    ::setenv(logconfig::kOutputEnv, std::to_string(mode).c_str(), 1);
    ::setenv(logconfig::kDebuggerFileEnv, path_.c_str(), 1);
    ::setenv(logconfig::kDeviceEnv, path_.c_str(), 1);
    ResetLogOutput();
  }
  ~LogCapture() {
    ::unsetenv(logconfig::kOutputEnv);
    ::unsetenv(logconfig::kDebuggerFileEnv);
    ::unsetenv(logconfig::kDeviceEnv);
    ResetLogOutput();
    ::unlink(path_.c_str());
  }
  LogCapture(const LogCapture&) = delete;
  LogCapture& operator=(const LogCapture&) = delete;

  const std::string& path() const { return path_; }
  std::string text() const {
    std::ifstream in(path_, std::ios::binary);
    std::stringstream all;
    all << in.rdbuf();
    return all.str();
  }

 private:
  std::string path_;
};

}  // namespace vx::test
