#include "sip/message/SipHeaderType.hpp"

#include <array>
#include <unordered_map>

namespace vx {
namespace {

constexpr bool kList = true;
constexpr bool kCombined = true;
constexpr bool kReceivable = true;
constexpr bool kEmptyLegal = true;

// clang-format off
constexpr SipHeaderInfo kHeaders[] = {
  {SIP_ACCEPT_HDR,              "accept",                  "Accept",                  "",  kList,  kCombined, kReceivable, kEmptyLegal},
  {SIP_ACCEPT_ENCODING_HDR,     "accept-encoding",         "Accept-Encoding",         "",  kList,  kCombined, kReceivable, kEmptyLegal},
  {SIP_ACCEPT_LANGUAGE_HDR,     "accept-language",         "Accept-Language",         "",  kList,  kCombined, kReceivable, kEmptyLegal},
  {SIP_ALLOW_HDR,               "allow",                   "Allow",                   "",  kList,  kCombined, kReceivable, kEmptyLegal},
  {SIP_ALSO_HDR,                "also",                    "Also",                    "",  !kList, !kCombined, kReceivable, !kEmptyLegal},
  {SIP_AUTHORIZATION_HDR,       "authorization",           "Authorization",           "",  !kList, !kCombined, kReceivable, !kEmptyLegal},
  {SIP_CALL_ID_HDR,             "call-id",                 "Call-ID",                 "i", !kList, !kCombined, kReceivable, !kEmptyLegal},
  // The dialog identity is made locally; a received line of this name is just unknown text.
  {SIP_CALL_LEG_HDR,            "call-leg",                "Call-Leg",                "",  !kList, !kCombined, !kReceivable, !kEmptyLegal},
  {SIP_CONTACT_HDR,             "contact",                 "Contact",                 "m", kList,  !kCombined, kReceivable, !kEmptyLegal},
  {SIP_CONTENT_DATA_HDR,        "content-data",            "Content-Data",            "",  !kList, !kCombined, kReceivable, !kEmptyLegal},
  {SIP_CONTENT_DISPOSITION_HDR, "content-disposition",     "Content-Disposition",     "",  !kList, !kCombined, kReceivable, !kEmptyLegal},
  {SIP_CONTENT_ENCODING_HDR,    "content-encoding",        "Content-Encoding",        "e", kList,  kCombined, kReceivable, !kEmptyLegal},
  {SIP_CONTENT_LANGUAGE_HDR,    "content-language",        "Content-Language",        "",  kList,  kCombined, kReceivable, !kEmptyLegal},
  {SIP_CONTENT_LENGTH_HDR,      "content-length",          "Content-Length",          "l", !kList, !kCombined, kReceivable, !kEmptyLegal},
  {SIP_CONTENT_TYPE_HDR,        "content-type",            "Content-Type",            "c", !kList, !kCombined, kReceivable, !kEmptyLegal},
  {SIP_CSEQ_HDR,                "cseq",                    "CSeq",                    "",  !kList, !kCombined, kReceivable, !kEmptyLegal},
  {SIP_DATE_HDR,                "date",                    "Date",                    "",  !kList, !kCombined, kReceivable, !kEmptyLegal},
  {SIP_DIVERSION_HDR,           "diversion",               "Diversion",               "",  kList,  !kCombined, kReceivable, !kEmptyLegal},
  {SIP_ENCRYPTION_HDR,          "encryption",              "Encryption",              "",  !kList, !kCombined, kReceivable, !kEmptyLegal},
  {SIP_EXPIRES_HDR,             "expires",                 "Expires",                 "",  !kList, !kCombined, kReceivable, !kEmptyLegal},
  {SIP_EVENT_HDR,               "event",                   "Event",                   "",  !kList, !kCombined, kReceivable, !kEmptyLegal},
  {SIP_ALLOW_EVENTS_HDR,        "allow-events",            "Allow-Events",            "",  !kList, !kCombined, kReceivable, !kEmptyLegal},
  {SIP_FROM_HDR,                "from",                    "From",                    "f", !kList, !kCombined, kReceivable, !kEmptyLegal},
  {SIP_HIDE_HDR,                "hide",                    "Hide",                    "",  !kList, !kCombined, kReceivable, !kEmptyLegal},
  {SIP_IN_REPLY_TO_HDR,         "in-reply-to",             "In-Reply-To",             "",  kList,  !kCombined, kReceivable, !kEmptyLegal},
  {SIP_MAX_FORWARDS_HDR,        "max-forwards",            "Max-Forwards",            "",  !kList, !kCombined, kReceivable, !kEmptyLegal},
  {SIP_MIME_VERSION_HDR,        "mime-version",            "Mime-Version",            "",  !kList, !kCombined, kReceivable, !kEmptyLegal},
  {SIP_ORGANIZATION_HDR,        "organization",            "Organization",            "",  !kList, !kCombined, kReceivable, !kEmptyLegal},
  {SIP_OSP_AUTHORIZATION_HDR,   "osp-authorization-token", "OSP-Authorization-Token", "",  !kList, !kCombined, kReceivable, !kEmptyLegal},
  {SIP_PRIORITY_HDR,            "priority",                "Priority",                "",  !kList, !kCombined, kReceivable, !kEmptyLegal},
  {SIP_PROXY_AUTHENTICATE_HDR,  "proxy-authenticate",      "Proxy-Authenticate",      "",  !kList, !kCombined, kReceivable, !kEmptyLegal},
  {SIP_PROXY_AUTHORIZATION_HDR, "proxy-authorization",     "Proxy-Authorization",     "",  !kList, !kCombined, kReceivable, !kEmptyLegal},
  {SIP_PROXY_REQUIRE_HDR,       "proxy-require",           "Proxy-Require",           "",  kList,  kCombined, kReceivable, !kEmptyLegal},
  {SIP_RECORD_ROUTE_HDR,        "record-route",            "Record-Route",            "",  kList,  kCombined, kReceivable, !kEmptyLegal},
  {SIP_REFERRED_BY_HDR,         "referred-by",             "Referred-By",             "b", !kList, !kCombined, kReceivable, !kEmptyLegal},
  {SIP_REFER_TO_HDR,            "refer-to",                "Refer-To",                "r", !kList, !kCombined, kReceivable, !kEmptyLegal},
  {SIP_REPLACES_HDR,            "replaces",                "Replaces",                "",  !kList, !kCombined, kReceivable, !kEmptyLegal},
  {SIP_REQUIRE_HDR,             "require",                 "Require",                 "",  kList,  kCombined, kReceivable, !kEmptyLegal},
  {SIP_RESPONSE_KEY_HDR,        "response-key",            "Response-Key",            "",  !kList, !kCombined, kReceivable, !kEmptyLegal},
  {SIP_RETRY_AFTER_HDR,         "retry-after",             "Retry-After",             "",  !kList, !kCombined, kReceivable, !kEmptyLegal},
  {SIP_ROUTE_HDR,               "route",                   "Route",                   "",  kList,  kCombined, kReceivable, !kEmptyLegal},
  {SIP_SERVER_HDR,              "server",                  "Server",                  "",  !kList, !kCombined, kReceivable, !kEmptyLegal},
  {SIP_SESSION_HDR,             "session",                 "Session",                 "",  !kList, !kCombined, kReceivable, !kEmptyLegal},
  {SIP_SUBJECT_HDR,             "subject",                 "Subject",                 "s", !kList, !kCombined, kReceivable, !kEmptyLegal},
  {SIP_SUBSCRIPTION_STATE_HDR,  "subscription-state",      "Subscription-State",      "",  !kList, !kCombined, kReceivable, !kEmptyLegal},
  {SIP_SUPPORTED_HDR,           "supported",               "Supported",               "k", kList,  kCombined, kReceivable, kEmptyLegal},
  {SIP_TIMESTAMP_HDR,           "timestamp",               "Timestamp",               "",  !kList, !kCombined, kReceivable, !kEmptyLegal},
  {SIP_TO_HDR,                  "to",                      "To",                      "t", !kList, !kCombined, kReceivable, !kEmptyLegal},
  {SIP_UNSUPPORTED_HDR,         "unsupported",             "Unsupported",             "",  kList,  !kCombined, kReceivable, !kEmptyLegal},
  {SIP_USER_AGENT_HDR,          "user-agent",              "User-Agent",              "",  !kList, !kCombined, kReceivable, !kEmptyLegal},
  {SIP_VIA_HDR,                 "via",                     "Via",                     "v", kList,  !kCombined, kReceivable, !kEmptyLegal},
  {SIP_WARNING_HDR,             "warning",                 "Warning",                 "",  kList,  !kCombined, kReceivable, !kEmptyLegal},
  {SIP_WWW_AUTHENTICATE_HDR,    "www-authenticate",        "WWW-Authenticate",        "",  !kList, !kCombined, kReceivable, !kEmptyLegal},
  {SIP_SESSION_EXPIRES_HDR,     "session-expires",         "Session-Expires",         "x", !kList, !kCombined, kReceivable, !kEmptyLegal},
  {SIP_MIN_SE_HDR,              "min-se",                  "Min-SE",                  "",  !kList, !kCombined, kReceivable, !kEmptyLegal},
  {SIP_ALERT_INFO_HDR,          "alert-info",              "Alert-Info",              "",  !kList, !kCombined, kReceivable, !kEmptyLegal},
  // Made locally only; a received line without a name is kept as an unknown header.
  {SIP_GENERIC_PARAMETER_HDR,   "",                        "",                        "",  kList,  !kCombined, !kReceivable, !kEmptyLegal},
  {SIP_UNKNOWN_HDR,             "",                        "",                        "",  !kList, !kCombined, kReceivable, !kEmptyLegal},
};

constexpr SipHeaderType kEncodeOrder[] = {
  SIP_VIA_HDR, SIP_TO_HDR, SIP_FROM_HDR, SIP_DATE_HDR, SIP_CALL_ID_HDR, SIP_CSEQ_HDR, SIP_PRIORITY_HDR,
  SIP_PROXY_AUTHORIZATION_HDR, SIP_OSP_AUTHORIZATION_HDR, SIP_MAX_FORWARDS_HDR, SIP_ORGANIZATION_HDR,
  SIP_SUBJECT_HDR, SIP_HIDE_HDR, SIP_EXPIRES_HDR, SIP_RESPONSE_KEY_HDR, SIP_REFERRED_BY_HDR, SIP_REFER_TO_HDR,
  SIP_REPLACES_HDR, SIP_SERVER_HDR, SIP_ROUTE_HDR, SIP_REQUIRE_HDR, SIP_RECORD_ROUTE_HDR, SIP_CONTACT_HDR,
  SIP_ACCEPT_HDR, SIP_ACCEPT_ENCODING_HDR, SIP_ACCEPT_LANGUAGE_HDR, SIP_ALLOW_HDR, SIP_ALSO_HDR,
  SIP_AUTHORIZATION_HDR, SIP_CALL_LEG_HDR, SIP_CONTENT_DATA_HDR, SIP_CONTENT_DISPOSITION_HDR,
  SIP_CONTENT_ENCODING_HDR, SIP_CONTENT_LANGUAGE_HDR, SIP_DIVERSION_HDR, SIP_ENCRYPTION_HDR, SIP_IN_REPLY_TO_HDR,
  SIP_MIME_VERSION_HDR, SIP_PROXY_AUTHENTICATE_HDR, SIP_PROXY_REQUIRE_HDR, SIP_RETRY_AFTER_HDR, SIP_SESSION_HDR,
  SIP_SUBSCRIPTION_STATE_HDR, SIP_SUPPORTED_HDR, SIP_TIMESTAMP_HDR, SIP_UNSUPPORTED_HDR, SIP_USER_AGENT_HDR,
  SIP_WARNING_HDR, SIP_WWW_AUTHENTICATE_HDR, SIP_EVENT_HDR, SIP_ALLOW_EVENTS_HDR, SIP_SESSION_EXPIRES_HDR,
  SIP_MIN_SE_HDR, SIP_CONTENT_TYPE_HDR, SIP_CONTENT_LENGTH_HDR, SIP_ALERT_INFO_HDR, SIP_GENERIC_PARAMETER_HDR,
  SIP_UNKNOWN_HDR,
};
// clang-format on

static_assert(std::size(kHeaders) == kSipHeaderTypeCount);
static_assert(std::size(kEncodeOrder) == kSipHeaderTypeCount);

constexpr bool tableInTypeOrder() {
  for (int i = 0; i < kSipHeaderTypeCount; ++i) {
    if (kHeaders[i].type != i) return false;
  }
  return true;
}
static_assert(tableInTypeOrder());

constexpr bool orderHoldsEveryTypeOnce() {
  std::array<int, kSipHeaderTypeCount> seen{};
  for (SipHeaderType type : kEncodeOrder) ++seen[type];
  for (int count : seen) {
    if (count != 1) return false;
  }
  return true;
}
static_assert(orderHoldsEveryTypeOnce());

const std::unordered_map<std::string_view, SipHeaderType>& nameIndex() {
  static const std::unordered_map<std::string_view, SipHeaderType> index = [] {
    std::unordered_map<std::string_view, SipHeaderType> map;
    for (const SipHeaderInfo& info : kHeaders) {
      if (info.type == SIP_UNKNOWN_HDR) continue;
      map.emplace(info.lookupName, info.type);
      if (!info.compactName.empty()) map.emplace(info.compactName, info.type);
    }
    return map;
  }();
  return index;
}

}  // namespace

const SipHeaderInfo& headerInfo(SipHeaderType type) { return kHeaders[isValidHeaderType(type) ? type : SIP_UNKNOWN_HDR]; }

bool isValidHeaderType(int type) { return type >= 0 && type < kSipHeaderTypeCount; }

SipHeaderType headerTypeFromName(std::string_view lowerName) {
  const auto& index = nameIndex();
  auto it = index.find(lowerName);
  return it == index.end() ? SIP_UNKNOWN_HDR : it->second;
}

const SipHeaderType* headerEncodeOrder() { return kEncodeOrder; }

}  // namespace vx
