// vxdemo: shows the runtime at work: where the registry lives, how log output is chosen,
// and a few log lines from threads and a time-out in that output mode.
#include <cstdio>
#include <cstdlib>

#include "platform/registry/Registry.hpp"
#include "runtime/log/Log.hpp"
#include "runtime/log/LogConfig.hpp"
#include "runtime/thread/VXEvent.hpp"
#include "runtime/thread/VXThreadManager.hpp"
#include "runtime/thread/VXTimeOut.hpp"

namespace {

constexpr vx::DWORD kDemoDelayMs = 50;
constexpr vx::DWORD kDemoWaitMs = 5000;

void onTimeOut(void* userData, vx::VXTimeOut*) {
  vx::Log("SIP", vx::LOG_INFO, "time-out fired after %lu ms", static_cast<unsigned long>(kDemoDelayMs));
  static_cast<vx::VXEvent*>(userData)->Set();
}

const char* describeOutput() {
  const char* env = std::getenv(vx::logconfig::kOutputEnv);
  vx::DWORD mode = 0;
  if (env && *env) {
    mode = static_cast<vx::DWORD>(std::strtoul(env, nullptr, 0));
  } else {
    vx::RegGetDword(vx::HKEY_LOCAL_MACHINE, vx::logconfig::kOutputKey, vx::logconfig::kOutputValue, &mode);
  }
  switch (mode) {
    case vx::logconfig::kOutputDevice:
      return "1 (records to the debug device)";
    case vx::logconfig::kOutputDebugger:
      return "2 (text lines to the debugger output: stderr or $VX_DEBUG_OUTPUT_FILE)";
    default:
      return "0 (no output; set OutputTo or VX_LOG_OUTPUT_TO to 1 or 2)";
  }
}

}  // namespace

int main() {
  std::printf("registry directory: %s\n", vx::registryDirectory().c_str());
  std::printf("log output mode:    %s\n", describeOutput());
  std::fflush(stdout);

  vx::SetLogIdentity("SIP", "Ordane Communication", "SIP Orvi Phone SDK Ordane");
  vx::Log("SIP", vx::LOG_INFO, "->vxdemo::main()");
  vx::Log("STM", vx::LOG_WARNING, "a warning on channel %s", "STM");
  vx::Log("SIP", vx::LOG_ERROR, "an error with a number: %d", 486);

  vx::VXEvent* fired = vx::VXEventManager::Instance().Get(true, false);
  vx::VXTimeOut timeOut;
  timeOut.Start(kDemoDelayMs, onTimeOut, fired);
  bool ok = fired->Wait(kDemoWaitMs) == vx::WAIT_OBJECT_0;
  fired->Free();

  vx::Log("SIP", vx::LOG_TRACE, "<-vxdemo::main() %s", ok ? "ok" : "time-out did not fire");
  vx::VXThreadManager::Instance().DestroyAll();
  return ok ? EXIT_SUCCESS : EXIT_FAILURE;
}
