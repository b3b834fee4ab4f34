#pragma once
// The message-box seam. Headless by default: nothing is shown, nothing blocks, and the
// answer is a scripted one or the harmless choice of the button set. A desktop build
// installs a real backend.
#include <functional>
#include <string>

#include "platform/Export.hpp"
#include "platform/win32/Messages.hpp"

namespace vx {

// Button sets and icons, with their Win32 values.
inline constexpr UINT MB_OK = 0x0;
inline constexpr UINT MB_OKCANCEL = 0x1;
inline constexpr UINT MB_ABORTRETRYIGNORE = 0x2;
inline constexpr UINT MB_YESNOCANCEL = 0x3;
inline constexpr UINT MB_YESNO = 0x4;
inline constexpr UINT MB_RETRYCANCEL = 0x5;
inline constexpr UINT MB_TYPEMASK = 0xF;
inline constexpr UINT MB_ICONERROR = 0x10;
inline constexpr UINT MB_ICONQUESTION = 0x20;
inline constexpr UINT MB_ICONWARNING = 0x30;
inline constexpr UINT MB_ICONINFORMATION = 0x40;
inline constexpr UINT MB_SETFOREGROUND = 0x10000;
inline constexpr UINT MB_SERVICE_NOTIFICATION = 0x200000;

// Answers.
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDABORT = 3;
inline constexpr int IDRETRY = 4;
inline constexpr int IDIGNORE = 5;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;

using MessageBoxBackend = std::function<int(HWND owner, const std::string& text, const std::string& caption, UINT flags)>;

VX_EXPORT int MessageBox(HWND owner, const std::string& text, const std::string& caption, UINT flags);

// Replaces the backend; an empty function restores the headless one.
VX_EXPORT void SetMessageBoxBackend(MessageBoxBackend backend);
// Queues answers for the headless backend, taken one per box in order.
VX_EXPORT void ScriptMessageBoxAnswer(int answer);

}  // namespace vx
