#pragma once
// Window-message scalar types.
#include <cstdint>

namespace vx {

using UINT = std::uint32_t;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using HWND = std::uintptr_t;  // 0 is no window; handles are never reused in a process

inline constexpr UINT WM_USER = 0x0400;

}  // namespace vx
