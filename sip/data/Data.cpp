#include "sip/data/Data.hpp"

#include <cctype>
#include <cstdint>
#include <cstdio>

#include "runtime/log/Assert.hpp"

namespace vx {
namespace {

bool isBlankOrTab(char c) { return c == ' ' || c == '\t'; }

bool inSet(std::string_view set, char c) { return set.find(c) != std::string_view::npos; }

// Past the longest 32-bit magnitude every value is overflow, so the sum may stop growing there.
constexpr std::uint64_t kMagnitudeCeiling = 1ULL << 40;
constexpr std::uint64_t kLargestInt = 2147483647ULL;

}  // namespace

Data::Data(const char* text) : buf_(text ? text : "") {}
Data::Data(const char* bytes, std::size_t length) : buf_(bytes ? std::string(bytes, length) : std::string()) {}
Data::Data(int value) {
  char text[16];
  std::snprintf(text, sizeof text, "%d", value);
  buf_ = text;
}
Data::Data(const std::string& text) : buf_(text) {}
Data::Data(std::string_view text) : buf_(text) {}
Data::Data(const Data& other) : buf_(other.view()) {}
Data::Data(Data&& other) noexcept : buf_(std::move(other.buf_)), begin_(other.begin_) {
  other.buf_.clear();
  other.begin_ = 0;
}

Data& Data::operator=(const Data& other) {
  if (this != &other) {
    buf_.assign(other.view());
    begin_ = 0;
  }
  return *this;
}

Data& Data::operator=(Data&& other) noexcept {
  if (this != &other) {
    buf_ = std::move(other.buf_);
    begin_ = other.begin_;
    other.buf_.clear();
    other.begin_ = 0;
  }
  return *this;
}

Data Data::hexFromBytes(const unsigned char* bytes, std::size_t n) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string out;
  out.reserve(2 * n);
  for (std::size_t i = 0; i < n; ++i) {
    out += kDigits[bytes[i] >> 4];
    out += kDigits[bytes[i] & 0x0F];
  }
  return Data(std::move(out));
}

int Data::toInt() const {
  std::string_view s = view();
  std::size_t i = 0;
  while (i < s.size() && std::isspace(static_cast<unsigned char>(s[i]))) ++i;
  bool negative = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
  // Read into 64 bits so that a value past 32 bits is seen as overflow, never wrapped.
  std::uint64_t magnitude = 0;
  for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i) {
    if (magnitude < kMagnitudeCeiling) magnitude = magnitude * 10 + static_cast<std::uint64_t>(s[i] - '0');
  }
  // The largest and smallest 32-bit values stand for overflow, as strtol's clamping does.
  if (negative) return magnitude >= kLargestInt + 1 ? 0 : -static_cast<int>(magnitude);
  return magnitude >= kLargestInt ? 0 : static_cast<int>(magnitude);
}

char Data::getChar(std::size_t index) const {
  if (index > length()) {
    VX_ASSERT(index <= length());
    return 0;
  }
  return text()[index];
}

void Data::setChar(std::size_t index, char c) {
  if (index > length()) {
    VX_ASSERT(index <= length());
    return;
  }
  if (index == length()) return;  // the terminating NUL stays a NUL
  buf_[begin_ + index] = c;
}

bool Data::equalsNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::toupper(static_cast<unsigned char>(a[i])) != std::toupper(static_cast<unsigned char>(b[i]))) return false;
  }
  return true;
}

void Data::toLower() {
  for (std::size_t i = begin_; i < buf_.size(); ++i) {
    buf_[i] = static_cast<char>(std::tolower(static_cast<unsigned char>(buf_[i])));
  }
}

Data& Data::append(std::string_view bytes) {
  buf_.append(bytes);
  return *this;
}

Data operator+(const Data& a, const Data& b) {
  Data sum;
  sum.buf_.reserve(a.length() + b.length());
  sum.buf_.append(a.view()).append(b.view());
  return sum;
}

Data operator+(const Data& a, const char* b) { return a + Data(b); }

void Data::clear() {
  buf_.clear();
  begin_ = 0;
}

Data Data::substring(std::size_t start, long end) const {
  std::size_t stop = end < 0 ? length() : static_cast<std::size_t>(end);
  if (stop > length()) stop = length();
  if (start >= stop) return Data();
  return Data(view().substr(start, stop - start));
}

void Data::trimSpaces() {
  while (begin_ < buf_.size() && buf_[begin_] == ' ') ++begin_;
  std::size_t end = buf_.size();
  while (end > begin_ && buf_[end - 1] == ' ') --end;
  buf_.resize(end);
}

void Data::unfoldLines() {
  const std::string_view s = view();
  std::string out;
  bool changed = false;
  bool crlfLeft = true;
  std::size_t copied = 0;  // bytes of s before this index are already in out
  std::size_t pos = 0;
  while (pos < s.size()) {
    std::size_t lineEnd = crlfLeft ? s.find("\r\n", pos) : std::string_view::npos;
    std::size_t lf = lineEnd + 1;
    if (lineEnd == std::string_view::npos) {
      // Once no CRLF follows, none will follow later either: bare LFs take over.
      crlfLeft = false;
      lineEnd = lf = s.find('\n', pos);
      if (lf == std::string_view::npos) break;
    }
    std::size_t after = lf + 1;
    if (after >= s.size() || !isBlankOrTab(s[after])) {
      pos = after;
      continue;
    }
    std::size_t foldEnd = after;
    while (foldEnd < s.size() && isBlankOrTab(s[foldEnd])) ++foldEnd;
    if (!changed) {
      out.reserve(s.size());
      changed = true;
    }
    // Trailing white space, the line end and the fold collapse into the fold's last byte.
    out.append(s.substr(copied, lineEnd - copied));
    while (!out.empty() && isBlankOrTab(out.back())) out.pop_back();
    copied = foldEnd - 1;
    pos = foldEnd;
  }
  if (!changed) return;
  out.append(s.substr(copied));
  buf_ = std::move(out);
  begin_ = 0;
}

int Data::findAndSplit(std::string_view match, Data* prefix, bool replace, std::string_view replacement) {
  const std::string_view s = view();
  std::size_t pos = s.find(match);
  if (pos == std::string_view::npos) return kNotFound;
  int result = kFoundAtStart;
  if (prefix) {
    Data cut(s.substr(0, pos));
    result = cut.empty() ? kFoundAtStart : kFound;
    if (prefix == this) return result;  // the object becomes its own prefix: nothing else to cut
    *prefix = std::move(cut);
  }
  if (replace) {
    std::size_t through = pos + match.size();
    if (replacement.empty()) {
      dropFront(through);
    } else {
      std::string joined(replacement);
      joined.append(s.substr(through));
      buf_ = std::move(joined);
      begin_ = 0;
    }
  }
  return result;
}

template <typename Cut>
Data Data::cutWith(Cut cutter) {
  std::string_view rest = view();
  std::size_t before = rest.size();
  std::string_view prefix = cutter(rest);
  Data result(prefix);
  dropFront(before - rest.size());
  return result;
}

Data Data::splitAtAnyOf(std::string_view set, bool& notFound) {
  return cutWith([&](std::string_view& rest) { return cut::splitAtAnyOf(rest, set, notFound); });
}

Data Data::splitAtAnyOfOutside(std::string_view set, bool honourQuotes, bool honourAngles, bool& notFound) {
  return cutWith([&](std::string_view& rest) {
    return cut::splitAtAnyOfOutside(rest, set, honourQuotes, honourAngles, notFound);
  });
}

Data Data::splitAtFirstOf(std::string_view set, char& matched) {
  return cutWith([&](std::string_view& rest) { return cut::splitAtFirstOf(rest, set, matched); });
}

Data Data::takeLine(bool& notFound) {
  return cutWith([&](std::string_view& rest) { return cut::takeLine(rest, notFound); });
}

namespace cut {
namespace {

// The prefix before pos; the delimiter and the run of set bytes after it leave the view.
std::string_view cutRun(std::string_view& text, std::size_t pos, std::string_view set) {
  std::string_view prefix = text.substr(0, pos);
  std::size_t rest = text.find_first_not_of(set, pos);
  text.remove_prefix(rest == std::string_view::npos ? text.size() : rest);
  return prefix;
}

}  // namespace

std::string_view splitAtAnyOf(std::string_view& text, std::string_view set, bool& notFound) {
  std::size_t pos = text.find_first_of(set);
  notFound = pos == std::string_view::npos;
  if (notFound) return {};
  return cutRun(text, pos, set);
}

std::size_t findOutside(std::string_view text, std::string_view set, bool honourQuotes, bool honourAngles,
                        bool& leftOpen) {
  bool inQuote = false;
  bool inAngle = false;
  for (std::size_t pos = 0; pos < text.size(); ++pos) {
    char c = text[pos];
    if (honourQuotes && c == '"' && !inAngle) {
      inQuote = !inQuote;
      if (inQuote) continue;
    } else if (inQuote) {
      // A backslash quotes the next byte, so an escaped quote does not end the string.
      if (c == '\\' && pos + 1 < text.size()) ++pos;
      continue;
    } else if (honourAngles && c == '<') {
      inAngle = true;
      continue;
    } else if (honourAngles && c == '>') {
      inAngle = false;
    } else if (inAngle) {
      continue;
    }
    if (inSet(set, c)) {
      leftOpen = false;
      return pos;
    }
  }
  leftOpen = inQuote || inAngle;
  return std::string_view::npos;
}

std::string_view splitAtAnyOfOutside(std::string_view& text, std::string_view set, bool honourQuotes,
                                     bool honourAngles, bool& notFound) {
  bool leftOpen = false;
  std::size_t pos = findOutside(text, set, honourQuotes, honourAngles, leftOpen);
  notFound = pos == std::string_view::npos;
  if (notFound) return {};
  return cutRun(text, pos, set);
}

std::string_view splitAtFirstOf(std::string_view& text, std::string_view set, char& matched) {
  std::size_t pos = text.find_first_of(set);
  if (pos == std::string_view::npos) {
    matched = 0;
    return {};
  }
  matched = text[pos];
  std::string_view prefix = text.substr(0, pos);
  text.remove_prefix(pos + 1);
  return prefix;
}

std::string_view takeLine(std::string_view& text, bool& notFound) {
  std::size_t lf = text.find('\n');
  notFound = lf == std::string_view::npos;
  if (notFound) return {};
  std::size_t end = (lf > 0 && text[lf - 1] == '\r') ? lf - 1 : lf;
  std::string_view line = text.substr(0, end);
  text.remove_prefix(lf + 1);
  return line;
}

}  // namespace cut

}  // namespace vx
