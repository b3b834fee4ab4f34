#include "sip/url/SipUrl.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "sip/url/SipTelSubscriberUser.hpp"
#include "tests/sip/SipTestSupport.hpp"

namespace vx {
namespace {

TEST(SipUrlTest, KeepsTheFieldsOfAFullUrl) {
  SipUrl url(Data("sip:user1@host1:5070;transport=tcp;ttl=3;maddr=m;user=ip;method=INVITE;lr?subject=x"));
  ASSERT_TRUE(url.getUser());
  EXPECT_EQ(url.getUser()->getType(), SIP_USER);
  EXPECT_EQ(url.getUserValue(), "user1");
  EXPECT_EQ(url.getHost(), "host1");
  EXPECT_EQ(url.getPort(), "5070");
  EXPECT_EQ(url.getTransportParam(), "tcp");
  EXPECT_EQ(url.getTtlParam(), "3");
  EXPECT_EQ(url.getMaddrParam(), "m");
  EXPECT_EQ(url.getUserParam(), "ip");
  EXPECT_EQ(url.getMethodParam(), "INVITE");
  EXPECT_TRUE(url.isLooseRouterPresent());
  EXPECT_EQ(url.getHeaders(), "subject=x");
  EXPECT_EQ(url.getNameAddr(), "sip:user1@host1");
}

TEST(SipUrlTest, EncodesEachUrlBack) {
  struct Case {
    const char* text;
    const char* encoded;
  } cases[] = {
      {"sip:user1@host1:5070;transport=tcp;lr", "sip:user1@host1:5070;transport=tcp;lr"},
      // Unknown parameters are all kept, in order: a proxy's Record-Route comes back as sent.
      {"sip:host;foo=1;bar=2", "sip:host;foo=1;bar=2"},
      {"sip:p;lr;ftag=a;did=b", "sip:p;lr;ftag=a;did=b"},
      {"sip:p.example.net;lr;r2=on", "sip:p.example.net;lr;r2=on"},
      {"sip:+12345@gw;user=phone;isub=7", "sip:+12345@gw;user=phone;isub=7"},
      // Subscriber parameters stay in front of the headers.
      {"sip:+1@gw;user=phone;isub=7?h=1", "sip:+1@gw;user=phone;isub=7?h=1"},
      {"sip:alice:secret@host:5061;transport=tls", "sip:alice:secret@host:5061;transport=tls"},
      {"sip:host:", "sip:host"},
      {"sip:h;;x", "sip:h;x"},
      {"sip:gw;user=phone;isub=7", "sip:gw;user=phone;isub=7"},
      {"sip:a@h; x = 1", "sip:a@h;x= 1"},
      // With user=phone every other parameter is the subscriber's, wherever it stood.
      {"sip:alice@h;b:+1@gw;user=phone;isub=7", "sip:alice@h;user=phone;isub=7;b:+1@gw"},
      {"sip:+1@gw;isub=7;5;user=phone;x", "sip:+1@gw;user=phone;isub=7;5;x"},
  };
  for (const Case& c : cases) {
    SipUrl url{Data(c.text)};
    EXPECT_EQ(url.encode(), c.encoded) << c.text;
    EXPECT_EQ(SipUrl(url.encode()).encode(), url.encode()) << c.text;
  }
}

TEST(SipUrlTest, OtherParameterGettersGiveTheLast) {
  SipUrl url(Data("sip:host;foo=1;bar=2"));
  EXPECT_EQ(url.getOtherName(), "bar");
  EXPECT_EQ(url.getOtherValue(), "2");
  ASSERT_EQ(url.getOtherParams().size(), 2u);
  EXPECT_EQ(url.getOtherParams()[0].first, "foo");
}

TEST(SipUrlTest, PasswordIsReadApartFromUserAndHost) {
  SipUrl url(Data("sip:alice:pw:x@atlanta.example.com;transport=udp"));
  EXPECT_EQ(url.getUserValue(), "alice");
  EXPECT_EQ(url.getPasswd(), "pw:x");
  EXPECT_EQ(url.getHost(), "atlanta.example.com");
  EXPECT_EQ(url.getPort(), "");
  EXPECT_EQ(url.getNameAddr(), "sip:alice:pw:x@atlanta.example.com");

  SipUrl portOnly(Data("sip:host:5060;maddr=a@b"));
  EXPECT_FALSE(portOnly.getUser());
  EXPECT_EQ(portOnly.getHost(), "host");
  EXPECT_EQ(portOnly.getPort(), "5060");
}

TEST(SipUrlTest, TelephoneSubscriberUser) {
  SipUrl url(Data("sip:+12345@gw;user=phone;isub=7"));
  auto user = Sptr<SipTelSubscriberUser>::cast(url.getUser());
  ASSERT_TRUE(user);
  EXPECT_TRUE(user->isGlobal());
  EXPECT_EQ(user->getNumber(), "12345");
  EXPECT_EQ(user->getIsub(), "7");
}

TEST(SipUrlTest, Equality) {
  struct Case {
    const char* a;
    const char* b;
    bool equal;
  } cases[] = {
      {"sip:a@h", "sip:a@H", true},          {"sip:A@h", "sip:a@h", false},
      {"sip:a@h", "sip:a@h:5060", false},     {"SIP:a@h", "sip:a@h", true},
      {"sip:a@h;lr", "sip:a@h", true},        {"sip:a@h;transport=TCP", "sip:a@h;transport=tcp", false},
      {"sip:h", "sip:a@h", false},            {"sip:a@h;x=ONE", "sip:a@h;x=one", true},
      {"sip:a:p@h", "sip:a:q@h", false},
  };
  for (const Case& c : cases) {
    Sptr<BaseUrl> a = BaseUrl::decode(c.a);
    Sptr<BaseUrl> b = BaseUrl::decode(c.b);
    EXPECT_EQ(a->isEqual(b), c.equal) << c.a << " vs " << c.b;
    EXPECT_EQ(b->isEqual(a), c.equal) << c.b << " vs " << c.a;
    if (c.equal) {
      EXPECT_FALSE(a->isLessThan(b) || b->isLessThan(a)) << c.a << " vs " << c.b;
    } else {
      EXPECT_NE(a->isLessThan(b), b->isLessThan(a)) << c.a << " vs " << c.b;
    }
  }
}

TEST(SipUrlTest, StandardStringConstructorRaisesOnlyOnABadScheme) {
  EXPECT_THROW(SipUrl(std::string("tel:123")), SipUrlParserException);
  EXPECT_THROW(SipUrl(std::string("nocolon")), SipUrlParserException);
  EXPECT_NO_THROW(SipUrl(std::string("sip:bob@example.com")));
  SipUrl quiet(Data("tel:123"));  // received text never raises
  EXPECT_EQ(quiet.encode(), "");
}

TEST(SipUrlTest, DuplicateIsDeep) {
  SipUrl url(Data("sip:+1@gw;user=phone"));
  Sptr<BaseUrl> copy = url.duplicate();
  EXPECT_NE(copy->getUser().get(), url.getUser().get());
  EXPECT_TRUE(copy->areEqual(url));
}

}  // namespace
}  // namespace vx
