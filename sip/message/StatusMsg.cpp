#include "sip/message/StatusMsg.hpp"

#include "runtime/log/Log.hpp"
#include "sip/url/BaseUrl.hpp"

namespace vx {
namespace {

constexpr std::string_view kTokenDelimiters = " \t";
constexpr int kLowestCode = 100;
constexpr int kHighestCode = 699;

struct Reason {
  int code;
  const char* phrase;
};

constexpr Reason kReasons[] = {
    {100, "Trying"},
    {180, "Ringing"},
    {181, "Call Is Being Forwarded"},
    {182, "Queued"},
    {183, "Session Progress"},
    {200, "OK"},
    {202, "Accepted"},
    {300, "Multiple Choices"},
    {301, "Moved Permanently"},
    {302, "Moved Temporarily"},
    {305, "Use Proxy"},
    {380, "Alternative Service"},
    {400, "Bad Request"},
    {401, "Unauthorized"},
    {402, "Payment Required"},
    {403, "Forbidden"},
    {404, "Not Found"},
    {405, "Method Not Allowed"},
    {406, "Not Acceptable"},
    {407, "Proxy Authentication Required"},
    {408, "Request Timeout"},
    {410, "Gone"},
    {413, "Request Entity Too Large"},
    {414, "Request-URI Too Long"},
    {415, "Unsupported Media Type"},
    {416, "Unsupported URI Scheme"},
    {420, "Bad Extension"},
    {421, "Extension Required"},
    {423, "Interval Too Brief"},
    {480, "Temporarily Unavailable"},
    {481, "Call/Transaction Does Not Exist"},
    {482, "Loop Detected"},
    {483, "Too Many Hops"},
    {484, "Address Incomplete"},
    {485, "Ambiguous"},
    {486, "Busy Here"},
    {487, "Request Terminated"},
    {488, "Not Acceptable Here"},
    {491, "Request Pending"},
    {493, "Undecipherable"},
    {500, "Server Internal Error"},
    {501, "Not Implemented"},
    {502, "Bad Gateway"},
    {503, "Service Unavailable"},
    {504, "Server Timed-out"},
    {505, "Version Not Supported"},
    {513, "Message Too Large"},
    {600, "Busy Everywhere"},
    {603, "Decline"},
    {604, "Does Not Exist Anywhere"},
    {606, "Not Acceptable"},
};

const char* phraseOf(int code) {
  for (const Reason& reason : kReasons) {
    if (reason.code == code) return reason.phrase;
  }
  return nullptr;
}

// The method named by a CSeq value: its last token.
std::string_view cseqMethod(std::string_view cseq) {
  std::size_t end = cseq.find_last_not_of(" \t\r\n");
  if (end == std::string_view::npos) return {};
  cseq = cseq.substr(0, end + 1);
  std::size_t space = cseq.find_last_of(" \t");
  return space == std::string_view::npos ? cseq : cseq.substr(space + 1);
}

}  // namespace

Data StatusMsg::reasonPhraseFor(int code) {
  if (code < kLowestCode || code > kHighestCode) return Data();
  const char* phrase = phraseOf(code);
  if (!phrase) phrase = phraseOf(code / 100 * 100);
  return Data(phrase);
}

void StatusMsg::setStatusCode(int code) {
  statusCode_ = code;
  reasonPhrase_ = reasonPhraseFor(code);
  if (reasonPhrase_.empty()) Log(kSipLogChannel, LOG_INFO, "Status Code is not recognizable");
}

bool StatusMsg::expectsReply() const {
  const auto& chain = getRawHeaders(SIP_CSEQ_HDR);
  if (chain.empty() || statusCode_ < 200) return false;
  const SipRawHeader& cseq = chain.front();
  Data text = cseq.value.empty() && cseq.header ? cseq.header->encode() : cseq.value;
  return Data::equalsNoCase(cseqMethod(text.view()), "INVITE");
}

void StatusMsg::decodeStartLine(const Data& line) {
  Data rest = line;
  char matched = 0;
  Data protocolVersion = rest.splitAtFirstOf(kTokenDelimiters, matched);
  if (!matched) {
    Log(kSipLogChannel, LOG_ERROR, "Failed to scanSipStatusLine in StatusLine :( ");
    return;
  }
  Data protocol = protocolVersion.splitAtFirstOf("/", matched);
  if (matched) {
    protocol_ = protocol;
    version_ = protocolVersion;
  }
  Data code = rest.splitAtFirstOf(kTokenDelimiters, matched);
  if (!matched) {
    Log(kSipLogChannel, LOG_ERROR, "Failed to scanSipStatusLine in  StatusLine :( ");
    return;
  }
  statusCode_ = code.toInt();
  reasonPhrase_ = rest;
}

Data StatusMsg::encodeStartLine() const {
  Data line;
  line.append(protocol_.view()).append("/").append(version_.view()).append(" ");
  line.append(Data(statusCode_).view()).append(" ").append(reasonPhrase_.view()).append("\r\n");
  return line;
}

}  // namespace vx
