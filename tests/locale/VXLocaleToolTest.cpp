// The vxlocale tool: one text by language and id, or a whole language in the form of the
// translators' files.
#include <gtest/gtest.h>

#include "tests/locale/LocaleTestSupport.hpp"

namespace vx::locale::test {
namespace {

ProcessResult runTool(const std::string& arguments) {
  return RunProcess(std::string("'") + VX_LOCALE_TOOL + "' " + arguments + " 2>/dev/null");
}

TEST(VXLocaleToolTest, PrintsOneTextOrExitsOneWhenThereIsNone) {
  struct Case {
    const char* arguments;
    int exitCode;
    const char* output;
  };
  const Case cases[] = {
      {"3 79", 0, "Diese Sprache wird nicht unterstützt.\n"},
      {"4 1005", 0, "Cuộc gọi tới\n"},
      {"0 27", 0, "You are behind a symmetric NAT. This kind of NAT is not handled.\nYou can not use %s in your network.\n"},
      {"5 136", 0, "The first line number is invalid.\n"},
      {"0 136", 1, ""},
      {"4 144", 1, ""},
      {"4 2138", 1, ""},
      {"0 70000", 1, ""},
      {"6 1", 2, ""},
      {"", 2, ""},
      {"x", 2, ""},
      {"0 1x", 2, ""},
      {"-1 1", 2, ""},
      {"0 1 2", 2, ""},
  };
  for (const Case& c : cases) {
    ProcessResult result = runTool(c.arguments);
    EXPECT_EQ(result.exitCode, c.exitCode) << c.arguments;
    EXPECT_EQ(result.output, c.output) << c.arguments;
  }
}

// Printing a language gives back its file without the comments, so a translator can
// compare what ships with what was written.
TEST(VXLocaleToolTest, PrintsAWholeLanguageInTheFormOfItsFile) {
  for (const LanguageInfo& info : kLanguages) {
    std::string expected;
    const std::string content = ReadFile(TextsPath(info));  // the lines are views into it
    for (std::string_view line : detail::SplitLines(content)) {
      if (!line.empty() && !line.starts_with('#')) expected += std::string(line) + "\n";
    }
    ProcessResult result = runTool(std::to_string(info.language));
    EXPECT_EQ(result.exitCode, 0) << info.name;
    EXPECT_EQ(result.output, expected) << info.name;
  }
}

}  // namespace
}  // namespace vx::locale::test
