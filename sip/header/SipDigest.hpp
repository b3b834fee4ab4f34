#pragma once
// HTTP Digest answers (RFC 2617 with the RFC 2069 form when there is no qop): the response
// computation and the credentials header a request carries it in.
#include <string_view>

#include "sip/data/Data.hpp"
#include "sip/message/SipHeaderType.hpp"

namespace vx {

class SipMsg;

// Every input of one answer. Texts of any length are hashed whole.
struct SipDigestInputs {
  std::string_view userName;
  std::string_view realm;
  std::string_view password;
  std::string_view nonce;
  std::string_view cnonce;
  std::string_view nonceCount;
  std::string_view qop;
  std::string_view method;
  std::string_view uri;
  std::string_view algorithm;
  std::string_view opaque;
};

// The response as 32 lowercase hexadecimal digits.
Data computeDigestResponse(const SipDigestInputs& inputs);

// Replaces every header of `type` (SIP_AUTHORIZATION_HDR or SIP_PROXY_AUTHORIZATION_HDR) in
// `msg` with one Digest credentials header answering with `inputs`. False for another type.
bool setDigestCredentials(SipMsg& msg, SipHeaderType type, const SipDigestInputs& inputs);

}  // namespace vx
