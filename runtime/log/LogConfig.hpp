#pragma once
// Where log output goes and how it is chosen; every default of the logger lives here.
#include <cstddef>

namespace vx::logconfig {

// The output switch, read once per process from HKEY_LOCAL_MACHINE.
inline constexpr const char* kOutputKey = "System\\CurrentControlSet\\Services\\VXDbg\\Parameters";
inline constexpr const char* kOutputValue = "OutputTo";
inline constexpr unsigned kOutputNone = 0;
inline constexpr unsigned kOutputDevice = 1;
inline constexpr unsigned kOutputDebugger = 2;

// Environment overrides, for tests and for reading a run without touching the registry.
inline constexpr const char* kOutputEnv = "VX_LOG_OUTPUT_TO";          // 0, 1 or 2
inline constexpr const char* kDeviceEnv = "VX_DEBUG_DEVICE";           // device path
inline constexpr const char* kDebuggerFileEnv = "VX_DEBUG_OUTPUT_FILE"; // else stderr

inline constexpr const char* kDefaultDevicePath = "/dev/KVXCoKDbg";

inline constexpr std::size_t kIdentityCapacity = 260;  // 259 characters and the NUL
inline constexpr std::size_t kLineCapacity = 512;      // 511 characters and the NUL

}  // namespace vx::logconfig
