// UTF-8 and UTF-16 conversions of the texts.
#include "locale/detail/Utf.hpp"

#include <gtest/gtest.h>

namespace vx::locale::detail {
namespace {

TEST(UtfTest, ConvertsBothWays) {
  const std::pair<std::string, std::u16string> cases[] = {
      {"", u""},
      {"Keypad", u"Keypad"},
      {"Überprüfen", u"Überprüfen"},
      {"Cuộc gọi tới", u"Cuộc gọi tới"},
      {"€ 😀", u"€ 😀"},  // a character outside the BMP takes a surrogate pair
  };
  for (const auto& [utf8, utf16] : cases) {
    std::u16string converted;
    ASSERT_TRUE(Utf8ToUtf16(utf8, &converted)) << utf8;
    EXPECT_EQ(converted, utf16) << utf8;
    EXPECT_EQ(Utf16ToUtf8(utf16), utf8);
  }
}

TEST(UtfTest, RefusesMalformedUtf8) {
  for (std::string bad : {"\x80", "\xC0\xAF", "\xE0\x80\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xE2\x82", "a\xFF"}) {
    std::u16string converted;
    EXPECT_FALSE(Utf8ToUtf16(bad, &converted)) << testing::PrintToString(bad);
  }
}

TEST(UtfTest, ReplacesLoneSurrogates) {
  EXPECT_EQ(Utf16ToUtf8(std::u16string(1, char16_t(0xD800)) + u"x"), "\xEF\xBF\xBDx");
  EXPECT_EQ(Utf16ToUtf8(std::u16string(1, char16_t(0xDC00))), "\xEF\xBF\xBD");
}

TEST(UtfTest, FixedBufferCutsAtACharacterBoundary) {
  struct Case {
    std::size_t capacity;
    const char* expected;
  };
  const Case cases[] = {{1, ""}, {2, "a"}, {3, "a"}, {4, "aé"}, {7, "aé"}, {8, "aé😀"}, {64, "aé😀"}};
  for (const Case& c : cases) {
    char out[64];
    std::size_t written = Utf16ToUtf8(u"aé😀", out, c.capacity);
    EXPECT_STREQ(out, c.expected) << c.capacity;
    EXPECT_EQ(written, std::string(c.expected).size());
  }
}

}  // namespace
}  // namespace vx::locale::detail
