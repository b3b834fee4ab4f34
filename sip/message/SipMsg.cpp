#include "sip/message/SipMsg.hpp"

#include <algorithm>
#include <csignal>

#include "runtime/log/Assert.hpp"
#include "runtime/log/Log.hpp"
#include "sip/message/SipCommand.hpp"
#include "sip/message/StatusMsg.hpp"
#include "sip/url/BaseUrl.hpp"

namespace vx {
namespace {

constexpr std::string_view kLeadingNoise = " \t\r\n";
constexpr std::string_view kNameDelimiters = ": \t";
constexpr std::string_view kTokenDelimiters = " \t";
constexpr std::size_t kLineOverhead = 4;  // ": " and CRLF
// A Content-Length past this many digits cannot describe a message inside the limits.
constexpr std::size_t kMaxLengthDigits = 18;

void reportMisuse(int line, const char* what) {
  if (Assert(__FILE_NAME__, line, what)) std::raise(SIGTRAP);
}

// Where the header section ends: the index just after the LF that ends the last header line
// (an empty line, LF or CRLF, follows it), and the length of that empty line.
std::size_t findHeaderEnd(std::string_view s, std::size_t& separatorLength) {
  for (std::size_t lf = s.find('\n'); lf != std::string_view::npos; lf = s.find('\n', lf + 1)) {
    std::size_t next = lf + 1;
    if (next < s.size() && s[next] == '\n') {
      separatorLength = 1;
      return next;
    }
    if (next + 1 < s.size() && s[next] == '\r' && s[next + 1] == '\n') {
      separatorLength = 2;
      return next;
    }
  }
  return std::string_view::npos;
}

// A Content-Length value of digits only (blanks and tabs around them allowed).
bool readContentLength(std::string_view text, std::size_t& length) {
  std::size_t first = text.find_first_not_of(" \t");
  std::size_t last = text.find_last_not_of(" \t");
  if (first == std::string_view::npos) return false;
  std::string_view digits = text.substr(first, last - first + 1);
  if (digits.size() > kMaxLengthDigits) return false;
  length = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return false;
    length = length * 10 + static_cast<std::size_t>(c - '0');
  }
  return true;
}

// Only a line end followed by a blank or tab can fold.
bool mayHoldFolds(std::string_view text) {
  return text.find("\n ") != std::string_view::npos || text.find("\n\t") != std::string_view::npos;
}

std::string_view trimTrailingBlanks(std::string_view text) {
  std::size_t end = text.find_last_not_of(' ');
  return end == std::string_view::npos ? std::string_view() : text.substr(0, end + 1);
}

std::string_view trimBlanks(std::string_view text) {
  std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return trimTrailingBlanks(text.substr(first));
}

// An element of a list becomes a header of its own, so it is trimmed the way its own line
// would be read back: blanks at both ends, and the colons and tabs a value cannot start with.
std::string_view asOwnValue(std::string_view element) {
  element = trimBlanks(element);
  std::size_t first = element.find_first_not_of(kNameDelimiters);
  return first == std::string_view::npos ? std::string_view() : element.substr(first);
}

}  // namespace

SipMsg::SipMsg(const SipMsg& other)
    : transportAddress_(other.transportAddress_),
      headers_(other.headers_),
      body_(other.body_),
      accountIndex_(other.accountIndex_) {}

Sptr<SipMsg> SipMsg::decode(const Data& text, const SipMsgLimits& limits) {
  if (text.length() > limits.maxMessageBytes) {
    Log(kSipLogChannel, LOG_WARNING, "message of %zu bytes refused: the limit is %zu", text.length(),
        limits.maxMessageBytes);
    return nullptr;
  }
  std::string_view s = text.view();
  std::size_t start = s.find_first_not_of(kLeadingNoise);
  if (start == std::string_view::npos) return nullptr;
  s.remove_prefix(start);

  // Only the header section is unfolded: a body is data, and a blank at the start of a body
  // line is part of it. Without any fold the section is read in place, copied nowhere.
  std::size_t separatorLength = 0;
  std::size_t headerEnd = findHeaderEnd(s, separatorLength);
  bool sectionEnded = headerEnd != std::string_view::npos;
  std::string_view head = s.substr(0, sectionEnded ? headerEnd : s.size());
  Data unfolded;
  if (mayHoldFolds(head)) {
    unfolded = Data(head);
    unfolded.unfoldLines();
    head = unfolded.view();
  }
  if (!sectionEnded) head = trimTrailingBlanks(head);

  bool noLine = false;
  std::string_view startLine = cut::takeLine(head, noLine);
  if (noLine) return nullptr;

  std::string_view rest = startLine;
  char matched = 0;
  std::string_view first = cut::splitAtFirstOf(rest, kTokenDelimiters, matched);
  SipMethodType type = methodFromText(first);
  Sptr<SipMsg> msg;
  if (type == SIP_STATUS) {
    msg = makeSptr<StatusMsg>();
  } else {
    cut::splitAtFirstOf(rest, kTokenDelimiters, matched);
    if (!matched) {
      Log(kSipLogChannel, LOG_TRACE, "Could not split off protocol/version");
      return nullptr;
    }
    std::string_view protocol = cut::splitAtFirstOf(rest, "/", matched);
    if (!matched) {
      Log(kSipLogChannel, LOG_TRACE, "Could not find protocol version");
      return nullptr;
    }
    if (!Data::equalsNoCase(protocol, "sip")) {
      Log(kSipLogChannel, LOG_TRACE, "protocol is not SIP");
      return nullptr;
    }
    msg = makeSptr<SipCommand>(type);
  }
  msg->decodeStartLine(Data(startLine));
  std::string_view afterHeaders = sectionEnded ? s.substr(headerEnd) : std::string_view();
  if (!msg->decodeHeaders(head, separatorLength, afterHeaders, limits)) return nullptr;
  return msg;
}

bool SipMsg::decodeHeaders(std::string_view headerText, std::size_t separatorLength, std::string_view afterHeaders,
                           const SipMsgLimits& limits) {
  std::size_t count = 0;
  bool bodyFollowsSeparator = true;
  for (;;) {
    bool noLine = false;
    std::string_view value = cut::takeLine(headerText, noLine);
    if (noLine) break;
    bool unsplittable = value.empty();
    std::string_view name;
    if (!unsplittable) name = cut::splitAtAnyOf(value, kNameDelimiters, unsplittable);
    if (unsplittable) {
      // The header section ends here; everything after this line is taken as the body.
      Log(kSipLogChannel, LOG_WARNING, "header line without a name ends the header section");
      bodyFollowsSeparator = false;
      break;
    }
    if (!addRawHeaders(name, value, count, limits)) return false;
  }
  std::string_view tail = afterHeaders.substr(bodyFollowsSeparator ? separatorLength : 0);
  body_ = Data(headerText);
  body_.append(tail);
  cutBodyToContentLength();
  return true;
}

bool SipMsg::addRawHeaders(std::string_view name, std::string_view value, std::size_t& count,
                           const SipMsgLimits& limits) {
  Data receivedName(name);
  Data lower = receivedName;
  lower.toLower();
  SipHeaderType type = headerTypeFromName(lower.view());
  const SipHeaderInfo* info = &headerInfo(type);
  if (!info->receivable) {
    type = SIP_UNKNOWN_HDR;
    info = &headerInfo(type);
  }
  SipRawHeaderContainer::Chain& chain = headers_.chain(type);
  auto push = [&](std::string_view element) {
    if (++count > limits.maxHeaderValues) {
      Log(kSipLogChannel, LOG_WARNING, "message refused: more than %zu header values", limits.maxHeaderValues);
      return false;
    }
    chain.push_back(SipRawHeader{lower, receivedName, Data(element), type, nullptr});
    return true;
  };
  if (!info->splitAtCommas) return push(value);

  // One allocation for the whole list instead of a chain that grows as it is read.
  std::size_t commas = static_cast<std::size_t>(std::count(value.begin(), value.end(), ','));
  chain.reserve(chain.size() + std::min(commas + 1, limits.maxHeaderValues));
  // Every element is trimmed, the first too: lines of one type may be joined on encoding, and
  // an element must read back the same wherever it stands.
  bool last = false;
  std::string_view element = cut::splitAtAnyOfOutside(value, ",", true, true, last);
  if (last) return push(asOwnValue(value));
  if (!push(asOwnValue(element))) return false;
  while (!last) {
    element = cut::splitAtAnyOfOutside(value, ",", true, true, last);
    if (last) element = value;
    if (!push(asOwnValue(element))) return false;
  }
  return true;
}

void SipMsg::cutBodyToContentLength() {
  const auto& chain = headers_.chain(SIP_CONTENT_LENGTH_HDR);
  std::size_t declared = 0;
  if (chain.empty() || !readContentLength(chain.front().value.view(), declared)) return;
  if (declared < body_.length()) {
    // Bytes past the declared length are not part of this message.
    body_ = body_.substring(0, static_cast<long>(declared));
  } else if (declared > body_.length()) {
    Log(kSipLogChannel, LOG_WARNING, "body of %zu bytes is shorter than its Content-Length %zu", body_.length(),
        declared);
  }
}

Data SipMsg::encode() const {
  std::size_t estimate = body_.length() + 64;
  for (int type = 0; type < kSipHeaderTypeCount; ++type) {
    for (const SipRawHeader& raw : headers_.chain(static_cast<SipHeaderType>(type))) {
      estimate += raw.receivedName.length() + raw.value.length() + kLineOverhead;
    }
  }
  Data out;
  out.reserve(estimate);
  out += encodeStartLine();

  const SipHeaderType* order = headerEncodeOrder();
  for (int i = 0; i < kSipHeaderTypeCount; ++i) {
    SipHeaderType type = order[i];
    const SipHeaderInfo& info = headerInfo(type);
    const auto& chain = headers_.chain(type);
    if (type == SIP_CONTENT_LENGTH_HDR) {
      // Always the length of the body written below, whatever was received or set.
      out.append(info.wireName).append(": ").append(Data(static_cast<int>(body_.length())).view()).append("\r\n");
      continue;
    }
    if (chain.empty()) continue;
    if (info.combinedLine) {
      std::size_t lineStart = out.length();
      out.append(info.wireName).append(": ");
      bool first = true;
      bool leftOpen = false;
      for (const SipRawHeader& raw : chain) {
        Data parsed = raw.header ? raw.header->encode() : Data();
        std::string_view contribution = raw.header ? parsed.view() : raw.value.view();
        if (contribution.empty()) continue;
        if (first) {
          first = false;
        } else if (leftOpen) {
          // The element before left a quote or bracket open and would swallow this one when
          // read back: this one starts a new line.
          out.append("\r\n").append(info.wireName).append(": ");
        } else {
          out.append(",");
        }
        out.append(contribution);
        leftOpen = false;
        if (cut::findOutside(contribution, ",", true, true, leftOpen) != std::string_view::npos) leftOpen = true;
      }
      if (first && !info.emptyLineLegal) {
        out = out.substring(0, static_cast<long>(lineStart));
        continue;
      }
      out.append("\r\n");
      continue;
    }
    for (const SipRawHeader& raw : chain) {
      if (raw.header) {
        out += raw.header->encode();
      } else if (!raw.value.empty()) {
        std::string_view name = type == SIP_UNKNOWN_HDR ? raw.receivedName.view() : info.wireName;
        out.append(name).append(": ").append(raw.value.view()).append("\r\n");
      }
    }
  }
  out.append("\r\n");
  out += body_;
  return out;
}

int SipMsg::getNumHeaders(SipHeaderType type) const {
  return isValidHeaderType(type) ? static_cast<int>(headers_.chain(type).size()) : 0;
}

const SipRawHeaderContainer::Chain& SipMsg::getRawHeaders(SipHeaderType type) const {
  return headers_.chain(isValidHeaderType(type) ? type : SIP_UNKNOWN_HDR);
}

SipRawHeader SipMsg::makeRawHeader(SipHeaderType type, const Sptr<SipHeader>& header) const {
  Data name(headerInfo(type).wireName);
  if (auto raw = Sptr<SipRawValueHeader>::cast(header)) name = raw->getName();
  Data lower = name;
  lower.toLower();
  return SipRawHeader{lower, name, Data(), type, header};
}

bool SipMsg::checkIndex(SipHeaderType type, int index, std::size_t size, const char* what) const {
  if (isValidHeaderType(type) && index >= 0 && static_cast<std::size_t>(index) < size) return true;
  reportMisuse(__LINE__, what);
  return false;
}

Sptr<SipHeader> SipMsg::getHeader(SipHeaderType type, int index) {
  if (!isValidHeaderType(type) || static_cast<std::size_t>(index < 0 ? 0 : index) >= kMaxHeaderValues) {
    reportMisuse(__LINE__, "header index not within scope");
    return makeSptr<SipRawValueHeader>(SIP_UNKNOWN_HDR, Data(), Data());
  }
  const SipHeaderInfo& info = headerInfo(type);
  auto& chain = headers_.chain(type);
  if (index < 0) index = chain.empty() ? 0 : static_cast<int>(chain.size()) - 1;
  while (chain.size() <= static_cast<std::size_t>(index)) {
    chain.push_back(makeRawHeader(type, makeSipHeader(type, Data(info.wireName), Data())));
  }
  SipRawHeader& raw = chain[static_cast<std::size_t>(index)];
  if (!raw.header) {
    raw.header = makeSipHeader(type, type == SIP_UNKNOWN_HDR ? raw.receivedName : Data(info.wireName), raw.value);
  }
  return raw.header;
}

void SipMsg::replaceParsedHeader(SipHeaderType type, int index, const Sptr<SipHeader>& header) {
  if (!isValidHeaderType(type)) return;
  auto& chain = headers_.chain(type);
  if (index < 0) index = static_cast<int>(chain.size()) - 1;
  if (index >= 0 && static_cast<std::size_t>(index) < chain.size()) chain[static_cast<std::size_t>(index)].header = header;
}

void SipMsg::setHeader(SipHeaderType type, int index, const Sptr<SipHeader>& header) {
  if (!header || !checkIndex(type, index, getNumHeaders(type), "index to insert item not within scope")) return;
  headers_.chain(type)[static_cast<std::size_t>(index)] = makeRawHeader(type, header);
}

void SipMsg::insertHeader(SipHeaderType type, int index, const Sptr<SipHeader>& header) {
  if (!header || !checkIndex(type, index, getNumHeaders(type) + 1, "index to insert item not within scope")) return;
  auto& chain = headers_.chain(type);
  chain.insert(chain.begin() + index, makeRawHeader(type, header));
}

void SipMsg::appendHeader(SipHeaderType type, const Sptr<SipHeader>& header) {
  insertHeader(type, getNumHeaders(type), header);
}

void SipMsg::removeHeader(SipHeaderType type, int index) {
  if (!checkIndex(type, index, getNumHeaders(type), "index to remove item not within scope")) return;
  auto& chain = headers_.chain(type);
  chain.erase(chain.begin() + index);
}

void SipMsg::removeAllHeaders(SipHeaderType type) {
  if (isValidHeaderType(type)) headers_.chain(type).clear();
}

}  // namespace vx
