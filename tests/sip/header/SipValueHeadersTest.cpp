// The headers with a value of their own shape: sequence numbers, identifiers, numbers, dates,
// content descriptions, texts, warnings and authentication.
#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "sip/header/SipHeaderCatalogue.hpp"
#include "tests/sip/SipTestSupport.hpp"

namespace vx {
namespace {

TEST(SipValueHeadersTest, CSeqNextNumber) {
  struct Case {
    const char* text;
    int next;
  } cases[] = {
      {"1 INVITE", 2},
      {"2147483646 INVITE", 2147483647},
      {"2147483647 INVITE", 1},  // the number reads as 0
      {"-5 INVITE", 2147483647},
  };
  for (const Case& c : cases) EXPECT_EQ(SipCSeq(Data(c.text)).getNextCSeq(), c.next) << c.text;

  SipCSeq cseq(SIP_REGISTER, Data("7"));
  EXPECT_EQ(cseq.getMethodType(), SIP_REGISTER);
  EXPECT_EQ(cseq.encode(), "CSeq: 7 REGISTER\r\n");
  EXPECT_TRUE(cseq.areEqual(SipCSeq(Data("7 REGISTER"))));
  EXPECT_FALSE(cseq.areEqual(SipCSeq(Data("7 register"))));
  EXPECT_FALSE(cseq.setMethod(Data("INVITE\r\n")));
}

TEST(SipValueHeadersTest, NewCallIdsAreRandomAtTheLocalHostButReceivedOnesAreNeverMadeUp) {
  SipCallId::setLocalHost(Data("192.0.2.7"));
  SipCallId a;
  SipCallId b;
  EXPECT_TRUE(std::regex_match(a.getLocalId().str(), std::regex("[0-9a-f]{32}")));
  EXPECT_EQ(a.getHost(), "192.0.2.7");
  EXPECT_FALSE(a.areEqual(b));
  EXPECT_EQ(a.getCallIdData(), a.getLocalId() + "@192.0.2.7");
  SipCallId::setLocalHost(Data());

  // A message without a Call-ID reads an empty one, which writes nothing.
  EXPECT_EQ(SipCallId(Data()).encode(), "");
  EXPECT_TRUE(SipCallId(Data("x@h")).areEqual(SipCallId(Data("x@h"))));
  EXPECT_FALSE(SipCallId(Data("x@h")).areEqual(SipCallId(Data("x@H"))));
}

TEST(SipValueHeadersTest, MaxForwardsKeepsZeroAndRefusesWhatIsNoHopCount) {
  SipMaxForwards hops;
  EXPECT_EQ(hops.get(), SipMaxForwards::kDefault);
  EXPECT_EQ(hops.encode(), "Max-Forwards: 70\r\n");
  EXPECT_TRUE(hops.set(1));
  EXPECT_EQ(hops.decrement(), 0);
  EXPECT_EQ(hops.decrement(), 0);
  EXPECT_EQ(hops.encode(), "Max-Forwards: 0\r\n");
  EXPECT_FALSE(hops.set(-1));
  EXPECT_FALSE(hops.set(256));
  EXPECT_EQ(SipMaxForwards(Data("256")).get(), SipMaxForwards::kDefault);
}

TEST(SipValueHeadersTest, DatesReadEachPartOrStopAtTheFirstBadOne) {
  SipDateValue date("Thu, 01 Jan 2004 00:00:59 GMT");
  ASSERT_TRUE(date.isComplete());
  EXPECT_EQ(date.getWeekday(), 3);
  EXPECT_EQ(date.getDay(), 1);
  EXPECT_EQ(date.getMonth(), 0);
  EXPECT_EQ(date.getYear(), 2004);
  EXPECT_EQ(date.getSeconds(), 59);
  EXPECT_EQ(date.getZone(), "GMT");
  for (const char* bad : {"Thu, 01 Jan 2004 00:00:59", "Thu, 01 Foo 2004 00:00:59 GMT", "Xyz, 01 Jan 2004 00:00 GMT",
                          "Thu, 32 Jan 2004 00:00:59 GMT", "Thu, 01 Jan 2004 00:00:59 CET", ""}) {
    SipDateValue broken(bad);
    EXPECT_FALSE(broken.isComplete()) << bad;
    EXPECT_EQ(broken.encode(), "") << bad;
  }
  EXPECT_EQ(SipDateValue("Thu, 01 Jan 2004 00:00:59 CET").getYear(), 2004);  // kept up to the zone

  SipExpires expires;
  expires.setDate(date);
  EXPECT_EQ(expires.encode(), "Expires: Thu, 01 Jan 2004 00:00:59 GMT\r\n");
  EXPECT_TRUE(expires.setDelta(Data("60")));
  EXPECT_TRUE(expires.isDelta());
  EXPECT_EQ(expires.encode(), "Expires: 60\r\n");
}

TEST(SipValueHeadersTest, TextsSetThroughTheApiRefuseLineBreaksAndNul) {
  test::AssertWatch watch;
  const std::string bad[] = {"x\r\nVia: y", "x\ny", "x\ry", std::string("x\0y", 3)};
  SipSubject subject;
  SipUserAgent agent;
  SipContentType type(Data("application"), Data("sdp"));
  SipWarning warning;
  SipAuthorization auth;
  for (const std::string& text : bad) {
    EXPECT_FALSE(subject.setValue(Data(text)));
    EXPECT_FALSE(agent.setProduct(Data(text), Data("1"), Data()));
    EXPECT_FALSE(agent.setProduct(Data("p"), Data(), Data(text)));
    EXPECT_FALSE(type.setType(Data(text)));
    EXPECT_FALSE(type.setSubType(Data(text)));
    EXPECT_FALSE(type.setParam("charset", text));
    EXPECT_FALSE(warning.setText(Data(text)));
    EXPECT_FALSE(auth.setParam("username", text, true));
  }
  EXPECT_EQ(subject.encode(), "");
  EXPECT_EQ(agent.encode(), "");
  EXPECT_EQ(type.encode(), "Content-Type: application/sdp\r\n");
  EXPECT_EQ(watch.raised(), 0);
}

TEST(SipValueHeadersTest, GettersThatReadPartsOfATextValue) {
  SipUserAgent agent;
  ASSERT_TRUE(agent.setProduct(Data("Vocarix"), Data("5.05.69"), Data("Linux")));
  EXPECT_EQ(agent.encode(), "User-Agent: Vocarix/5.05.69(Linux)\r\n");
  EXPECT_EQ(agent.getVersion(), "5.05.69");

  SipSession session;
  ASSERT_TRUE(session.setFlags(true, false, true));
  EXPECT_EQ(session.encode(), "Session: Media Security\r\n");
  EXPECT_TRUE(session.isMedia());
  EXPECT_FALSE(session.isQos());
  EXPECT_TRUE(SipSession(Data("qos")).isQos());

  SipSubsNotifyEvent event{Data("presence ; id=7")};
  EXPECT_EQ(event.getEventType(), "presence");
  EXPECT_EQ(event.getId(), "7");

  SipSubscriptionState state{Data("terminated;reason=timeout;retry-after=30")};
  EXPECT_EQ(state.getState(), "terminated");
  EXPECT_EQ(state.getReason(), "timeout");
  EXPECT_EQ(state.getRetryAfter(), "30");
  EXPECT_EQ(SipSubscriptionState(Data("active;expires=60")).getExpires(), "60");

  SipContentType multipart{Data("multipart/mixed;boundary=\"unique-boundary-1\"")};
  EXPECT_EQ(multipart.getBoundary(), "unique-boundary-1");

  SipAcceptLanguage language{Data("vi-VN;q=0.9")};
  EXPECT_EQ(language.getPrimaryTag(), "vi");
  EXPECT_EQ(language.getSubtag(), "VN");
  EXPECT_EQ(language.getQValue(), "0.9");
  SipAccept accept{Data("*/*")};
  EXPECT_EQ(accept.getMediaType(), "*");
  EXPECT_EQ(accept.getMediaSubtype(), "*");

  SipRetryAfter retry{Data("120 (in a meeting);duration=60")};
  EXPECT_EQ(retry.getDuration(), "60");
  EXPECT_EQ(retry.getComment(), "in a meeting");
}

TEST(SipValueHeadersTest, SessionTimersAndReplaces) {
  SipSessionExpires timer{Data("1800;refresher=uas")};
  EXPECT_EQ(timer.getRefresher(), "uas");
  EXPECT_FALSE(timer.setRefresher(Data("proxy")));
  EXPECT_TRUE(timer.setRefresher(Data()));
  EXPECT_EQ(timer.encode(), "Session-Expires: 1800\r\n");
  EXPECT_EQ(SipSessionExpires(Data("1800;refresher=UAC")).getRefresher(), "");

  SipReplaces replaces;
  ASSERT_TRUE(replaces.setCallId(Data("a@h")));
  ASSERT_TRUE(replaces.setToTag(Data("1")));
  // Both tags are always written, to-tag first.
  EXPECT_EQ(replaces.encode(), "Replaces: a@h;to-tag=1;from-tag=\r\n");

  // A quote in a tag would open a quoted string swallowing the from-tag written after it.
  SipReplaces quoted{Data("98732@sip.example.com;to-tag=ff87 not understood\", 301 isi.edu \"type\";from-tag=r33")};
  EXPECT_EQ(quoted.getToTag(), "");
  Data once = quoted.encode();
  EXPECT_EQ(once, "Replaces: 98732@sip.example.com;to-tag=;from-tag=\r\n");
  SipReplaces again{Data(once.view().substr(10, once.length() - 12))};
  EXPECT_EQ(again.encode(), once);
}

TEST(SipValueHeadersTest, AuthenticationParametersComeWithoutTheirQuotes) {
  SipWwwAuthenticate challenge{Data("Digest realm=\"atlanta.example\", Nonce=\"ea9c8e88\", qop=\"auth,auth-int\", stale=FALSE")};
  EXPECT_EQ(challenge.getScheme(), "Digest");
  EXPECT_EQ(challenge.getParam("realm"), "atlanta.example");
  EXPECT_EQ(challenge.getParam("nonce"), "ea9c8e88");
  EXPECT_EQ(challenge.getParam("qop"), "auth,auth-int");
  EXPECT_EQ(challenge.getParam("stale"), "FALSE");
  EXPECT_FALSE(challenge.isCredentials());

  SipProxyAuthorization credentials;
  ASSERT_TRUE(credentials.setScheme(Data("Digest")));
  ASSERT_TRUE(credentials.setParam("username", "bob", true));
  ASSERT_TRUE(credentials.setParam("qop", "auth", false));
  EXPECT_EQ(credentials.encode(), "Proxy-Authorization: Digest username=\"bob\", qop=auth\r\n");
  EXPECT_TRUE(credentials.isCredentials());

  SipAuthorization basic{Data("basic QWxh")};
  EXPECT_EQ(basic.getBasicCookie(), "QWxh");
  EXPECT_EQ(basic.encode(), "Authorization: basic QWxh\r\n");
  // Only credentials carry a cookie; a challenge's Basic has parameters.
  EXPECT_EQ(SipWwwAuthenticate(Data("Basic realm=\"r\"")).getParam("realm"), "r");
}

TEST(SipValueHeadersTest, GenericParameterIsANamedLineMadeLocally) {
  SipGenericParameter header(Data("X-Vocarix-Line"), Data("2"));
  EXPECT_EQ(header.encode(), "X-Vocarix-Line: 2\r\n");
  EXPECT_FALSE(header.set(Data("X: y"), Data("1")));
  EXPECT_FALSE(header.set(Data("X"), Data("1\r\n")));
  EXPECT_EQ(SipGenericParameter().encode(), "");
  EXPECT_TRUE(SipGenericParameter(Data("x-a: b")).areEqual(SipGenericParameter(Data("X-A"), Data("b"))));
}

}  // namespace
}  // namespace vx
