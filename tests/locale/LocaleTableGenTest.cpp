// The build step that turns the data files into tables: it must refuse a table that would
// misbehave at run time, and say where the fault is.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "tests/locale/LocaleTestSupport.hpp"

namespace vx::locale::test {
namespace {

namespace fs = std::filesystem;

// A private copy of the data files in a temporary folder, removed at the end of the test.
class TableGenTest : public ::testing::Test {
 protected:
  void SetUp() override { fresh(); }
  void TearDown() override { fs::remove_all(root_); }

  // Starts again from an unchanged copy.
  void fresh() {
    root_ = fs::temp_directory_path() / ("vxlocale-tablegen-" + std::to_string(::getpid()) + "-" +
                                         ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(root_);
    fs::create_directories(root_);
    fs::copy(VX_LOCALE_TEXTS_DIR, root_ / "texts", fs::copy_options::recursive);
    fs::copy(VX_LOCALE_PAGES_DIR, root_ / "pages", fs::copy_options::recursive);
  }

  fs::path output() const { return root_ / "tables.cpp"; }

  ProcessResult generate() const {
    return RunProcess(std::string("'") + VX_LOCALE_TABLEGEN + "' '" + (root_ / "texts").string() + "' '" +
                      (root_ / "pages").string() + "' '" + output().string() + "' 2>&1");
  }

  // Replaces the text of one id in a language's file.
  void setText(const char* stem, std::uint32_t id, const std::string& text) const {
    fs::path path = root_ / "texts" / (std::string(stem) + ".tsv");
    const std::string prefix = std::to_string(id) + "\t";
    std::string changed;
    bool found = false;
    const std::string content = ReadFile(path.string());  // the lines are views into it
    for (std::string_view line : detail::SplitLines(content)) {
      bool target = !found && line.starts_with(prefix);
      changed += (target ? prefix + text : std::string(line)) + "\n";
      found = found || target;
    }
    ASSERT_TRUE(found) << "no id " << id << " in " << path;
    std::ofstream(path, std::ios::binary | std::ios::trunc) << changed;
  }

  void appendLine(const std::string& file, const std::string& line) const {
    std::ofstream(root_ / file, std::ios::binary | std::ios::app) << line << "\n";
  }

  fs::path root_;
};

TEST_F(TableGenTest, BuildsTheTablesFromTheShippedFiles) {
  ProcessResult result = generate();
  EXPECT_EQ(result.exitCode, 0) << result.output;
  EXPECT_NE(ReadFile(output().string()).find("kResourceModule"), std::string::npos);
}

// A placeholder that differs from English in kind or order would make printf read the
// wrong argument, so the table is refused and the line is named.
TEST_F(TableGenTest, RefusesATranslationWhosePlaceholdersDifferFromEnglish) {
  struct Case {
    const char* stem;
    std::uint32_t id;
    const char* text;
    const char* where;
  };
  const Case cases[] = {
      {"de", 25, "Der Port %s ist belegt; konfigurieren Sie %hu neu.", "de.tsv:"},
      {"fr", 1038, "Ligne %s", "fr.tsv:"},
      {"vi", 17, "Từ chối: %s", "vi.tsv:"},
      {"es", 1004, "Listo al 100% hoy", "es.tsv:"},
      {"es_CO", 29, "Llamadas (%hu) en (%S)", "es_CO.tsv:"},
      {"es_CO", 136, "Línea %n", "es_CO.tsv:"},  // an id English lacks is still checked on its own
      {"en", 1, "Only before Initialize %n.", "en.tsv:"},
  };
  for (const Case& c : cases) {
    fresh();
    setText(c.stem, c.id, c.text);
    ProcessResult result = generate();
    EXPECT_EQ(result.exitCode, 1) << c.stem << "/" << c.id;
    EXPECT_NE(result.output.find(c.where), std::string::npos) << result.output;
    EXPECT_NE(result.output.find("id " + std::to_string(c.id) + ":"), std::string::npos) << result.output;
    EXPECT_FALSE(fs::exists(output())) << c.stem << "/" << c.id;
  }
}

TEST_F(TableGenTest, RefusesBrokenFilesAndPages) {
  struct Case {
    const char* file;
    const char* line;
    const char* reason;
  };
  const Case cases[] = {
      {"texts/fr.tsv", "1\tEncore une fois", "already on line"},
      {"texts/de.tsv", "12a\tText", "id must be"},
      {"pages/vi.tsv", "page\t2700\t4\tSIP\tMS Sans Serif\t8", "template id 2700 already used"},
      {"pages/fr.tsv", "page\t12800\t0\tAudio\tMS Sans Serif\t8", "second template for page 0"},
      {"pages/de.tsv", "page\t12900\t9\tExtra\tMS Sans Serif\t8", "has no English template"},
      {"pages/es.tsv", "dialog\t12999\t0\tAudio\tMS Sans Serif\t8", "unknown record"},
      {"pages/en.tsv", "page\t2701\t3\tAudio\tMS Sans Serif", "fields"},
      {"pages/en.tsv", "page\t2701\t3\tAudio\tMS Sans Serif\t0", "point size"},
  };
  for (const Case& c : cases) {
    fresh();
    appendLine(c.file, c.line);
    ProcessResult result = generate();
    EXPECT_EQ(result.exitCode, 1) << c.line;
    EXPECT_NE(result.output.find(c.reason), std::string::npos) << result.output;
    EXPECT_FALSE(fs::exists(output())) << c.line;
  }
}

TEST_F(TableGenTest, RefusesALanguageThatCouldNeverBeSelected) {
  fs::path german = root_ / "texts" / "de.tsv";
  std::string kept;
  const std::string content = ReadFile(german.string());  // the lines are views into it
  for (std::string_view line : detail::SplitLines(content)) {
    detail::TextFile one = detail::ParseTextFile(line);
    if (one.entries.empty() || BlockOfId(one.entries[0].id) != kSelectionBlock) kept += std::string(line) + "\n";
  }
  std::ofstream(german, std::ios::binary | std::ios::trunc) << kept;
  ProcessResult result = generate();
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_NE(result.output.find("could never be selected"), std::string::npos) << result.output;
}

TEST_F(TableGenTest, RefusesAMissingLanguageFile) {
  fs::remove(root_ / "texts" / "vi.tsv");
  ProcessResult result = generate();
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_NE(result.output.find("vi.tsv: cannot be read"), std::string::npos) << result.output;
}

}  // namespace
}  // namespace vx::locale::test
