// The five exports of the locale module: language selection, text lookup with its
// buffer rules, page template ids and the layout of the resources behind the handle.
#include "locale/VXLocale.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "tests/locale/LocaleTestSupport.hpp"

namespace vx::locale::test {
namespace {

constexpr char16_t kSentinel = 0xAAAA;
constexpr std::size_t kBufferUnits = 1100;

using VXLocaleTest = LocaleTest;

TEST_F(VXLocaleTest, StartsInEnglishAndTakesEachOfTheSixLanguages) {
  EXPECT_EQ(VXLocaleGetLanguage(), LANGUAGE_ENGLISH);
  for (const LanguageInfo& info : kLanguages) {
    EXPECT_EQ(VXLocaleSetLanguage(info.language), kLocaleSuccess) << info.name;
    EXPECT_EQ(VXLocaleGetLanguage(), info.language) << info.name;
  }
}

TEST_F(VXLocaleTest, RefusesAnUnknownLanguageAndKeepsTheCurrentOne) {
  ASSERT_EQ(VXLocaleSetLanguage(LANGUAGE_GERMAN), kLocaleSuccess);
  for (std::uint32_t unknown : {6u, 7u, 0x0409u, 0xFFFFFFFFu}) {
    EXPECT_EQ(VXLocaleSetLanguage(unknown), kLocaleFailure) << unknown;
    EXPECT_EQ(VXLocaleGetLanguage(), LANGUAGE_GERMAN) << unknown;
  }
  EXPECT_EQ(GetText(1005), "Eingehender Anruf");
}

struct TextCase {
  tLanguage language;
  std::uint32_t id;
  const char* text;
};

TEST_F(VXLocaleTest, ReturnsTheTextOfTheCurrentLanguage) {
  const TextCase cases[] = {
      {LANGUAGE_ENGLISH, 79, "This language is not supported."},
      {LANGUAGE_GERMAN, 79, "Diese Sprache wird nicht unterstützt."},
      {LANGUAGE_SPANISH, 79, "This language is not supported."},
      {LANGUAGE_FRENCH, 79, "Ce language n'est pas disponible."},
      {LANGUAGE_VIETNAMESE, 79, "Ngôn ngữ này không được hỗ trợ."},
      {LANGUAGE_COLOMBIAN, 79, "No hay soporte para este idioma"},
      {LANGUAGE_ENGLISH, 1005, "Incoming call"},
      {LANGUAGE_GERMAN, 1005, "Eingehender Anruf"},
      {LANGUAGE_SPANISH, 1005, "Llamada entrante"},
      {LANGUAGE_FRENCH, 1005, "Appel entrant"},
      {LANGUAGE_VIETNAMESE, 1005, "Cuộc gọi tới"},
      {LANGUAGE_COLOMBIAN, 1005, "Llamada entrante"},
      {LANGUAGE_ENGLISH, 2087, "%s Configuration"},
      {LANGUAGE_GERMAN, 2087, "%s Konfiguration"},
      {LANGUAGE_SPANISH, 2087, "%s Configuracion"},
      {LANGUAGE_FRENCH, 2087, "%s Configuration"},
      {LANGUAGE_VIETNAMESE, 2087, "%s Configuration"},
      {LANGUAGE_COLOMBIAN, 2087, "Configuración %s"},
      {LANGUAGE_COLOMBIAN, 136, "The first line number is invalid."},
      {LANGUAGE_ENGLISH, 16, "The audio devices are already in use by another application. Please close it and try again."},
      {LANGUAGE_ENGLISH, 1001, "Keypad"},
      {LANGUAGE_ENGLISH, 2001, "Signaling Port"},
      {LANGUAGE_ENGLISH, 27,
       "You are behind a symmetric NAT. This kind of NAT is not handled.\nYou can not use %s in your network."},
      {LANGUAGE_ENGLISH, 2141, "<Device replaced by Windows preferred>"},
  };
  for (const TextCase& c : cases) {
    ASSERT_EQ(VXLocaleSetLanguage(c.language), kLocaleSuccess);
    EXPECT_EQ(GetText(c.id), c.text) << "language " << c.language << ", id " << c.id;
  }
}

// A missing text fails without touching the buffer, and no language lends its text to another.
TEST_F(VXLocaleTest, MissingTextsFailAndLeaveTheBufferUntouched) {
  const std::pair<tLanguage, std::uint32_t> cases[] = {
      {LANGUAGE_ENGLISH, 136},    {LANGUAGE_SPANISH, 136},    {LANGUAGE_FRENCH, 136},
      {LANGUAGE_GERMAN, 136},     {LANGUAGE_VIETNAMESE, 136}, {LANGUAGE_VIETNAMESE, 144},
      {LANGUAGE_VIETNAMESE, 2137}, {LANGUAGE_VIETNAMESE, 2138}, {LANGUAGE_ENGLISH, 0},
      {LANGUAGE_ENGLISH, 10},     {LANGUAGE_ENGLISH, 153},    {LANGUAGE_ENGLISH, 1000},
      {LANGUAGE_ENGLISH, 2142},   {LANGUAGE_ENGLISH, 2200},   {LANGUAGE_COLOMBIAN, 0xFFFF},
      {LANGUAGE_ENGLISH, 0x10000}, {LANGUAGE_ENGLISH, 0x10001}, {LANGUAGE_ENGLISH, 0xFFFFFFFF},
  };
  for (auto [language, id] : cases) {
    ASSERT_EQ(VXLocaleSetLanguage(language), kLocaleSuccess);
    std::vector<char16_t> buffer(kBufferUnits, kSentinel);
    EXPECT_EQ(VXLocaleGetString(id, buffer.data(), kBufferUnits - 1), kLocaleFailure) << language << "/" << id;
    EXPECT_TRUE(std::all_of(buffer.begin(), buffer.end(), [](char16_t c) { return c == kSentinel; }))
        << language << "/" << id;
  }
}

// The buffer holds size + 1 units: at most size are copied, then one terminator, nothing more.
TEST_F(VXLocaleTest, CopiesAtMostSizeUnitsAndTerminates) {
  const std::u16string full = u"The supplied values are invalid.";  // id 2
  for (std::uint32_t size : {0u, 1u, 10u, 31u, 32u, 33u, 1000u}) {
    std::vector<char16_t> buffer(kBufferUnits, kSentinel);
    ASSERT_EQ(VXLocaleGetString(2, buffer.data(), size), kLocaleSuccess) << size;
    std::size_t copied = std::min<std::size_t>(size, full.size());
    EXPECT_EQ(std::u16string(buffer.data(), copied), full.substr(0, copied)) << size;
    EXPECT_EQ(buffer[copied], u'\0') << size;
    EXPECT_TRUE(std::all_of(buffer.begin() + copied + 1, buffer.end(), [](char16_t c) { return c == kSentinel; }))
        << size;
  }
}

TEST_F(VXLocaleTest, RefusesANullBuffer) {
  EXPECT_EQ(VXLocaleGetString(2, nullptr, 10), kLocaleFailure);
  EXPECT_EQ(VXLocaleGetString(2, nullptr, 0), kLocaleFailure);
}

TEST_F(VXLocaleTest, GivesEachPageTemplateOfTheCurrentLanguage) {
  struct Case {
    tLanguage language;
    std::uint32_t audio, sip, network;
  };
  const Case cases[] = {
      {LANGUAGE_ENGLISH, 2700, 11101, 2200},   {LANGUAGE_SPANISH, 12700, 11100, 12200},
      {LANGUAGE_FRENCH, 12704, 11108, 12206},  {LANGUAGE_GERMAN, 12703, 11107, 12205},
      {LANGUAGE_VIETNAMESE, 12701, 11101, 12203}, {LANGUAGE_COLOMBIAN, 12702, 11106, 12204},
  };
  for (const Case& c : cases) {
    ASSERT_EQ(VXLocaleSetLanguage(c.language), kLocaleSuccess);
    EXPECT_EQ(VXLocaleGetDialog(0), c.audio) << c.language;
    EXPECT_EQ(VXLocaleGetDialog(4), c.sip) << c.language;
    EXPECT_EQ(VXLocaleGetDialog(7), c.network) << c.language;
    for (std::uint32_t other : {1u, 2u, 3u, 5u, 6u, 8u, 2700u, 0xFFFFFFFFu}) {
      EXPECT_EQ(VXLocaleGetDialog(other), 0u) << c.language << "/" << other;
    }
  }
}

// Reads entry `entry` of a block the way the string-table layout defines it.
std::u16string entryOf(const StringBlock& block, std::uint32_t entry) {
  std::size_t at = 0;
  for (std::uint32_t index = 0; index < entry; ++index) at += 1 + block.data[at];
  return std::u16string(block.data + at + 1, block.data[at]);
}

TEST_F(VXLocaleTest, TextIdsLiveInBlockIdOver16PlusOneAtEntryIdMod16) {
  struct Case {
    std::uint32_t id, block, entry;
    std::u16string text;
  };
  const Case cases[] = {
      {16, 2, 0, u"The audio devices are already in use by another application. Please close it and try again."},
      {1001, 63, 9, u"Keypad"},
      {2001, 126, 1, u"Signaling Port"},
  };
  const ResourceModule* module = VXLocaleGetResourceHandle();
  ASSERT_NE(module, nullptr);
  EXPECT_EQ(module, VXLocaleGetResourceHandle());
  for (const Case& c : cases) {
    EXPECT_EQ(BlockOfId(c.id), c.block);
    EXPECT_EQ(EntryOfId(c.id), c.entry);
    const StringBlock* block = FindStringBlock(*module, kEnglishWindowsId, c.block);
    ASSERT_NE(block, nullptr) << c.id;
    EXPECT_EQ(entryOf(*block, c.entry), c.text) << c.id;
  }
}

TEST_F(VXLocaleTest, EveryLanguageHoldsTheSameBlocks) {
  std::set<std::uint32_t> expected;
  for (auto [first, last] : {std::pair{1u, 10u}, {63u, 73u}, {126u, 134u}}) {
    for (std::uint32_t n = first; n <= last; ++n) expected.insert(n);
  }
  const ResourceModule* module = VXLocaleGetResourceHandle();
  for (const LanguageInfo& info : kLanguages) {
    std::set<std::uint32_t> blocks;
    for (const StringBlock& block : module->blocks) {
      if (block.language == info.windowsId) blocks.insert(block.number);
    }
    EXPECT_EQ(blocks, expected) << info.name;
  }
}

TEST_F(VXLocaleTest, PageTemplatesCarryTheirLanguageCaptionAndFont) {
  struct Case {
    std::uint32_t id;
    std::uint16_t language;
    std::uint32_t page;
    std::u16string caption;
  };
  const Case cases[] = {
      {2700, 0x0409, 0, u"Audio"},      {11101, 0x0409, 4, u"SIP"},     {2200, 0x0409, 7, u"Network"},
      {12700, 0x040A, 0, u"Audio"},     {11100, 0x040A, 4, u"SIP"},     {12200, 0x040A, 7, u"Red"},
      {12704, 0x040C, 0, u"Audio"},     {11108, 0x040C, 4, u"SIP"},     {12206, 0x040C, 7, u"Réseau"},
      {12703, 0x0407, 0, u"Audio"},     {11107, 0x0407, 4, u"SIP"},     {12205, 0x0407, 7, u"Netzwerk"},
      {12701, 0x042A, 0, u"Âm thanh"},  {12203, 0x042A, 7, u"Mạng"},    {12702, 0x240A, 0, u"Audio"},
      {11106, 0x240A, 4, u"SIP"},       {12204, 0x240A, 7, u"Red"},
  };
  const ResourceModule* module = VXLocaleGetResourceHandle();
  EXPECT_EQ(module->pages.size(), std::size(cases));
  for (const Case& c : cases) {
    const PageTemplate* page = FindPageTemplate(*module, c.id);
    ASSERT_NE(page, nullptr) << c.id;
    EXPECT_EQ(page->language, c.language) << c.id;
    EXPECT_EQ(page->page, c.page) << c.id;
    EXPECT_EQ(std::u16string(page->caption), c.caption) << c.id;
    EXPECT_EQ(std::u16string(page->font), u"MS Sans Serif") << c.id;
    EXPECT_EQ(page->pointSize, 8) << c.id;
  }
}

}  // namespace
}  // namespace vx::locale::test
