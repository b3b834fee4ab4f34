// vxlocale_tablegen: turns the translators' text files and the page template files into
// the locale module's resource tables, and refuses data that would misbehave at run
// time, above all a translation whose printf placeholders differ from the English text.
//
//   vxlocale_tablegen TEXTS_DIR PAGES_DIR OUTPUT.cpp
//
// Exit 0 with the tables written, 1 with every problem listed on stderr, 2 on misuse.
#include <algorithm>
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "locale/Language.hpp"
#include "locale/ResourceModule.hpp"
#include "locale/detail/Placeholders.hpp"
#include "locale/detail/TextFile.hpp"
#include "locale/detail/Utf.hpp"

namespace {

using namespace vx::locale;
namespace fs = std::filesystem;

constexpr const char* kDataSuffix = ".tsv";
constexpr std::string_view kPageRecord = "page";
constexpr std::size_t kPageFields = 6;  // page, id, page number, caption, font, point size
constexpr std::uint32_t kMaxResourceId = 0xFFFF;
constexpr std::uint32_t kMaxPointSize = 72;

struct PageRecord {
  std::uint32_t id;
  std::uint32_t page;
  std::u16string caption;
  std::u16string font;
  std::uint32_t pointSize;
  std::size_t line;
};

struct Language {
  const LanguageInfo* info;
  fs::path textsPath;
  fs::path pagesPath;
  std::vector<detail::TextEntry> texts;
  std::vector<PageRecord> pages;
};

class Problems {
 public:
  void add(const fs::path& file, std::size_t line, const std::string& message) {
    list_.push_back(file.string() + ":" + std::to_string(line) + ": " + message);
  }
  void add(const fs::path& file, const std::string& message) { list_.push_back(file.string() + ": " + message); }
  bool any() const { return !list_.empty(); }
  void print() const {
    for (const std::string& problem : list_) std::fprintf(stderr, "%s\n", problem.c_str());
    std::fprintf(stderr, "vxlocale_tablegen: %zu problem(s), no tables written\n", list_.size());
  }

 private:
  std::vector<std::string> list_;
};

bool readFile(const fs::path& path, std::string* content) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream buffer;
  buffer << in.rdbuf();
  *content = buffer.str();
  return true;
}

bool parseNumber(std::string_view digits, std::uint32_t* value) {
  auto [end, status] = std::from_chars(digits.data(), digits.data() + digits.size(), *value);
  return !digits.empty() && status == std::errc() && end == digits.data() + digits.size();
}

std::vector<std::string_view> splitTabs(std::string_view line) {
  std::vector<std::string_view> fields;
  for (std::size_t tab; (tab = line.find('\t')) != std::string_view::npos; line.remove_prefix(tab + 1)) {
    fields.push_back(line.substr(0, tab));
  }
  fields.push_back(line);
  return fields;
}

bool decodeField(std::string_view field, std::u16string* text, std::string* error) {
  std::string utf8;
  if (!detail::Unescape(field, &utf8, error)) return false;
  if (!detail::Utf8ToUtf16(utf8, text)) *error = "not valid UTF-8";
  return error->empty() && !text->empty();
}

void readTexts(Language& language, Problems& problems) {
  std::string content;
  if (!readFile(language.textsPath, &content)) return problems.add(language.textsPath, "cannot be read");
  detail::TextFile file = detail::ParseTextFile(content);
  for (const detail::TextError& error : file.errors) problems.add(language.textsPath, error.line, error.message);
  language.texts = std::move(file.entries);
}

// One "page" record a line; the configuration sheet adds the records of each page's controls.
void readPages(Language& language, Problems& problems) {
  std::string content;
  if (!readFile(language.pagesPath, &content)) return problems.add(language.pagesPath, "cannot be read");
  std::size_t number = 0;
  for (std::string_view line : detail::SplitLines(content)) {
    ++number;
    if (line.empty() || line.starts_with('#')) continue;
    std::vector<std::string_view> fields = splitTabs(line);
    if (fields[0] != kPageRecord) {
      problems.add(language.pagesPath, number, "unknown record \"" + std::string(fields[0]) + "\"");
      continue;
    }
    PageRecord record{0, 0, {}, {}, 0, number};
    std::string error;
    if (fields.size() != kPageFields) {
      problems.add(language.pagesPath, number, "a page record has " + std::to_string(kPageFields) + " TAB-separated fields");
    } else if (!parseNumber(fields[1], &record.id) || record.id == 0 || record.id > kMaxResourceId) {
      problems.add(language.pagesPath, number, "template id must be a number from 1 to " + std::to_string(kMaxResourceId));
    } else if (!parseNumber(fields[2], &record.page)) {
      problems.add(language.pagesPath, number, "page number must be a number");
    } else if (!decodeField(fields[3], &record.caption, &error) || !decodeField(fields[4], &record.font, &error)) {
      problems.add(language.pagesPath, number, error.empty() ? "caption and font must not be empty" : error);
    } else if (!parseNumber(fields[5], &record.pointSize) || record.pointSize == 0 || record.pointSize > kMaxPointSize) {
      problems.add(language.pagesPath, number, "point size must be a number from 1 to " + std::to_string(kMaxPointSize));
    } else {
      language.pages.push_back(std::move(record));
    }
  }
}

// A translation is formatted with the English text's arguments, so it must take the same kinds in order.
void checkPlaceholders(const std::vector<Language>& languages, Problems& problems) {
  const Language& english = languages.front();
  std::map<std::uint32_t, const std::u16string*> englishTexts;
  std::string error;
  for (const detail::TextEntry& entry : english.texts) {
    std::vector<detail::Placeholder> unused;
    if (!detail::ParsePlaceholders(entry.text, &unused, &error)) {
      problems.add(english.textsPath, entry.line, "id " + std::to_string(entry.id) + ": " + error);
    }
    englishTexts[entry.id] = &entry.text;
  }
  for (const Language& language : languages) {
    if (&language == &english) continue;
    for (const detail::TextEntry& entry : language.texts) {
      auto found = englishTexts.find(entry.id);
      std::vector<detail::Placeholder> unused;
      bool good = found == englishTexts.end() ? detail::ParsePlaceholders(entry.text, &unused, &error)
                                              : detail::SamePlaceholders(*found->second, entry.text, &error);
      if (!good) problems.add(language.textsPath, entry.line, "id " + std::to_string(entry.id) + ": " + error);
    }
  }
}

void checkSelectable(const std::vector<Language>& languages, Problems& problems) {
  for (const Language& language : languages) {
    bool selectable = std::any_of(language.texts.begin(), language.texts.end(),
                                  [](const detail::TextEntry& e) { return BlockOfId(e.id) == kSelectionBlock; });
    if (!selectable) {
      problems.add(language.textsPath, "holds no text with an id from 0 to " + std::to_string(kEntriesPerBlock - 1) +
                                           ", so the language could never be selected");
    }
  }
}

// Template ids are unique across languages, one template per page and language, and
// English has every page, since it serves the languages that lack one.
void checkPages(const std::vector<Language>& languages, Problems& problems) {
  std::map<std::uint32_t, std::string> idOwner;
  std::set<std::uint32_t> englishPages;
  for (const PageRecord& record : languages.front().pages) englishPages.insert(record.page);
  for (const Language& language : languages) {
    std::set<std::uint32_t> pages;
    for (const PageRecord& record : language.pages) {
      std::string where = language.pagesPath.filename().string() + ":" + std::to_string(record.line);
      if (auto [it, fresh] = idOwner.emplace(record.id, where); !fresh) {
        problems.add(language.pagesPath, record.line, "template id " + std::to_string(record.id) + " already used at " + it->second);
      }
      if (!pages.insert(record.page).second) {
        problems.add(language.pagesPath, record.line, "second template for page " + std::to_string(record.page));
      }
      if (!englishPages.contains(record.page)) {
        problems.add(language.pagesPath, record.line, "page " + std::to_string(record.page) + " has no English template");
      }
    }
  }
}

// A C++ u"" literal of the units. Non-ASCII text stays readable as UTF-8 (the compiler's
// source character set); each hex escape ends its literal so that no text character extends it.
std::string literal(std::u16string_view units) {
  std::string out = "u\"";
  bool afterEscape = false;
  for (std::size_t i = 0; i < units.size(); ++i) {
    char16_t c = units[i];
    if (c < 0x20 || c == 0x7F) {
      char escape[16];
      std::snprintf(escape, sizeof escape, "\\x%x", static_cast<unsigned>(c));
      out += escape;
      afterEscape = true;
      continue;
    }
    if (afterEscape) out += "\" u\"";
    afterEscape = false;
    if (c == u'"' || c == u'\\') out += '\\';
    std::size_t end = i + 1;
    if (c >= 0xD800 && c <= 0xDBFF && end < units.size()) ++end;  // keep a surrogate pair together
    out += detail::Utf16ToUtf8(units.substr(i, end - i));
    i = end - 1;
  }
  return out + "\"";
}

std::string hex4(std::uint32_t value) {
  char text[8];
  std::snprintf(text, sizeof text, "%04X", value);
  return text;
}

void writeBlocks(const Language& language, std::ostream& out, std::vector<std::string>& blockRows) {
  std::map<std::uint32_t, std::map<std::uint32_t, const std::u16string*>> blocks;
  for (const detail::TextEntry& entry : language.texts) blocks[BlockOfId(entry.id)][EntryOfId(entry.id)] = &entry.text;
  for (const auto& [number, entries] : blocks) {
    std::string name = "kBlock" + hex4(language.info->windowsId) + "_" + std::to_string(number);
    std::size_t units = 0;
    out << "// " << language.info->name << ", ids " << (number - 1) * kEntriesPerBlock << " to "
        << number * kEntriesPerBlock - 1 << "\n";
    out << "constexpr char16_t " << name << "[] =\n";
    for (std::uint32_t entry = 0; entry < kEntriesPerBlock; ++entry) {
      auto found = entries.find(entry);
      std::u16string_view text = found == entries.end() ? std::u16string_view() : *found->second;
      char length[16];
      std::snprintf(length, sizeof length, "u\"\\x%zx\"", text.size());
      out << "    " << length << (text.empty() ? "" : " " + literal(text)) << (entry + 1 == kEntriesPerBlock ? ";\n" : "\n");
      units += 1 + text.size();
    }
    out << "static_assert(std::size(" << name << ") == " << units << " + 1, \"UTF-8 source read as another charset\");\n\n";
    blockRows.push_back("{0x" + hex4(language.info->windowsId) + ", " + std::to_string(number) + ", " + name + ", " +
                        std::to_string(units) + "}");
  }
}

bool writeTables(const std::vector<Language>& languages, const fs::path& output) {
  std::ostringstream out;
  out << "// Generated by vxlocale_tablegen from locale/texts and locale/pages. Do not edit.\n"
      << "#include <iterator>\n\n#include \"locale/detail/ResourceTables.hpp\"\n\n"
      << "namespace vx::locale::detail {\nnamespace {\n\n";
  std::vector<std::string> blockRows;
  std::vector<std::string> pageRows;
  for (const Language& language : languages) {
    writeBlocks(language, out, blockRows);
    for (const PageRecord& record : language.pages) {
      pageRows.push_back("{" + std::to_string(record.id) + ", 0x" + hex4(language.info->windowsId) + ", " +
                         std::to_string(record.page) + ", " + literal(record.caption) + ", " + literal(record.font) +
                         ", " + std::to_string(record.pointSize) + "}");
    }
  }
  out << "constexpr StringBlock kBlocks[] = {\n";
  for (const std::string& row : blockRows) out << "    " << row << ",\n";
  out << "};\n\nconstexpr PageTemplate kPages[] = {\n";
  for (const std::string& row : pageRows) out << "    " << row << ",\n";
  out << "};\n\n}  // namespace\n\nconstinit const ResourceModule kResourceModule{kBlocks, kPages};\n\n"
      << "}  // namespace vx::locale::detail\n";

  // Written beside the target and renamed, so that a failed run never leaves half a table behind.
  fs::path temporary = output;
  temporary += ".tmp";
  {
    std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
    file << out.str();
    if (!file.flush()) return false;
  }
  std::error_code error;
  fs::rename(temporary, output, error);
  return !error;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: vxlocale_tablegen TEXTS_DIR PAGES_DIR OUTPUT.cpp\n");
    return 2;
  }
  std::vector<Language> languages;
  for (const LanguageInfo& info : kLanguages) {
    std::string file = std::string(info.fileStem) + kDataSuffix;
    languages.push_back({&info, fs::path(argv[1]) / file, fs::path(argv[2]) / file, {}, {}});
  }
  Problems problems;
  for (Language& language : languages) {
    readTexts(language, problems);
    readPages(language, problems);
  }
  checkPlaceholders(languages, problems);
  checkSelectable(languages, problems);
  checkPages(languages, problems);
  if (problems.any()) {
    problems.print();
    return 1;
  }
  if (!writeTables(languages, argv[3])) {
    std::fprintf(stderr, "vxlocale_tablegen: cannot write %s\n", argv[3]);
    return 1;
  }
  return 0;
}
