#pragma once
// Method types of a message: the request methods, and the status line as type 10.
#include <string_view>

#include "sip/data/Data.hpp"

namespace vx {

enum SipMethodType {
  SIP_UNKNOWN = 0,
  SIP_INVITE = 1,
  SIP_ACK = 2,
  SIP_OPTIONS = 3,
  SIP_PING = 4,
  SIP_BYE = 5,
  SIP_CANCEL = 6,
  SIP_REGISTER = 7,
  SIP_INFO = 8,
  SIP_REFER = 9,
  SIP_STATUS = 10,
  SIP_SUBSCRIBE = 11,
  SIP_NOTIFY = 12,
  SIP_MESSAGE = 13,
};

// The first token of a start line: "SIP/2.0" exactly is a status line, method names match
// ignoring case, anything else is SIP_UNKNOWN.
SipMethodType methodFromText(std::string_view token);

// The upper-case name; SIP_UNKNOWN and SIP_STATUS have none (an assertion and empty text).
Data methodToText(SipMethodType type);

}  // namespace vx
