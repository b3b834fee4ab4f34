#include "locale/detail/Placeholders.hpp"

#include <algorithm>

namespace vx::locale::detail {
namespace {

constexpr std::u16string_view kFlags = u"-+ #0'";
constexpr std::u16string_view kLengths[] = {u"hh", u"ll", u"I64", u"I32", u"h", u"l", u"L", u"q", u"j", u"z", u"t", u"I"};

struct ConversionClass {
  char16_t conversion;
  const char* kind;
};

// Conversions that read the same argument type share a kind.
constexpr ConversionClass kConversions[] = {
    {u'd', "int"},    {u'i', "int"},    {u'o', "int"},    {u'u', "int"},    {u'x', "int"},
    {u'X', "int"},    {u'c', "char"},   {u'C', "wchar"},  {u's', "string"}, {u'S', "string"},
    {u'p', "pointer"}, {u'e', "double"}, {u'E', "double"}, {u'f', "double"}, {u'F', "double"},
    {u'g', "double"}, {u'G', "double"}, {u'a', "double"}, {u'A', "double"},
};

bool isDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

std::string narrow(std::u16string_view text) {
  std::string out;
  for (char16_t c : text) out.push_back(c < 0x80 ? static_cast<char>(c) : '?');
  return out;
}

std::string join(const std::vector<Placeholder>& placeholders) {
  if (placeholders.empty()) return "none";
  std::string out;
  for (const Placeholder& p : placeholders) out += (out.empty() ? "" : " ") + p.text;
  return out;
}

std::size_t skipDigits(std::u16string_view text, std::size_t pos) {
  while (pos < text.size() && isDigit(text[pos])) ++pos;
  return pos;
}

}  // namespace

bool ParsePlaceholders(std::u16string_view text, std::vector<Placeholder>* placeholders, std::string* error) {
  placeholders->clear();
  for (std::size_t start = text.find(u'%'); start != std::u16string_view::npos; start = text.find(u'%', start)) {
    std::size_t pos = start + 1;
    if (pos < text.size() && text[pos] == u'%') {
      start = pos + 1;
      continue;
    }
    while (pos < text.size() && kFlags.find(text[pos]) != std::u16string_view::npos) ++pos;
    bool starWidth = pos < text.size() && text[pos] == u'*';
    pos = starWidth ? pos + 1 : skipDigits(text, pos);
    if (pos < text.size() && text[pos] == u'$') {
      *error = "positional argument in \"" + narrow(text.substr(start, pos + 1 - start)) + "\"";
      return false;
    }
    bool starPrecision = false;
    if (pos < text.size() && text[pos] == u'.') {
      ++pos;
      starPrecision = pos < text.size() && text[pos] == u'*';
      pos = starPrecision ? pos + 1 : skipDigits(text, pos);
    }
    std::u16string_view length;
    for (std::u16string_view candidate : kLengths) {
      if (text.substr(pos, candidate.size()) == candidate) {
        length = candidate;
        break;
      }
    }
    pos += length.size();
    if (pos >= text.size()) {
      *error = "cut conversion \"" + narrow(text.substr(start)) + "\" at the end";
      return false;
    }
    const char16_t conversion = text[pos];
    std::string written = narrow(text.substr(start, pos + 1 - start));
    if (conversion == u'n') {
      *error = "conversion \"" + written + "\" writes to memory";
      return false;
    }
    auto known = std::find_if(std::begin(kConversions), std::end(kConversions),
                              [&](const ConversionClass& c) { return c.conversion == conversion; });
    if (known == std::end(kConversions)) {
      *error = "unknown conversion \"" + written + "\" (write a literal % as %%)";
      return false;
    }
    if (starWidth) placeholders->push_back({written + " (width)", "int"});
    if (starPrecision) placeholders->push_back({written + " (precision)", "int"});
    std::string kind = length.empty() ? known->kind : narrow(length) + " " + known->kind;
    placeholders->push_back({written, kind});
    start = pos + 1;
  }
  return true;
}

bool SamePlaceholders(std::u16string_view english, std::u16string_view translation, std::string* error) {
  std::vector<Placeholder> expected;
  std::vector<Placeholder> actual;
  if (!ParsePlaceholders(english, &expected, error)) {
    *error = "English text: " + *error;
    return false;
  }
  if (!ParsePlaceholders(translation, &actual, error)) return false;
  bool same = std::equal(expected.begin(), expected.end(), actual.begin(), actual.end(),
                         [](const Placeholder& a, const Placeholder& b) { return a.kind == b.kind; });
  if (!same) *error = "placeholders " + join(actual) + " differ from the English " + join(expected);
  return same;
}

}  // namespace vx::locale::detail
