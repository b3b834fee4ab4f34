#include "ua/digitmap/VXDigitMap.hpp"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "control/params/CVXSIPParam.hpp"
#include "runtime/log/Log.hpp"

namespace vx {
namespace {

constexpr const char* kChannel = "DigitMap";
constexpr char kAnyDigit = 'X';
constexpr char kRepeat = '.';
constexpr char kListOpen = '(';
constexpr char kListClose = ')';
constexpr char kListSeparator = '|';
constexpr char kSetOpen = '[';
constexpr char kSetClose = ']';
constexpr char kRange = '-';
constexpr char kTimeOut = 'T';
constexpr std::size_t kDigitCount = 10;

std::string_view trim(std::string_view text) {
  auto blank = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

bool VXDigitMap::set(std::string_view text) {
  CVXSIPParam* sip = CVXSIPParam::Instance();
  if (text != sip->DigitMap && text.size() < sizeof sip->DigitMap - 1) {
    std::memcpy(sip->DigitMap, text.data(), text.size());
    sip->DigitMap[text.size()] = '\0';
    sip->Save("DigitMap");
  }
  if (text.empty()) {
    text_.clear();
    elements_.clear();
    active_ = false;
    return true;
  }
  return parse(text);
}

std::string VXDigitMap::get() const { return active_ ? text_ : std::string(); }

bool VXDigitMap::parse(std::string_view text) {
  std::string upper(trim(text));
  std::transform(upper.begin(), upper.end(), upper.begin(),
                 [](char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); });
  text_ = upper;
  Log(kChannel, LOG_INFO, "Receive a new digit map: %s", text_.c_str());
  elements_.clear();

  std::string_view map = text_;
  bool list = map.size() >= 2 && map.front() == kListOpen && map.back() == kListClose;
  if (list) map = map.substr(1, map.size() - 2);
  active_ = true;
  while (active_) {
    std::size_t cut = list ? map.find(kListSeparator) : std::string_view::npos;
    Element element;
    active_ = parseElement(map.substr(0, cut), element);
    if (active_) elements_.push_back(std::move(element));
    if (cut == std::string_view::npos) break;
    map.remove_prefix(cut + 1);
  }
  return active_;
}

bool VXDigitMap::parseElement(std::string_view text, Element& element) {
  text = trim(text);
  element.text = text;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == kRepeat) {
      if (element.positions.empty() || element.repeated >= 0) return false;
      element.repeated = static_cast<long>(element.positions.size()) - 1;
      continue;
    }
    Position position;
    if (c == kAnyDigit) {
      for (std::size_t digit = 0; digit < kDigitCount; ++digit) position.set(digit);
    } else if (c == kSetOpen) {
      std::size_t close = text.find(kSetClose, i + 1);
      if (close == std::string_view::npos) return false;
      for (std::size_t j = i + 1; j < close; ++j) {
        if (j + 1 < close && text[j + 1] == kRange) {
          if (j + 2 >= close || !isDigit(text[j]) || !isDigit(text[j + 2]) || text[j + 2] < text[j]) return false;
          for (char digit = text[j]; digit <= text[j + 2]; ++digit) position.set(static_cast<std::size_t>(digit - '0'));
          j += 2;
          continue;
        }
        std::size_t symbol = kAlphabet.find(text[j]);
        if (symbol == std::string_view::npos) return false;
        position.set(symbol);
      }
      i = close;
    } else {
      std::size_t symbol = kAlphabet.find(c);
      if (symbol == std::string_view::npos) return false;
      position.set(symbol);
    }
    element.positions.push_back(position);
  }
  return true;
}

long VXDigitMap::match(std::string_view dialled) const {
  if (!active_) return kNoMatch;
  std::string shown(dialled);
  Log(kChannel, LOG_INFO, "Search a match for: %s in: %s", shown.c_str(), text_.c_str());
  long best = kNoMatch;
  for (const Element& element : elements_) {
    long code = matchElement(dialled, element);
    Log(kChannel, LOG_TRACE, "Search for a match in element, return: %li", code);
    if (code == kFullMatch) {
      Log(kChannel, LOG_INFO, "Match found");
      return kFullMatch;
    }
    if (code < 0) best = std::min(best, code);
  }
  Log(kChannel, LOG_INFO, "No match found: %li", best);
  return best;
}

long VXDigitMap::matchElement(std::string_view dialled, const Element& element) {
  std::string shown(dialled);
  Log(kChannel, LOG_TRACE, "Search a match for: %s in element: %s", shown.c_str(), element.text.c_str());
  if (element.repeated < 0) return compare(dialled, element, 1);
  // '.' stands for its position zero or more times: try more copies until they cover the text.
  std::size_t repeated = static_cast<std::size_t>(element.repeated);
  for (std::size_t copies = 0;; ++copies) {
    long code = compare(dialled, element, copies);
    if (code == kFullMatch || repeated + copies >= dialled.size()) return code;
  }
}

// Compares with the positions of the element, its repeated position taken `copies` times.
long VXDigitMap::compare(std::string_view dialled, const Element& element, std::size_t copies) {
  const std::vector<Position>& positions = element.positions;
  std::size_t k = element.repeated < 0 ? positions.size() : static_cast<std::size_t>(element.repeated);
  std::size_t count = element.repeated < 0 ? positions.size() : positions.size() - 1 + copies;
  auto at = [&](std::size_t i) -> const Position& {
    if (i < k) return positions[i];
    if (i < k + copies) return positions[k];
    return positions[i - copies + 1];
  };
  auto accepts = [](const Position& position, char c) {
    std::size_t symbol = kAlphabet.find(c);
    return symbol != std::string_view::npos && position.test(symbol);
  };

  std::size_t length = dialled.size();
  for (std::size_t i = 0; i < std::min(length, count); ++i) {
    if (!accepts(at(i), dialled[i])) return kNoMatch;
  }
  if (count == length) return kFullMatch;
  if (count < length) return kNoMatch;
  if (count == length + 1 && accepts(at(count - 1), kTimeOut)) return kTimeOutMatch;
  return kPartialMatch;
}

}  // namespace vx
