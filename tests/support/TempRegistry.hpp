#pragma once
// Points the registry at a fresh temporary directory for the life of a test.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace vx::test {

class TempRegistry {
 public:
  TempRegistry() {
    char pattern[] = "/tmp/vx-registry-XXXXXX";
    dir_ = ::mkdtemp(pattern);
    const char* old = std::getenv("VX_REGISTRY_DIR");
    if (old) previous_ = old;
    hadPrevious_ = old != nullptr;
    ::setenv("VX_REGISTRY_DIR", dir_.c_str(), 1);
  }
  ~TempRegistry() {
    if (hadPrevious_) {
      ::setenv("VX_REGISTRY_DIR", previous_.c_str(), 1);
    } else {
      ::unsetenv("VX_REGISTRY_DIR");
    }
    std::error_code ignored;
    std::filesystem::remove_all(dir_, ignored);
  }
  TempRegistry(const TempRegistry&) = delete;
  TempRegistry& operator=(const TempRegistry&) = delete;

  const std::string& dir() const { return dir_; }
  std::string hiveFile(const char* root) const { return dir_ + "/" + root + ".reg"; }

 private:
  std::string dir_;
  std::string previous_;
  bool hadPrevious_ = false;
};

}  // namespace vx::test
