#pragma once
// Module-wide bookkeeping of the control library: objects alive (for DllCanUnloadNow) and
// controls not yet destroyed (the last one takes the engine threads and the settings with it).
#include <cstdint>

namespace vx::module {

void ObjectCreated();
void ObjectDestroyed();
void LockServer(bool lock);
bool CanUnload();

void ControlCreated();
// True when this was the last live control.
bool ControlDestroyed();

}  // namespace vx::module
