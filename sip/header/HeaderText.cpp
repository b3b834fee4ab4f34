#include "sip/header/HeaderText.hpp"

#include <utility>

#include "runtime/log/Log.hpp"
#include "sip/data/TextCodec.hpp"
#include "sip/url/BaseUrl.hpp"

namespace vx::detail {
namespace {

bool isContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

}  // namespace

std::string_view trimLws(std::string_view text) {
  std::size_t first = text.find_first_not_of(kLws);
  if (first == std::string_view::npos) return {};
  std::size_t last = text.find_last_not_of(kLws);
  return text.substr(first, last - first + 1);
}

void logParseError(const char* message) { Log(kSipLogChannel, LOG_ERROR, "%s", message); }

bool holdsLineBreakOrNul(std::string_view value) {
  return value.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

bool acceptApiValue(std::string_view value, const char* what) {
  if (!holdsLineBreakOrNul(value)) return true;
  Log(kSipLogChannel, LOG_ERROR, "%s refused: it holds CR, LF or NUL", what);
  return false;
}

std::size_t findUnquoted(std::string_view text, char c) {
  bool inQuote = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char b = text[i];
    if (inQuote) {
      if (b == '\\') {
        ++i;
      } else if (b == '"') {
        inQuote = false;
      }
    } else if (b == c) {
      return i;
    } else if (b == '"') {
      inQuote = true;
    }
  }
  return std::string_view::npos;
}

void appendQuoted(Data& out, std::string_view text) {
  out += '"';
  std::size_t from = 0;
  for (std::size_t at = text.find_first_of("\"\\"); at != std::string_view::npos;
       at = text.find_first_of("\"\\", at + 1)) {
    out.append(text.substr(from, at - from));
    out += '\\';
    out += text[at];
    from = at + 1;
  }
  out.append(text.substr(from));
  out += '"';
}

Data unquote(std::string_view text) {
  if (text.empty() || text.front() != '"') return Data(text);
  Data out;
  out.reserve(text.size());
  for (std::size_t i = 1; i < text.size(); ++i) {
    char b = text[i];
    if (b == '"') break;
    if (b == '\\' && i + 1 < text.size()) b = text[++i];
    out += b;
  }
  return out;
}

bool isValidUtf8(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    auto lead = static_cast<unsigned char>(text[i]);
    std::size_t n = lead < 0x80 ? 1 : lead >= 0xC2 && lead <= 0xDF ? 2 : lead >= 0xE0 && lead <= 0xEF ? 3
                                  : lead >= 0xF0 && lead <= 0xF4   ? 4
                                                                   : 0;
    if (n == 0 || n > text.size() - i) return false;
    for (std::size_t k = 1; k < n; ++k) {
      if (!isContinuation(static_cast<unsigned char>(text[i + k]))) return false;
    }
    i += n;
  }
  return true;
}

Data asUtf8(std::string_view text) { return isValidUtf8(text) ? Data(text) : eightBitToUtf8(text); }

Data percentEncode(std::string_view text, std::string_view allowed) {
  static constexpr char kHex[] = "0123456789abcdef";
  Data out;
  out.reserve(text.size());
  for (char c : text) {
    if (allowed.find(c) != std::string_view::npos) {
      out += c;
    } else {
      auto b = static_cast<unsigned char>(c);
      out += '%';
      out += kHex[b >> 4];
      out += kHex[b & 0x0F];
    }
  }
  return out;
}

Data startLine(SipHeaderType type, std::size_t valueSizeHint) {
  const SipHeaderInfo& info = headerInfo(type);
  Data out;
  if (info.combinedLine) {
    out.reserve(valueSizeHint);
    return out;
  }
  out.reserve(info.wireName.size() + valueSizeHint + 4);
  out.append(info.wireName).append(": ");
  return out;
}

Data endLine(SipHeaderType type, Data& out) {
  const SipHeaderInfo& info = headerInfo(type);
  if (info.splitAtCommas) {
    std::size_t valueStart = info.combinedLine ? 0 : info.wireName.size() + 2;
    bool leftOpen = false;
    if (cut::findOutside(out.view().substr(valueStart), ",", true, true, leftOpen) != std::string_view::npos) {
      Log(kSipLogChannel, LOG_ERROR, "%.*s not written: a comma would split it", static_cast<int>(info.wireName.size()),
          info.wireName.data());
      return Data();
    }
  }
  if (!info.combinedLine) out.append("\r\n");
  return std::move(out);
}

void addField(SipHeaderFields& fields, const char* name, const Data& value) {
  if (!value.empty()) fields.emplace_back(name, value);
}

void addParamFields(SipHeaderFields& fields, const SipParameterList& params) {
  for (const auto& [name, value] : params.getParams()) {
    fields.emplace_back("param", value.empty() ? name : name + "=" + value);
  }
}

}  // namespace vx::detail
