#pragma once
// The header catalogue: every header class, and the factory the message framing parses
// headers with (parseSipHeader, declared with the framing's SipHeader). Including this header
// gives all the classes.
#include <tuple>

#include "sip/header/SipAuthHeaders.hpp"
#include "sip/header/SipCSeq.hpp"
#include "sip/header/SipCallId.hpp"
#include "sip/header/SipContentType.hpp"
#include "sip/header/SipDate.hpp"
#include "sip/header/SipGenericParameter.hpp"
#include "sip/header/SipNameAddr.hpp"
#include "sip/header/SipNumeric.hpp"
#include "sip/header/SipParameterList.hpp"
#include "sip/header/SipReplaces.hpp"
#include "sip/header/SipSubscriptionState.hpp"
#include "sip/header/SipTextHeader.hpp"
#include "sip/header/SipTokenHeader.hpp"
#include "sip/header/SipVia.hpp"
#include "sip/header/SipWarning.hpp"
#include "sip/message/SipHeader.hpp"

namespace vx {

// Every class of the catalogue in type order, for code that walks them all (tests, fuzzing).
using SipHeaderClasses =
    std::tuple<SipAccept, SipAcceptEncoding, SipAcceptLanguage, SipAllow, SipAlso, SipAuthorization, SipCallId,
               SipContact, SipContentDisposition, SipContentEncoding, SipContentLanguage, SipContentLength,
               SipContentType, SipCSeq, SipDate, SipDiversion, SipEncryption, SipExpires, SipSubsNotifyEvent,
               SipAllowEvents, SipFrom, SipHide, SipInReplyTo, SipMaxForwards, SipMimeVersion, SipOrganization,
               SipOspAuthorization, SipPriority, SipProxyAuthenticate, SipProxyAuthorization, SipProxyRequire,
               SipRecordRoute, SipReferredBy, SipReferTo, SipReplaces, SipRequire, SipResponseKey, SipRetryAfter,
               SipRoute, SipServer, SipSession, SipSubject, SipSubscriptionState, SipSupported, SipTimestamp, SipTo,
               SipUnsupported, SipUserAgent, SipVia, SipWarning, SipWwwAuthenticate, SipSessionExpires, SipMinSE,
               SipAlertInfo, SipGenericParameter>;

// Whether the catalogue has a class for the type (Call-Leg, Content-Data and unknown headers
// have none and stay raw).
bool hasSipHeaderClass(SipHeaderType type);

}  // namespace vx
