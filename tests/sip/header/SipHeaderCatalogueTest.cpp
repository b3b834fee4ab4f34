#include "sip/header/SipHeaderCatalogue.hpp"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "sip/message/SipMsg.hpp"
#include "tests/sip/SipTestSupport.hpp"

namespace vx {
namespace {

// The fields a header was read into, as "name=value" joined by " | ".
std::string fieldsOf(const SipHeader& header) {
  std::string out;
  for (const auto& [name, value] : header.getFields()) {
    if (!out.empty()) out += " | ";
    out += std::string(name) + "=" + value.str();
  }
  return out;
}

struct Case {
  SipHeaderType type;
  const char* value;   // as the framing hands it over
  const char* fields;  // what was read
  const char* encoded;  // what is written back
};

// clang-format off
const Case kCases[] = {
  // Name-address family.
  {SIP_TO_HDR, "Bob <sip:bob@h>", "display-name=Bob | url=sip:bob@h", "To: \"Bob\" <sip:bob@h>\r\n"},
  {SIP_TO_HDR, "sip:user2@h;tag=1", "url=sip:user2@h | param=tag=1", "To: <sip:user2@h>;tag=1\r\n"},
  {SIP_TO_HDR, "<sip:b@h> ; tag = abc", "url=sip:b@h | param=tag=abc", "To: <sip:b@h>;tag=abc\r\n"},
  {SIP_TO_HDR, "", "", ""},
  {SIP_FROM_HDR, "\"A\" <sip:a@h>;b=2;tag=9;a=1", "display-name=A | url=sip:a@h | param=b=2 | param=tag=9 | param=a=1",
   "From: \"A\" <sip:a@h>;tag=9;a=1;b=2\r\n"},
  {SIP_FROM_HDR, "\"Say \\\"hi\\\" \\\\ o/\" <sip:a@h>", "display-name=Say \"hi\" \\ o/ | url=sip:a@h",
   "From: \"Say \\\"hi\\\" \\\\ o/\" <sip:a@h>\r\n"},
  {SIP_FROM_HDR, "\"a<b, c>\" <sip:a@h>;TAG=x", "display-name=a<b, c> | url=sip:a@h | param=tag=x",
   "From: \"a<b, c>\" <sip:a@h>;tag=x\r\n"},
  {SIP_CONTACT_HDR, "<sip:a@h:5070;transport=tcp>;expires=60;q=0.5",
   "url=sip:a@h:5070;transport=tcp | param=expires=60 | param=q=0.5",
   "Contact: <sip:a@h:5070;transport=tcp>;expires=60; q=0.5\r\n"},
  {SIP_CONTACT_HDR, "<sip:a@h;ob;rinstance=7> ;+sip.instance=\"<urn:x>\"",
   "url=sip:a@h;ob;rinstance=7 | param=+sip.instance=\"<urn:x>\"",
   "Contact: <sip:a@h;ob;rinstance=7>;+sip.instance=\"<urn:x>\"\r\n"},
  {SIP_CONTACT_HDR, "*", "wildcard=*", "Contact: *\r\n"},
  {SIP_CONTACT_HDR, "sip:conf@h;isfocus", "url=sip:conf@h | param=isfocus", "Contact: <sip:conf@h>;isfocus\r\n"},
  {SIP_REFERRED_BY_HDR, "<sip:ref@h>;cid=\"1@h\"", "url=sip:ref@h | param=cid=\"1@h\"", "Referred-By: <sip:ref@h>;cid=\"1@h\"\r\n"},
  {SIP_DIVERSION_HDR, "Bob Smith <sip:b@h>;reason=unconditional;counter=1",
   "display-name=Bob Smith | url=sip:b@h | param=reason=unconditional | param=counter=1",
   "Diversion: \"Bob Smith\" <sip:b@h>;reason=unconditional;counter=1\r\n"},
  {SIP_ALSO_HDR, "<sip:c@h>", "url=sip:c@h", "Also: <sip:c@h>\r\n"},
  {SIP_ROUTE_HDR, "<sip:p1;lr>", "url=sip:p1;lr", "<sip:p1;lr>"},
  {SIP_ROUTE_HDR, "<sip:p1;lr>;x=1", "url=sip:p1;lr | param=x=1", "<sip:p1;lr>;x=1"},
  {SIP_RECORD_ROUTE_HDR, "Proxy <sip:p2;lr>", "display-name=Proxy | url=sip:p2;lr", "\"Proxy\" <sip:p2;lr>"},
  {SIP_RECORD_ROUTE_HDR, "<tel:+123>", "url=tel:+123", "<tel:+123>"},
  {SIP_REFER_TO_HDR, "sip:c@h", "url=sip:c@h", "Refer-To: sip:c@h\r\n"},
  {SIP_REFER_TO_HDR, "<sip:c@h?Replaces=a%40h%3Bto-tag%3D1%3Bfrom-tag%3D2>",
   "url=sip:c@h?Replaces=a%40h%3Bto-tag%3D1%3Bfrom-tag%3D2",
   "Refer-To: <sip:c@h?Replaces=a%40h%3Bto-tag%3D1%3Bfrom-tag%3D2>\r\n"},
  {SIP_REFER_TO_HDR, "<sip:c@h;method=INVITE>", "url=sip:c@h;method=INVITE", "Refer-To: <sip:c@h;method=INVITE>\r\n"},
  {SIP_REFER_TO_HDR, "<http://w.example/x>", "url=http://w.example/x", "Refer-To: http://w.example/x\r\n"},
  // Token lists: the combined ones contribute their value, the others write their own lines.
  {SIP_ALLOW_HDR, "INVITE", "token=INVITE", "INVITE"},
  {SIP_SUPPORTED_HDR, "replaces", "token=replaces", "replaces"},
  {SIP_REQUIRE_HDR, "100rel", "token=100rel", "100rel"},
  {SIP_PROXY_REQUIRE_HDR, "sec-agree", "token=sec-agree", "sec-agree"},
  {SIP_ACCEPT_HDR, "application/sdp;level=1;q=0.5", "token=application/sdp | param=level=1 | param=q=0.5",
   "application/sdp;level=1;q=0.5"},
  {SIP_ACCEPT_ENCODING_HDR, "gzip ; q = 0.8", "token=gzip | param=q=0.8", "gzip;q=0.8"},
  {SIP_ACCEPT_LANGUAGE_HDR, "vi-VN;q=0.9", "token=vi-VN | param=q=0.9", "vi-VN;q=0.9"},
  {SIP_CONTENT_ENCODING_HDR, "gzip", "token=gzip", "gzip"},
  {SIP_CONTENT_LANGUAGE_HDR, "en", "token=en", "en"},
  {SIP_UNSUPPORTED_HDR, "foo", "token=foo", "Unsupported: foo\r\n"},
  {SIP_IN_REPLY_TO_HDR, "70710@saturn.example", "token=70710@saturn.example", "In-Reply-To: 70710@saturn.example\r\n"},
  // Single texts.
  {SIP_SUBJECT_HDR, "  Need more boxes  ", "value=Need more boxes", "Subject: Need more boxes\r\n"},
  {SIP_ORGANIZATION_HDR, "Boxes by Bob", "value=Boxes by Bob", "Organization: Boxes by Bob\r\n"},
  {SIP_PRIORITY_HDR, "emergency", "value=emergency", "Priority: emergency\r\n"},
  {SIP_HIDE_HDR, "route", "value=route", "Hide: route\r\n"},
  {SIP_MIME_VERSION_HDR, "1.0", "value=1.0", "Mime-Version: 1.0\r\n"},
  {SIP_TIMESTAMP_HDR, "54 0.5", "value=54 0.5", "Timestamp: 54 0.5\r\n"},
  {SIP_ENCRYPTION_HDR, "PGP version=2.6.2", "value=PGP version=2.6.2", "Encryption: PGP version=2.6.2\r\n"},
  {SIP_RESPONSE_KEY_HDR, "PGP version=5.0", "value=PGP version=5.0", "Response-Key: PGP version=5.0\r\n"},
  {SIP_OSP_AUTHORIZATION_HDR, "abc", "value=abc", "OSP-Authorization-Token: abc\r\n"},
  {SIP_SESSION_HDR, "Media Qos", "value=Media Qos", "Session: Media Qos\r\n"},
  {SIP_EVENT_HDR, "presence;id=7", "value=presence;id=7", "Event: presence;id=7\r\n"},
  {SIP_ALLOW_EVENTS_HDR, "presence, dialog", "value=presence, dialog", "Allow-Events: presence, dialog\r\n"},
  {SIP_ALERT_INFO_HDR, "<http://h/ring.wav>", "value=<http://h/ring.wav>", "Alert-Info: <http://h/ring.wav>\r\n"},
  {SIP_MIN_SE_HDR, "90", "value=90", "Min-SE: 90\r\n"},
  {SIP_USER_AGENT_HDR, "Vocarix/5.05(Linux) extra/1", "product=Vocarix | version=5.05 | comment=Linux | value=Vocarix/5.05(Linux) extra/1",
   "User-Agent: Vocarix/5.05(Linux) extra/1\r\n"},
  {SIP_SERVER_HDR, "Proxy (edge)", "product=Proxy | comment=edge | value=Proxy (edge)", "Server: Proxy (edge)\r\n"},
  // Numbers, identifiers and dates.
  {SIP_CALL_ID_HDR, " abc@10.0.0.1 ", "local-id=abc | host=10.0.0.1", "Call-ID: abc@10.0.0.1\r\n"},
  {SIP_CALL_ID_HDR, "plain-id", "local-id=plain-id", "Call-ID: plain-id\r\n"},
  {SIP_CALL_ID_HDR, "@x", "host=x", ""},
  {SIP_CALL_ID_HDR, "", "", ""},
  {SIP_CSEQ_HDR, "1\tINVITE", "number=1 | method=INVITE", "CSeq: 1 INVITE\r\n"},
  {SIP_CSEQ_HDR, "42", "number=42", "CSeq: 42 \r\n"},
  {SIP_MAX_FORWARDS_HDR, "7", "hops=7", "Max-Forwards: 7\r\n"},
  {SIP_MAX_FORWARDS_HDR, "0", "hops=0", "Max-Forwards: 0\r\n"},
  {SIP_MAX_FORWARDS_HDR, "7x", "hops=70", "Max-Forwards: 70\r\n"},
  {SIP_MAX_FORWARDS_HDR, "99999999999", "hops=70", "Max-Forwards: 70\r\n"},
  {SIP_CONTENT_LENGTH_HDR, "151", "length=151", "Content-Length: 151\r\n"},
  {SIP_CONTENT_LENGTH_HDR, "", "length=0", "Content-Length: 0\r\n"},
  {SIP_EXPIRES_HDR, "3600", "delta=3600", "Expires: 3600\r\n"},
  {SIP_EXPIRES_HDR, "Sat, 13 Nov 2010 23:29:00 GMT", "date=Sat, 13 Nov 2010 23:29:00 GMT",
   "Expires: Sat, 13 Nov 2010 23:29:00 GMT\r\n"},
  {SIP_EXPIRES_HDR, ",5", "", ""},
  {SIP_DATE_HDR, "Sat, 3 Nov 2010 23:29:00 GMT", "date=Sat, 03 Nov 2010 23:29:00 GMT", "Date: Sat, 03 Nov 2010 23:29:00 GMT\r\n"},
  {SIP_DATE_HDR, "Sat, 13 Nov 2010 25:29:00 GMT", "", ""},
  {SIP_RETRY_AFTER_HDR, "18000;duration=3600", "delta=18000 | param=duration=3600", "Retry-After: 18000;duration=3600\r\n"},
  {SIP_RETRY_AFTER_HDR, "120 (in a meeting)", "delta=120 | comment=in a meeting", "Retry-After: 120 (in a meeting)\r\n"},
  {SIP_SESSION_EXPIRES_HDR, "1800;refresher=uac", "delta=1800 | refresher=uac", "Session-Expires: 1800;refresher=uac\r\n"},
  {SIP_SESSION_EXPIRES_HDR, "1800 ; refresher = uas", "delta=1800 | refresher=uas", "Session-Expires: 1800;refresher=uas\r\n"},
  {SIP_SESSION_EXPIRES_HDR, "1800;foo=1", "delta=1800", "Session-Expires: 1800\r\n"},
  // Structured values.
  {SIP_VIA_HDR, "SIP/2.0/UDP 10.0.0.1:5060;branch=z9hG4bKabc;rport",
   "protocol=SIP/2.0 | transport=UDP | host=10.0.0.1 | port=5060 | rport=(asked) | branch=z9hG4bKabc",
   "Via: SIP/2.0/UDP 10.0.0.1:5060;rport;branch=z9hG4bKabc\r\n"},
  {SIP_CONTENT_TYPE_HDR, "Multipart/Mixed; boundary=\"b 1\"", "type=multipart | subtype=mixed | param=boundary=\"b 1\"",
   "Content-Type: multipart/mixed;boundary=\"b 1\"\r\n"},
  {SIP_CONTENT_TYPE_HDR, "application/sdp", "type=application | subtype=sdp", "Content-Type: application/sdp\r\n"},
  {SIP_CONTENT_DISPOSITION_HDR, "session;handling=optional", "type=session | param=handling=optional",
   "Content-Disposition: session;handling=optional\r\n"},
  {SIP_REPLACES_HDR, "98732@sip.example;from-tag=r33th4x0r;to-tag=ff87ff;early-only",
   "call-id=98732@sip.example | to-tag=ff87ff | from-tag=r33th4x0r | param=early-only",
   "Replaces: 98732@sip.example;to-tag=ff87ff;from-tag=r33th4x0r;early-only\r\n"},
  {SIP_SUBSCRIPTION_STATE_HDR, "active;expires=60", "state=active | param=expires=60",
   "Subscription-State: active;expires=60\r\n"},
  {SIP_SUBSCRIPTION_STATE_HDR, "terminated; reason=noresource", "state=terminated | param=reason=noresource",
   "Subscription-State: terminated;reason=noresource\r\n"},
  {SIP_WARNING_HDR, "307 isi.edu \"Session parameter 'foo' not understood\"",
   "code=307 | agent=isi.edu | text=Session parameter 'foo' not understood",
   "Warning: 307 isi.edu \"Session parameter 'foo' not understood\"\r\n"},
  {SIP_WWW_AUTHENTICATE_HDR, "Digest realm=\"atlanta.example\", Nonce=\"ea9c, 8e8\", qop=\"auth,auth-int\"",
   "scheme=Digest | param=realm=\"atlanta.example\" | param=nonce=\"ea9c, 8e8\" | param=qop=\"auth,auth-int\"",
   "WWW-Authenticate: Digest realm=\"atlanta.example\", nonce=\"ea9c, 8e8\", qop=\"auth,auth-int\"\r\n"},
  {SIP_PROXY_AUTHENTICATE_HDR, "Digest realm=\"r\",nonce=\"n\"", "scheme=Digest | param=realm=\"r\" | param=nonce=\"n\"",
   "Proxy-Authenticate: Digest realm=\"r\", nonce=\"n\"\r\n"},
  {SIP_AUTHORIZATION_HDR, "Digest username=\"bob\", response=\"42\", nc=00000001",
   "scheme=Digest | param=username=\"bob\" | param=response=\"42\" | param=nc=00000001",
   "Authorization: Digest username=\"bob\", response=\"42\", nc=00000001\r\n"},
  {SIP_PROXY_AUTHORIZATION_HDR, "Basic QWxhZGRpbjpvcGVu", "scheme=Basic | cookie=QWxhZGRpbjpvcGVu",
   "Proxy-Authorization: Basic QWxhZGRpbjpvcGVu\r\n"},
};
// clang-format on

TEST(SipHeaderCatalogueTest, EachClassReadsItsFieldsAndWritesThemBack) {
  test::AssertWatch watch;
  for (const Case& c : kCases) {
    SCOPED_TRACE(std::string(headerInfo(c.type).wireName) + ": " + c.value);
    Sptr<SipHeader> header = parseSipHeader(c.type, Data(c.value));
    ASSERT_TRUE(header);
    EXPECT_EQ(fieldsOf(*header), c.fields);
    EXPECT_EQ(header->encode(), c.encoded);
    Sptr<SipHeader> copy = header->duplicate();
    EXPECT_TRUE(copy->areEqual(*header));
    EXPECT_EQ(copy->encode(), c.encoded);
  }
  EXPECT_EQ(watch.raised(), 0);
}

// Every class of the catalogue has a row above, so none goes untested.
TEST(SipHeaderCatalogueTest, EveryClassHasCases) {
  auto covered = [](SipHeaderType type) {
    for (const Case& c : kCases) {
      if (c.type == type) return true;
    }
    return type == SIP_GENERIC_PARAMETER_HDR;  // made locally only, tested on its own
  };
  auto check = [&](auto tag) {
    SipHeaderType type = decltype(tag)::kType;
    EXPECT_TRUE(covered(type)) << headerInfo(type).wireName;
  };
  std::apply([&](auto... classes) { (check(classes), ...); }, SipHeaderClasses());
}

TEST(SipHeaderCatalogueTest, TheFactoryMakesTheClassOfEachTypeAndNothingForRawTypes) {
  test::AssertWatch watch;
  std::apply(
      [](auto... classes) {
        auto check = [](auto tag) {
          using H = decltype(tag);
          if (H::kType == SIP_GENERIC_PARAMETER_HDR) return;
          EXPECT_TRUE(Sptr<H>::cast(parseSipHeader(H::kType, Data("x")))) << headerInfo(H::kType).wireName;
          EXPECT_TRUE(Sptr<H>::cast(parseSipHeader(H::kType, Data()))) << headerInfo(H::kType).wireName;
        };
        (check(classes), ...);
      },
      SipHeaderClasses());
  for (SipHeaderType raw : {SIP_CALL_LEG_HDR, SIP_CONTENT_DATA_HDR, SIP_UNKNOWN_HDR}) {
    EXPECT_FALSE(parseSipHeader(raw, Data("x")));
    EXPECT_FALSE(hasSipHeaderClass(raw));
  }
  EXPECT_EQ(watch.raised(), 0);
  // The generic header has no received form: text for it is a programming error.
  EXPECT_TRUE(Sptr<SipGenericParameter>::cast(parseSipHeader(SIP_GENERIC_PARAMETER_HDR, Data())));
  EXPECT_FALSE(parseSipHeader(SIP_GENERIC_PARAMETER_HDR, Data("x: y")));
  EXPECT_EQ(watch.raised(), 1);
}

}  // namespace
}  // namespace vx
