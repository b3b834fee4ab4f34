#pragma once
// Self-registration of the control library in HKEY_CLASSES_ROOT.
#include <string>

#include "platform/com/HResult.hpp"

namespace vx {

// Checks the installing user's rights, then writes every key of the control.
HRESULT RegisterControl(const std::string& modulePath);
// Removes the control's own keys; shared component categories stay.
HRESULT UnregisterControl(const std::string& modulePath);

}  // namespace vx
