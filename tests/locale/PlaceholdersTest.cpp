// The placeholder parity check that keeps a translation from handing printf the wrong arguments.
#include "locale/detail/Placeholders.hpp"

#include <gtest/gtest.h>

namespace vx::locale::detail {
namespace {

TEST(PlaceholdersTest, ComparesArgumentKindsInOrder) {
  struct Case {
    std::u16string english;
    std::u16string translation;
    bool same;
  };
  const Case cases[] = {
      {u"%s Call", u"Llamada de %s", true},
      {u"Port(%hu) ... configure %s", u"configurez %s ... port (%hu)", false},  // swapped
      {u"between %S and %S", u"entre %s y %s", true},                           // %S is narrowed to %s
      {u"Line %lu", u"Ligne %u", false},                                        // long read as int
      {u"Line %lu", u"Ligne %lx", true},
      {u"Range (%hu-%hu) in (%S)", u"Bereich (%hu-%hu) in (%S)", true},
      {u"Range (%hu-%hu) in (%S)", u"Bereich (%hu) in (%S)", false},           // one missing
      {u"Call %s: %s", u"Appel %s", false},
      {u"No arguments", u"Ajout %s", false},                                     // one too many
      {u"Ready", u"Prêt à 100% ", false},                                        // "% " starts a conversion
      {u"100%% done", u"100%% fait", true},
      {u"%5.2f", u"%f", true},
      {u"%*d", u"%d", false},                                                    // the star takes an int
      {u"%ls", u"%s", false},
      {u"", u"", true},
  };
  for (const Case& c : cases) {
    std::string error;
    EXPECT_EQ(SamePlaceholders(c.english, c.translation, &error), c.same)
        << std::string(c.translation.begin(), c.translation.end()) << ": " << error;
    EXPECT_EQ(error.empty(), c.same) << error;
  }
}

TEST(PlaceholdersTest, ListsThePlaceholdersAsWritten) {
  std::vector<Placeholder> placeholders;
  std::string error;
  ASSERT_TRUE(ParsePlaceholders(u"Port (%hu-%hu), %S, 100%%, %-8.3lu", &placeholders, &error)) << error;
  ASSERT_EQ(placeholders.size(), 4u);
  EXPECT_EQ(placeholders[0].text, "%hu");
  EXPECT_EQ(placeholders[0].kind, "h int");
  EXPECT_EQ(placeholders[2].text, "%S");
  EXPECT_EQ(placeholders[2].kind, "string");
  EXPECT_EQ(placeholders[3].text, "%-8.3lu");
  EXPECT_EQ(placeholders[3].kind, "l int");
}

TEST(PlaceholdersTest, RefusesConversionsNoCallerMayBeHanded) {
  const std::pair<std::u16string, const char*> cases[] = {
      {u"wrote %n bytes", "writes to memory"},
      {u"%1$s and %2$s", "positional"},
      {u"ends with %", "cut conversion"},
      {u"ends with %l", "cut conversion"},
      {u"odd %k here", "unknown conversion"},
  };
  for (const auto& [text, reason] : cases) {
    std::vector<Placeholder> placeholders;
    std::string error;
    EXPECT_FALSE(ParsePlaceholders(text, &placeholders, &error)) << reason;
    EXPECT_NE(error.find(reason), std::string::npos) << error;
  }
  std::string error;
  EXPECT_FALSE(SamePlaceholders(u"broken %", u"broken", &error));
  EXPECT_NE(error.find("English text"), std::string::npos) << error;
}

}  // namespace
}  // namespace vx::locale::detail
