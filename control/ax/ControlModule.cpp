#include "control/ax/ControlModule.hpp"

#include <atomic>

namespace vx::module {
namespace {

std::atomic<long> gObjects{0};   // COM objects of this module, class factories included
std::atomic<long> gLocks{0};     // LockServer holds
std::atomic<long> gControls{0};  // controls constructed and not yet destroyed

}  // namespace

void ObjectCreated() { ++gObjects; }
void ObjectDestroyed() { --gObjects; }
void LockServer(bool lock) { lock ? ++gLocks : --gLocks; }
bool CanUnload() { return gObjects.load() == 0 && gLocks.load() == 0; }

void ControlCreated() { ++gControls; }
bool ControlDestroyed() { return --gControls == 0; }

}  // namespace vx::module
