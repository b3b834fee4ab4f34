#pragma once
// The printf placeholders of a text. A translation is formatted with the arguments its
// English text was written for, so it must consume the same kinds of argument in the
// same order, or the caller that formats it reads the wrong values or crashes.
#include <string>
#include <string_view>
#include <vector>

namespace vx::locale::detail {

struct Placeholder {
  std::string text;  // as written, for messages: "%hu"
  std::string kind;  // the argument it takes: "h int"; %s and %S both take a "string"
};

// The placeholders in order, or false with *error set when the text holds a conversion
// that no caller may be handed (%n, positional arguments, an unknown or cut conversion).
bool ParsePlaceholders(std::u16string_view text, std::vector<Placeholder>* placeholders, std::string* error);

// True when the translation takes the same argument kinds in the same order as the English text.
bool SamePlaceholders(std::u16string_view english, std::u16string_view translation, std::string* error);

}  // namespace vx::locale::detail
