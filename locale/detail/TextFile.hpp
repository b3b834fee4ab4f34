#pragma once
// The translators' text files: one UTF-8 text a line as id<TAB>text, '#' starts a comment
// line, and \n, \t and \\ stand for a line break, a tab and a backslash.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vx::locale::detail {

struct TextEntry {
  std::uint32_t id;
  std::u16string text;
  std::size_t line;
};

struct TextError {
  std::size_t line;
  std::string message;
};

struct TextFile {
  std::vector<TextEntry> entries;  // in file order
  std::vector<TextError> errors;   // a file with errors must not be used
};

TextFile ParseTextFile(std::string_view content);

// Splits content into lines, dropping a leading byte-order mark and a CR before each LF.
std::vector<std::string_view> SplitLines(std::string_view content);

// Turns \n, \t and \\ into their characters; false on any other backslash sequence.
bool Unescape(std::string_view escaped, std::string* text, std::string* error);

// The form a text takes on one line: the inverse of Unescape.
std::string Escape(std::string_view text);

}  // namespace vx::locale::detail
