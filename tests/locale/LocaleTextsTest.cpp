// The texts as shipped: every language covers the English ids except its known gaps,
// every translator's line reaches the caller unchanged, and every translation takes the
// same printf arguments as the English text it translates.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "locale/detail/Placeholders.hpp"
#include "tests/locale/LocaleTestSupport.hpp"

namespace vx::locale::test {
namespace {

using Texts = std::map<std::uint32_t, std::string>;

// Every text of a language, read through the export.
Texts allTexts(tLanguage language) {
  EXPECT_EQ(VXLocaleSetLanguage(language), kLocaleSuccess);
  Texts texts;
  for (std::uint32_t id = 0; id <= kMaxTextId; ++id) {
    if (auto text = GetText(id)) texts.emplace(id, *text);
  }
  VXLocaleSetLanguage(LANGUAGE_ENGLISH);
  return texts;
}

struct Coverage {
  tLanguage language;
  std::set<std::uint32_t> missing;  // English ids the language has no text for
  std::set<std::uint32_t> extra;    // ids only this language has
};

const Coverage kCoverage[] = {
    {LANGUAGE_SPANISH, {}, {}},
    {LANGUAGE_FRENCH, {}, {}},
    {LANGUAGE_GERMAN, {}, {}},
    {LANGUAGE_VIETNAMESE, {144, 2137, 2138}, {}},
    {LANGUAGE_COLOMBIAN, {}, {136}},
};

using LocaleTextsTest = LocaleTest;

TEST_F(LocaleTextsTest, EnglishHoldsTheThreeIdRanges) {
  Texts english = allTexts(LANGUAGE_ENGLISH);
  EXPECT_EQ(english.size(), 402u);
  for (const auto& [id, text] : english) {
    EXPECT_TRUE((id >= 1 && id <= 152) || (id >= 1001 && id <= 1163) || (id >= 2001 && id <= 2141)) << id;
  }
  // The branded texts of the about menu and the operator messages are ours to write, but present.
  for (std::uint32_t id : {119u, 125u, 1115u, 1118u, 1119u, 1120u, 1121u, 1123u, 1124u, 1126u, 1134u, 1136u, 1152u,
                           1154u, 1155u, 1159u}) {
    EXPECT_TRUE(english.contains(id)) << id;
  }
}

TEST_F(LocaleTextsTest, EachTranslationCoversTheEnglishIdsExceptItsKnownGaps) {
  Texts english = allTexts(LANGUAGE_ENGLISH);
  for (const Coverage& coverage : kCoverage) {
    std::set<std::uint32_t> expected = coverage.extra;
    for (const auto& [id, text] : english) {
      if (!coverage.missing.contains(id)) expected.insert(id);
    }
    std::set<std::uint32_t> actual;
    for (const auto& [id, text] : allTexts(coverage.language)) actual.insert(id);
    EXPECT_EQ(actual, expected) << FindLanguage(coverage.language)->name;
  }
}

TEST_F(LocaleTextsTest, PlaceholdersOfEveryTranslationMatchTheEnglishText) {
  Texts english = allTexts(LANGUAGE_ENGLISH);
  for (const Coverage& coverage : kCoverage) {
    for (const auto& [id, text] : allTexts(coverage.language)) {
      auto original = english.find(id);
      if (original == english.end()) continue;
      std::u16string from;
      std::u16string to;
      ASSERT_TRUE(detail::Utf8ToUtf16(original->second, &from));
      ASSERT_TRUE(detail::Utf8ToUtf16(text, &to));
      std::string error;
      EXPECT_TRUE(detail::SamePlaceholders(from, to, &error))
          << FindLanguage(coverage.language)->name << ", id " << id << ": " << error;
    }
  }
}

// Guards against a language file that is a copy of the English one: labels such as "SIP",
// "OK" or "Video" read the same, but most texts must not.
TEST_F(LocaleTextsTest, TranslationsDifferFromEnglishInMostTexts) {
  constexpr double kMinimumTranslatedShare = 0.8;
  Texts english = allTexts(LANGUAGE_ENGLISH);
  for (const Coverage& coverage : kCoverage) {
    Texts texts = allTexts(coverage.language);
    std::size_t translated = 0;
    for (const auto& [id, text] : texts) translated += english.contains(id) && english[id] != text;
    EXPECT_GE(static_cast<double>(translated), kMinimumTranslatedShare * static_cast<double>(texts.size()))
        << FindLanguage(coverage.language)->name;
  }
}

// The library holds exactly what the translators wrote: no line lost, changed or added.
TEST_F(LocaleTextsTest, EveryLineOfTheTextFilesReachesTheCallerUnchanged) {
  for (const LanguageInfo& info : kLanguages) {
    detail::TextFile file = detail::ParseTextFile(ReadFile(TextsPath(info)));
    ASSERT_TRUE(file.errors.empty()) << TextsPath(info);
    ASSERT_FALSE(file.entries.empty()) << TextsPath(info);
    Texts expected;
    for (const detail::TextEntry& entry : file.entries) expected[entry.id] = detail::Utf16ToUtf8(entry.text);
    EXPECT_EQ(allTexts(info.language), expected) << info.name;
  }
}

}  // namespace
}  // namespace vx::locale::test
