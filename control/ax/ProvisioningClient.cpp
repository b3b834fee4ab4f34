// The provisioning client is not built in yet: a configured server counts as unreachable,
// which the control reports as such instead of pretending the login succeeded.
#include "control/ax/ProvisioningClient.hpp"

#include "runtime/log/Log.hpp"

namespace vx {

bool RunProvisioningLogin(const ProvisioningLogin& login) {
  Log("OAMP", LOG_ERROR, "Provisioning login to %s is not available in this build", login.server.c_str());
  return false;
}

}  // namespace vx
