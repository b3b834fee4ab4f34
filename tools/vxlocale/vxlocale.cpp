// vxlocale: prints the texts of the locale module, for translators and tests.
//
//   vxlocale LANG ID   prints one text; exit 1 when the language has none under that id
//   vxlocale LANG      prints every text of the language as ID<TAB>TEXT lines, line breaks
//                      as \n, tabs as \t and backslashes as \\ (the form of texts/*.tsv)
//
// LANG is the tLanguage number (0 to 5). Misuse and unknown languages exit 2.
#include <charconv>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "locale/ResourceModule.hpp"
#include "locale/VXLocale.hpp"
#include "locale/detail/TextFile.hpp"
#include "locale/detail/Utf.hpp"

namespace {

constexpr int kFound = 0;
constexpr int kMissing = 1;
constexpr int kMisuse = 2;

bool parseNumber(std::string_view text, std::uint32_t* value) {
  auto [end, status] = std::from_chars(text.data(), text.data() + text.size(), *value);
  return !text.empty() && status == std::errc() && end == text.data() + text.size();
}

// Texts are at most kMaxTextUnits long, so this buffer never cuts one.
bool fetch(std::uint32_t id, std::vector<char16_t>& buffer, std::string* utf8) {
  if (VXLocaleGetString(id, buffer.data(), vx::locale::kMaxTextUnits) != vx::locale::kLocaleSuccess) return false;
  *utf8 = vx::locale::detail::Utf16ToUtf8(buffer.data());
  return true;
}

int usage() {
  std::fprintf(stderr, "usage: vxlocale LANG [ID]   (LANG: 0 English, 1 Spanish, 2 French, 3 German, "
                       "4 Vietnamese, 5 Spanish (Colombia))\n");
  return kMisuse;
}

}  // namespace

int main(int argc, char** argv) {
  std::uint32_t language = 0;
  std::uint32_t id = 0;
  if (argc < 2 || argc > 3 || !parseNumber(argv[1], &language) || (argc == 3 && !parseNumber(argv[2], &id))) {
    return usage();
  }
  if (VXLocaleSetLanguage(language) != vx::locale::kLocaleSuccess) {
    std::fprintf(stderr, "vxlocale: no language %s\n", argv[1]);
    return kMisuse;
  }
  std::vector<char16_t> buffer(vx::locale::kMaxTextUnits + 1);
  std::string text;
  if (argc == 3) {
    if (!fetch(id, buffer, &text)) return kMissing;
    std::printf("%s\n", text.c_str());
    return kFound;
  }
  for (std::uint32_t each = 0; each <= vx::locale::kMaxTextId; ++each) {
    if (fetch(each, buffer, &text)) std::printf("%lu\t%s\n", static_cast<unsigned long>(each),
                                                vx::locale::detail::Escape(text).c_str());
  }
  return kFound;
}
