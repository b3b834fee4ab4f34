#include "sip/header/SipHeaderCatalogue.hpp"

#include "runtime/log/Assert.hpp"

namespace vx {
namespace {

using Maker = Sptr<SipHeader> (*)(const Data& value);

template <typename H>
Sptr<SipHeader> make(const Data& value) {
  return makeSptr<H>(value);
}

// The locally made generic header has no text form a peer could send.
Sptr<SipHeader> makeGeneric(const Data& value) {
  VX_ASSERT(value.empty());
  return value.empty() ? makeSptr<SipGenericParameter>() : nullptr;
}

struct Entry {
  SipHeaderType type;
  Maker make;  // null: kept raw
};

// clang-format off
constexpr Entry kCatalogue[] = {
  {SIP_ACCEPT_HDR,              &make<SipAccept>},
  {SIP_ACCEPT_ENCODING_HDR,     &make<SipAcceptEncoding>},
  {SIP_ACCEPT_LANGUAGE_HDR,     &make<SipAcceptLanguage>},
  {SIP_ALLOW_HDR,               &make<SipAllow>},
  {SIP_ALSO_HDR,                &make<SipAlso>},
  {SIP_AUTHORIZATION_HDR,       &make<SipAuthorization>},
  {SIP_CALL_ID_HDR,             &make<SipCallId>},
  {SIP_CALL_LEG_HDR,            nullptr},
  {SIP_CONTACT_HDR,             &make<SipContact>},
  {SIP_CONTENT_DATA_HDR,        nullptr},
  {SIP_CONTENT_DISPOSITION_HDR, &make<SipContentDisposition>},
  {SIP_CONTENT_ENCODING_HDR,    &make<SipContentEncoding>},
  {SIP_CONTENT_LANGUAGE_HDR,    &make<SipContentLanguage>},
  {SIP_CONTENT_LENGTH_HDR,      &make<SipContentLength>},
  {SIP_CONTENT_TYPE_HDR,        &make<SipContentType>},
  {SIP_CSEQ_HDR,                &make<SipCSeq>},
  {SIP_DATE_HDR,                &make<SipDate>},
  {SIP_DIVERSION_HDR,           &make<SipDiversion>},
  {SIP_ENCRYPTION_HDR,          &make<SipEncryption>},
  {SIP_EXPIRES_HDR,             &make<SipExpires>},
  {SIP_EVENT_HDR,               &make<SipSubsNotifyEvent>},
  {SIP_ALLOW_EVENTS_HDR,        &make<SipAllowEvents>},
  {SIP_FROM_HDR,                &make<SipFrom>},
  {SIP_HIDE_HDR,                &make<SipHide>},
  {SIP_IN_REPLY_TO_HDR,         &make<SipInReplyTo>},
  {SIP_MAX_FORWARDS_HDR,        &make<SipMaxForwards>},
  {SIP_MIME_VERSION_HDR,        &make<SipMimeVersion>},
  {SIP_ORGANIZATION_HDR,        &make<SipOrganization>},
  {SIP_OSP_AUTHORIZATION_HDR,   &make<SipOspAuthorization>},
  {SIP_PRIORITY_HDR,            &make<SipPriority>},
  {SIP_PROXY_AUTHENTICATE_HDR,  &make<SipProxyAuthenticate>},
  {SIP_PROXY_AUTHORIZATION_HDR, &make<SipProxyAuthorization>},
  {SIP_PROXY_REQUIRE_HDR,       &make<SipProxyRequire>},
  {SIP_RECORD_ROUTE_HDR,        &make<SipRecordRoute>},
  {SIP_REFERRED_BY_HDR,         &make<SipReferredBy>},
  {SIP_REFER_TO_HDR,            &make<SipReferTo>},
  {SIP_REPLACES_HDR,            &make<SipReplaces>},
  {SIP_REQUIRE_HDR,             &make<SipRequire>},
  {SIP_RESPONSE_KEY_HDR,        &make<SipResponseKey>},
  {SIP_RETRY_AFTER_HDR,         &make<SipRetryAfter>},
  {SIP_ROUTE_HDR,               &make<SipRoute>},
  {SIP_SERVER_HDR,              &make<SipServer>},
  {SIP_SESSION_HDR,             &make<SipSession>},
  {SIP_SUBJECT_HDR,             &make<SipSubject>},
  {SIP_SUBSCRIPTION_STATE_HDR,  &make<SipSubscriptionState>},
  {SIP_SUPPORTED_HDR,           &make<SipSupported>},
  {SIP_TIMESTAMP_HDR,           &make<SipTimestamp>},
  {SIP_TO_HDR,                  &make<SipTo>},
  {SIP_UNSUPPORTED_HDR,         &make<SipUnsupported>},
  {SIP_USER_AGENT_HDR,          &make<SipUserAgent>},
  {SIP_VIA_HDR,                 &make<SipVia>},
  {SIP_WARNING_HDR,             &make<SipWarning>},
  {SIP_WWW_AUTHENTICATE_HDR,    &make<SipWwwAuthenticate>},
  {SIP_SESSION_EXPIRES_HDR,     &make<SipSessionExpires>},
  {SIP_MIN_SE_HDR,              &make<SipMinSE>},
  {SIP_ALERT_INFO_HDR,          &make<SipAlertInfo>},
  {SIP_GENERIC_PARAMETER_HDR,   &makeGeneric},
  {SIP_UNKNOWN_HDR,             nullptr},
};
// clang-format on

static_assert(std::size(kCatalogue) == kSipHeaderTypeCount);

constexpr bool catalogueInTypeOrder() {
  for (int i = 0; i < kSipHeaderTypeCount; ++i) {
    if (kCatalogue[i].type != i) return false;
  }
  return true;
}
static_assert(catalogueInTypeOrder());

// Each class of the tuple sits at the place of its own type.
template <std::size_t... I>
constexpr bool classesInTypeOrder(std::index_sequence<I...>) {
  constexpr SipHeaderType withClass[] = {std::tuple_element_t<I, SipHeaderClasses>::kType...};
  for (std::size_t i = 1; i < sizeof...(I); ++i) {
    if (withClass[i] <= withClass[i - 1]) return false;
  }
  return true;
}
static_assert(classesInTypeOrder(std::make_index_sequence<std::tuple_size_v<SipHeaderClasses>>()));

}  // namespace

bool hasSipHeaderClass(SipHeaderType type) { return isValidHeaderType(type) && kCatalogue[type].make != nullptr; }

Sptr<SipHeader> parseSipHeader(SipHeaderType type, const Data& value) {
  if (!hasSipHeaderClass(type)) return nullptr;
  return kCatalogue[type].make(value);
}

}  // namespace vx
