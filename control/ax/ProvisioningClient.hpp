#pragma once
// The provisioning login the control runs at Initialize when a server is configured.
#include <string>

namespace vx {

struct ProvisioningLogin {
  std::string server;
  std::string name;
  std::string password;
  bool relogin = false;
};

// Runs the login; false when the exchange itself failed. On success the login parameters
// Status and Message hold the server's answer.
bool RunProvisioningLogin(const ProvisioningLogin& login);

}  // namespace vx
