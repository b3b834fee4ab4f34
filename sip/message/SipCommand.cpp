#include "sip/message/SipCommand.hpp"

#include "runtime/log/Log.hpp"

namespace vx {
namespace {
// The same cut the decoder used to recognise the request line, so both read it alike.
constexpr std::string_view kTokenDelimiters = " \t";
}  // namespace

SipCommand::SipCommand(const SipCommand& other)
    : SipMsg(other),
      type_(other.type_),
      requestUri_(other.requestUri_ ? other.requestUri_->duplicate() : nullptr),
      methodText_(other.methodText_),
      version_(other.version_),
      protocol_(other.protocol_) {}

void SipCommand::decodeStartLine(const Data& line) {
  Data rest = line;
  char matched = 0;
  Data method = rest.splitAtFirstOf(kTokenDelimiters, matched);
  Data uri;
  if (matched) uri = rest.splitAtFirstOf(kTokenDelimiters, matched);
  if (!matched) {
    Log(kSipLogChannel, LOG_ERROR, "Failed to Decode in scanSipRequestline() of Requestline :( ");
    return;
  }
  methodText_ = method;
  requestUri_ = BaseUrl::decode(uri);
  Data protocol = rest.splitAtFirstOf("/", matched);
  if (matched) {
    protocol_ = protocol;
    version_ = rest;
  } else {
    protocol_ = rest;
    version_.clear();
  }
}

Data SipCommand::encodeStartLine() const {
  if (!requestUri_) return Data("\r\n");
  Data line;
  line.append(methodText_.view()).append(" ").append(requestUri_->encode().view()).append(" ");
  line.append(protocol_.view()).append("/").append(version_.view()).append("\r\n");
  return line;
}

}  // namespace vx
