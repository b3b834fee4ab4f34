#include "locale/detail/TextFile.hpp"

#include <charconv>
#include <map>

#include "locale/ResourceModule.hpp"
#include "locale/detail/Utf.hpp"

namespace vx::locale::detail {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool parseId(std::string_view digits, std::uint32_t* id) {
  if (digits.empty()) return false;
  auto [end, status] = std::from_chars(digits.data(), digits.data() + digits.size(), *id);
  return status == std::errc() && end == digits.data() + digits.size();
}

}  // namespace

std::vector<std::string_view> SplitLines(std::string_view content) {
  if (content.starts_with(kByteOrderMark)) content.remove_prefix(kByteOrderMark.size());
  std::vector<std::string_view> lines;
  while (!content.empty()) {
    std::size_t end = content.find('\n');
    std::string_view line = content.substr(0, end);
    if (line.ends_with('\r')) line.remove_suffix(1);
    lines.push_back(line);
    content.remove_prefix(end == std::string_view::npos ? content.size() : end + 1);
  }
  return lines;
}

bool Unescape(std::string_view escaped, std::string* text, std::string* error) {
  text->clear();
  for (std::size_t i = 0; i < escaped.size(); ++i) {
    if (escaped[i] != '\\') {
      text->push_back(escaped[i]);
      continue;
    }
    char next = i + 1 < escaped.size() ? escaped[i + 1] : '\0';
    switch (next) {
      case 'n': text->push_back('\n'); break;
      case 't': text->push_back('\t'); break;
      case '\\': text->push_back('\\'); break;
      default:
        *error = next ? std::string("unknown escape \\") + next + " (write a backslash as \\\\)"
                      : "backslash at the end of the text";
        return false;
    }
    ++i;
  }
  return true;
}

std::string Escape(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    switch (c) {
      case '\n': out += "\\n"; break;
      case '\t': out += "\\t"; break;
      case '\\': out += "\\\\"; break;
      default: out.push_back(c);
    }
  }
  return out;
}

TextFile ParseTextFile(std::string_view content) {
  TextFile file;
  std::map<std::uint32_t, std::size_t> firstLine;
  std::size_t number = 0;
  for (std::string_view line : SplitLines(content)) {
    ++number;
    if (line.empty() || line.starts_with('#')) continue;
    std::size_t tab = line.find('\t');
    if (tab == std::string_view::npos) {
      file.errors.push_back({number, "no TAB between id and text"});
      continue;
    }
    TextEntry entry{0, {}, number};
    std::string utf8;
    std::string error;
    if (!parseId(line.substr(0, tab), &entry.id) || entry.id > kMaxTextId) {
      file.errors.push_back({number, "id must be a number from 0 to " + std::to_string(kMaxTextId)});
    } else if (!Unescape(line.substr(tab + 1), &utf8, &error)) {
      file.errors.push_back({number, error});
    } else if (!Utf8ToUtf16(utf8, &entry.text)) {
      file.errors.push_back({number, "text is not valid UTF-8"});
    } else if (entry.text.find(u'\0') != std::u16string::npos) {
      file.errors.push_back({number, "text holds a NUL character, which would end it early"});
    } else if (entry.text.empty()) {
      file.errors.push_back({number, "empty text (an empty text is a missing one: delete the line)"});
    } else if (entry.text.size() > kMaxTextUnits) {
      file.errors.push_back({number, "text longer than " + std::to_string(kMaxTextUnits) + " UTF-16 units"});
    } else if (auto [it, fresh] = firstLine.emplace(entry.id, number); !fresh) {
      file.errors.push_back({number, "id " + std::to_string(entry.id) + " already on line " + std::to_string(it->second)});
    } else {
      file.entries.push_back(std::move(entry));
    }
  }
  return file;
}

}  // namespace vx::locale::detail
