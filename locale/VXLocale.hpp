#pragma once
// The five entry points of libVXLSip.so, the locale module: it selects one process-wide
// language and hands out texts and configuration page templates by number. Nothing else
// is exported. Every operation may be called at any time, from any thread.
#include <cstdint>

#include "locale/ResourceModule.hpp"

namespace vx::locale {

inline constexpr std::uint32_t kLocaleSuccess = 0;
inline constexpr std::uint32_t kLocaleFailure = 1;  // no such language, or no text ("No Resource")

}  // namespace vx::locale

extern "C" {

// kLocaleSuccess when the module holds texts in that tLanguage; otherwise kLocaleFailure
// and the current language stays.
std::uint32_t VXLocaleSetLanguage(std::uint32_t language);

std::uint32_t VXLocaleGetLanguage();

// Where the control loads texts and page templates from while it shows its configuration sheet.
const vx::locale::ResourceModule* VXLocaleGetResourceHandle();

// Copies at most size units of text id in the current language into buffer, which holds
// size + 1 units, and terminates it. kLocaleFailure, with the buffer untouched, when the
// current language has no text under that id.
std::uint32_t VXLocaleGetString(std::uint32_t id, char16_t* buffer, std::uint32_t size);

// The template id of configuration page 0 (audio), 4 (SIP) or 7 (network) in the current
// language, the English one when the language has none; 0 for any other page.
std::uint32_t VXLocaleGetDialog(std::uint32_t page);

}  // extern "C"
