#include "sip/sdp/SdpEncryptkey.hpp"

#include "runtime/log/Log.hpp"
#include "sip/sdp/SdpText.hpp"

namespace vx {

namespace {

constexpr std::string_view kUriPrefix = "uri";
// The key of a uri method follows "uri:".
constexpr std::size_t kUriKeyOffset = 4;

[[noreturn]] void undefinedMethod(std::string_view method) {
  Log(kSdpLogChannel, LOG_ERROR, "SdpEncryptkey: Undefined Method: %.*s", static_cast<int>(method.size()),
      method.data());
  throw detail::SdpExceptionUnknownEncryptMethod();
}

}  // namespace

SdpEncryptkey SdpEncryptkey::parse(std::string_view value) {
  if (value.starts_with(kUriPrefix)) {
    return SdpEncryptkey(SdpEncryptMethod::Uri, std::string(value.substr(std::min(kUriKeyOffset, value.size()))));
  }
  std::vector<std::string_view> fields = detail::sdpSplit(value, ':');
  if (fields.size() == 1) {
    if (fields[0] == "prompt") return SdpEncryptkey(SdpEncryptMethod::Prompt, "");
    Log(kSdpLogChannel, LOG_ERROR, "SdpEncryptkey: or valid method but no required value");
    undefinedMethod(fields[0]);
  }
  if (fields.size() == 2) {
    if (fields[0] == "clear") return SdpEncryptkey(SdpEncryptMethod::Clear, std::string(fields[1]));
    if (fields[0] == "base64") return SdpEncryptkey(SdpEncryptMethod::Base64, std::string(fields[1]));
    if (fields[0] == "prompt") {
      Log(kSdpLogChannel, LOG_WARNING, "SdpEncryptkey: Prompt method shouldn't have value");
      return SdpEncryptkey(SdpEncryptMethod::Prompt, "");
    }
    undefinedMethod(fields[0]);
  }
  Log(kSdpLogChannel, LOG_ERROR, "SdpEncryptkey: bad k line: %.*s", static_cast<int>(value.size()), value.data());
  throw detail::SdpExceptionUnknownEncryptMethod();
}

bool SdpEncryptkey::decode(std::string_view value) {
  try {
    *this = parse(value);
    return true;
  } catch (...) {
    return false;
  }
}

std::string SdpEncryptkey::encode() const {
  switch (method_) {
    case SdpEncryptMethod::Prompt:
      return "prompt";
    case SdpEncryptMethod::Clear:
      return "clear:" + key_;
    case SdpEncryptMethod::Base64:
      return "base64:" + key_;
    case SdpEncryptMethod::Uri:
      return "uri:" + key_;
    case SdpEncryptMethod::Unknown:
      break;
  }
  Log(kSdpLogChannel, LOG_ERROR, "SdpEncryptkey: unknown method: %d", static_cast<int>(method_));
  return "";
}

}  // namespace vx
