// Reading the translators' text files: escapes, comments, line ends and every refusal.
#include "locale/detail/TextFile.hpp"

#include <gtest/gtest.h>

namespace vx::locale::detail {
namespace {

TEST(TextFileTest, ReadsTextsWithTheirEscapesAndLines) {
  TextFile file = ParseTextFile(
      "\xEF\xBB\xBF# comment\n"
      "\n"
      "1\tHello\r\n"
      "27\tfirst\\nsecond\\tthird \\\\ fourth\n"
      "65535\tÜber 100%%\n");
  ASSERT_TRUE(file.errors.empty()) << file.errors.front().message;
  ASSERT_EQ(file.entries.size(), 3u);
  EXPECT_EQ(file.entries[0].id, 1u);
  EXPECT_EQ(file.entries[0].text, u"Hello");
  EXPECT_EQ(file.entries[0].line, 3u);
  EXPECT_EQ(file.entries[1].text, u"first\nsecond\tthird \\ fourth");
  EXPECT_EQ(file.entries[2].id, 65535u);
  EXPECT_EQ(file.entries[2].text, u"Über 100%%");
}

TEST(TextFileTest, RefusesLinesThatCannotBeAText) {
  struct Case {
    std::string content;
    std::size_t line;
    const char* reason;
  };
  const Case cases[] = {
      {"1 Hello\n", 1, "no TAB"},
      {"x\tHello\n", 1, "id must be"},
      {"-1\tHello\n", 1, "id must be"},
      {"\tHello\n", 1, "id must be"},
      {"65536\tHello\n", 1, "id must be"},
      {"# ok\n1\t\n", 2, "empty text"},
      {"1\ta\\qb\n", 1, "unknown escape"},
      {"1\tab\\\n", 1, "backslash at the end"},
      {"1\t\xC3\x28\n", 1, "UTF-8"},
      {std::string("1\ta\0b\n", 6), 1, "NUL"},
      {"1\tA\n2\tB\n1\tC\n", 3, "already on line 1"},
      {"1\t" + std::string(65536, 'x') + "\n", 1, "longer than"},
  };
  for (const Case& c : cases) {
    TextFile file = ParseTextFile(c.content);
    ASSERT_EQ(file.errors.size(), 1u) << c.reason;
    EXPECT_EQ(file.errors[0].line, c.line) << c.reason;
    EXPECT_NE(file.errors[0].message.find(c.reason), std::string::npos) << file.errors[0].message;
  }
}

TEST(TextFileTest, EscapeIsTheInverseOfUnescape) {
  for (std::string text : {"plain", "two\nlines", "tab\there", "back\\slash", "\\n literally", "\n\t\\"}) {
    std::string back;
    std::string error;
    ASSERT_TRUE(Unescape(Escape(text), &back, &error)) << error;
    EXPECT_EQ(back, text);
    EXPECT_EQ(Escape(text).find('\n'), std::string::npos);
  }
}

}  // namespace
}  // namespace vx::locale::detail
