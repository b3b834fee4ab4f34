// vxregsvr [/u] LIB: registers (or with /u unregisters) a control library in the registry.
#include <cstdio>
#include <cstring>
#include <string>

#include "platform/com/ComRuntime.hpp"

namespace {

constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;

int usage() {
  std::fprintf(stderr, "usage: vxregsvr [/u] LIBRARY\n");
  return kExitUsage;
}

}  // namespace

int main(int argc, char** argv) {
  bool unregister = false;
  const char* library = nullptr;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "/u") == 0 || std::strcmp(argv[i], "-u") == 0) {
      unregister = true;
    } else if (!library) {
      library = argv[i];
    } else {
      return usage();
    }
  }
  if (!library) return usage();

  const char* entry = unregister ? vx::kDllUnregisterServer : vx::kDllRegisterServer;
  std::string detail;
  vx::HRESULT hr = vx::CallRegistrationEntry(library, entry, &detail);
  if (vx::FAILED(hr)) {
    std::fprintf(stderr, "vxregsvr: %s of %s failed with 0x%08x%s%s\n", entry, library, static_cast<unsigned>(hr),
                 detail.empty() ? "" : ": ", detail.c_str());
    return kExitFailed;
  }
  std::printf("%s in %s succeeded.\n", entry, library);
  return kExitOk;
}
