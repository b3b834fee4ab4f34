#pragma once
// Texts the control shows, fetched by number from the locale module.
#include <cstdint>
#include <string>

namespace vx {

// The text in the current language as UTF-8, with "%S" turned into "%s"; empty when missing.
std::string LocaleString(std::uint32_t id);

// Replaces the text's one "%s" with `argument`, without treating the text as a format
// (a translation is data, not code).
std::string FormatLocaleString(std::uint32_t id, const std::string& argument);

}  // namespace vx
