#pragma once
// The languages of the locale module: the control's tLanguage values, the Windows
// language id each one's resources are tagged with, and the stem of its data files.
#include <cstdint>

namespace vx {

enum tLanguage : std::uint32_t {
  LANGUAGE_ENGLISH = 0,
  LANGUAGE_SPANISH = 1,
  LANGUAGE_FRENCH = 2,
  LANGUAGE_GERMAN = 3,
  LANGUAGE_VIETNAMESE = 4,
  LANGUAGE_COLOMBIAN = 5,
};

namespace locale {

struct LanguageInfo {
  tLanguage language;
  std::uint16_t windowsId;
  const char* fileStem;  // texts/<stem>.tsv and pages/<stem>.tsv
  const char* name;
};

inline constexpr std::uint16_t kEnglishWindowsId = 0x0409;

inline constexpr LanguageInfo kLanguages[] = {
    {LANGUAGE_ENGLISH, kEnglishWindowsId, "en", "English (United States)"},
    {LANGUAGE_SPANISH, 0x040A, "es", "Spanish (Spain, traditional sort)"},
    {LANGUAGE_FRENCH, 0x040C, "fr", "French (France)"},
    {LANGUAGE_GERMAN, 0x0407, "de", "German (Germany)"},
    {LANGUAGE_VIETNAMESE, 0x042A, "vi", "Vietnamese"},
    {LANGUAGE_COLOMBIAN, 0x240A, "es_CO", "Spanish (Colombia)"},
};

// Any value outside the table is no language.
constexpr const LanguageInfo* FindLanguage(std::uint32_t language) {
  for (const LanguageInfo& info : kLanguages) {
    if (info.language == language) return &info;
  }
  return nullptr;
}

}  // namespace locale
}  // namespace vx
