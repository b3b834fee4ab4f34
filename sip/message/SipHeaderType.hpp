#pragma once
// The header table: type numbers, the names looked up on input and written on output, and
// how each type is framed (split at commas, written on one combined line).
#include <string_view>

namespace vx {

enum SipHeaderType {
  SIP_ACCEPT_HDR = 0,
  SIP_ACCEPT_ENCODING_HDR,
  SIP_ACCEPT_LANGUAGE_HDR,
  SIP_ALLOW_HDR,
  SIP_ALSO_HDR,
  SIP_AUTHORIZATION_HDR,
  SIP_CALL_ID_HDR,
  SIP_CALL_LEG_HDR,
  SIP_CONTACT_HDR,
  SIP_CONTENT_DATA_HDR,
  SIP_CONTENT_DISPOSITION_HDR,
  SIP_CONTENT_ENCODING_HDR,
  SIP_CONTENT_LANGUAGE_HDR,
  SIP_CONTENT_LENGTH_HDR,
  SIP_CONTENT_TYPE_HDR,
  SIP_CSEQ_HDR,
  SIP_DATE_HDR,
  SIP_DIVERSION_HDR,
  SIP_ENCRYPTION_HDR,
  SIP_EXPIRES_HDR,
  SIP_EVENT_HDR,
  SIP_ALLOW_EVENTS_HDR,
  SIP_FROM_HDR,
  SIP_HIDE_HDR,
  SIP_IN_REPLY_TO_HDR,
  SIP_MAX_FORWARDS_HDR,
  SIP_MIME_VERSION_HDR,
  SIP_ORGANIZATION_HDR,
  SIP_OSP_AUTHORIZATION_HDR,
  SIP_PRIORITY_HDR,
  SIP_PROXY_AUTHENTICATE_HDR,
  SIP_PROXY_AUTHORIZATION_HDR,
  SIP_PROXY_REQUIRE_HDR,
  SIP_RECORD_ROUTE_HDR,
  SIP_REFERRED_BY_HDR,
  SIP_REFER_TO_HDR,
  SIP_REPLACES_HDR,
  SIP_REQUIRE_HDR,
  SIP_RESPONSE_KEY_HDR,
  SIP_RETRY_AFTER_HDR,
  SIP_ROUTE_HDR,
  SIP_SERVER_HDR,
  SIP_SESSION_HDR,
  SIP_SUBJECT_HDR,
  SIP_SUBSCRIPTION_STATE_HDR,
  SIP_SUPPORTED_HDR,
  SIP_TIMESTAMP_HDR,
  SIP_TO_HDR,
  SIP_UNSUPPORTED_HDR,
  SIP_USER_AGENT_HDR,
  SIP_VIA_HDR,
  SIP_WARNING_HDR,
  SIP_WWW_AUTHENTICATE_HDR,
  SIP_SESSION_EXPIRES_HDR,
  SIP_MIN_SE_HDR,
  SIP_ALERT_INFO_HDR,
  SIP_GENERIC_PARAMETER_HDR,
  SIP_UNKNOWN_HDR,
};

inline constexpr int kSipHeaderTypeCount = SIP_UNKNOWN_HDR + 1;

struct SipHeaderInfo {
  SipHeaderType type;
  std::string_view lookupName;  // lower case
  std::string_view wireName;
  std::string_view compactName;  // empty when there is none
  bool splitAtCommas;            // each comma-separated element is a header of its own
  bool combinedLine;             // all elements are written on one line
  bool receivable;               // false: a received line of this name is kept as an unknown header
  // Combined lines only: the line is written even when no element has a value. Strict peers
  // answer an empty line of a type whose grammar needs an element with 400.
  bool emptyLineLegal;
};

const SipHeaderInfo& headerInfo(SipHeaderType type);
bool isValidHeaderType(int type);

// The type of a lower-cased header name (full or compact); SIP_UNKNOWN_HDR when not in the table.
SipHeaderType headerTypeFromName(std::string_view lowerName);

// Every type once, in the order a message writes them.
const SipHeaderType* headerEncodeOrder();

}  // namespace vx
