#pragma once
// The assertion routine: reports a broken internal invariant, and lets the user abort,
// break into the debugger (Retry) or go on (Ignore), as AssertMode says.
#include <csignal>

#include "platform/win32/Types.hpp"

namespace vx {

inline constexpr DWORD kAssertSilent = 0;   // nothing shown or logged
inline constexpr DWORD kAssertLogOnly = 1;  // one "ASSERT" line
inline constexpr DWORD kAssertDialog = 2;   // the dialog too (the default)

// Returns true when the caller should break into the debugger.
bool Assert(const char* sourceFile, int line, const char* expression);

// Where AssertMode comes from. By default it is read from the System parameter key;
// the parameter groups install their own reader once they exist.
using AssertModeSource = DWORD (*)();
void SetAssertModeSource(AssertModeSource source);

// The version text shown in the dialog and the log line.
inline constexpr const char* kAssertVersionText = "VXPhoneSIP W32 5.05.69 OD";

}  // namespace vx

// Checks an internal invariant; on failure reports it and goes on, unless the user asked to debug.
#define VX_ASSERT(condition)                                                 \
  do {                                                                       \
    if (!(condition) && ::vx::Assert(__FILE_NAME__, __LINE__, nullptr)) {    \
      std::raise(SIGTRAP);                                                   \
    }                                                                        \
  } while (0)
