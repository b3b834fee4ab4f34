#include "sip/url/BaseUrl.hpp"

#include <gtest/gtest.h>

#include "sip/url/ImpBaseUrl.hpp"
#include "sip/url/SipTelSubscriberUser.hpp"
#include "sip/url/TelUrl.hpp"
#include "sip/url/UnknownUrl.hpp"
#include "tests/sip/SipTestSupport.hpp"

namespace vx {
namespace {

TEST(BaseUrlTest, FactoryPicksTheKindAndEncodesBack) {
  struct Case {
    const char* text;
    UrlType kind;
    const char* encoded;
  } cases[] = {
      {"sip:user1@host1:5070;transport=tcp;lr", SIP_URL, "sip:user1@host1:5070;transport=tcp;lr"},
      {"  SIP:User1@Host  ", SIP_URL, "SIP:User1@Host"},
      {"tel:+1-201-555-0123;isub=7;x=y", TEL_URL, "tel:+1-201-555-0123;isub=7;x=y"},
      {"TEL:911", TEL_URL, "TEL:911"},
      {"im:alice@example.com", IM_URL, "im:alice@example.com"},
      {"pres:alice@example.com", PRES_URL, "pres:alice@example.com"},
      {"sips:a@h", UNKNOWN_URL, "sips:a@h"},
      {"mailto:a@h", UNKNOWN_URL, "mailto:a@h"},
      {"foo", UNKNOWN_URL, "foo"},
      {":nothing", UNKNOWN_URL, ":nothing"},
      {"", UNKNOWN_URL, ""},
      // A blank that a dropped empty parameter leaves at the end is not written.
      {"pres:a@h ;", PRES_URL, "pres:a@h"},
      {"tel:1 ;isub=", TEL_URL, "tel:1"},
      {"sip:h:5 ;", SIP_URL, "sip:h:5"},
  };
  for (const Case& c : cases) {
    Sptr<BaseUrl> url = BaseUrl::decode(c.text);
    ASSERT_TRUE(url) << c.text;
    EXPECT_EQ(url->getType(), c.kind) << c.text;
    EXPECT_EQ(url->encode(), c.encoded) << c.text;
    EXPECT_TRUE(url->duplicate()->isEqual(url)) << c.text;
  }
}

TEST(BaseUrlTest, TelUrlKeepsEveryFurtherParameterInOrder) {
  TelUrl url(Data("tel:+4930123;tsp=a.b;foo=1;isub=9;bar=2"));
  const SipTelSubscriberUser& user = url.getSubscriber();
  EXPECT_TRUE(user.isGlobal());
  EXPECT_EQ(user.getNumber(), "4930123");
  EXPECT_EQ(user.getIsub(), "9");
  EXPECT_EQ(user.getTsp(), "a.b");
  EXPECT_EQ(user.getOtherName(), "bar");
  EXPECT_EQ(url.encode(), "tel:+4930123;isub=9;tsp=a.b;foo=1;bar=2");
}

TEST(BaseUrlTest, ImUrlWithParametersFailsButKeepsUserAndHost) {
  ImUrl url(Data("im:user2@host1;x=1"));
  EXPECT_EQ(url.getUserText(), "user2");
  EXPECT_EQ(url.getHost(), "host1");
  EXPECT_EQ(url.encode(), "im:user2@host1");
}

TEST(BaseUrlTest, KindsOrderAndCompareApart) {
  Sptr<BaseUrl> sip = BaseUrl::decode("sip:a@h");
  Sptr<BaseUrl> tel = BaseUrl::decode("tel:1");
  Sptr<BaseUrl> none = makeSptr<NullUrl>();
  EXPECT_FALSE(sip->isEqual(tel));
  EXPECT_TRUE(sip->isLessThan(tel));
  EXPECT_FALSE(tel->isLessThan(sip));
  EXPECT_EQ(none->encode(), "");
  EXPECT_EQ(none->getNameAddr(), "null-url");
  EXPECT_TRUE(none->isEqual(makeSptr<NullUrl>()));
}

}  // namespace
}  // namespace vx
