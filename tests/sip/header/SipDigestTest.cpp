// Digest answers: the response for each algorithm and qop form, inputs of any length, and the
// credentials header a request is given.
#include <gtest/gtest.h>

#include <string>

#include "sip/header/SipAuthHeaders.hpp"
#include "sip/header/SipDigest.hpp"
#include "sip/message/SipMsg.hpp"

namespace vx {
namespace {

// The worked example of RFC 2617 section 3.5.
SipDigestInputs rfcExample() {
  SipDigestInputs in;
  in.userName = "Mufasa";
  in.realm = "testrealm@host.com";
  in.password = "Circle Of Life";
  in.nonce = "dcd98b7102dd2f0e8b11d0f600bfb0c093";
  in.cnonce = "0a4f113b";
  in.nonceCount = "00000001";
  in.qop = "auth";
  in.method = "GET";
  in.uri = "/dir/index.html";
  return in;
}

struct ResponseCase {
  const char* name;
  const char* qop;
  const char* algorithm;
  const char* expected;
};

// Expected values computed independently from the RFC 2617 formulas.
constexpr ResponseCase kResponseCases[] = {
    {"rfc 2617 example", "auth", "", "6629fae49393a05397450978507c4ef1"},
    {"explicit MD5", "auth", "MD5", "6629fae49393a05397450978507c4ef1"},
    {"no qop: RFC 2069 form", "", "", "670fd8c2df070c60b045671b8b24ff02"},
    {"session key, lower case", "auth", "md5-sess", "68c13aa36c0e5ab2e1e1e684dacc873b"},
    {"session key, as servers write it", "auth", "MD5-sess", "68c13aa36c0e5ab2e1e1e684dacc873b"},
    {"session key, upper case", "auth", "MD5-SESS", "68c13aa36c0e5ab2e1e1e684dacc873b"},
    {"integrity qop", "auth-int", "", "621037287e5db3121f6eb590991dca30"},
};

TEST(SipDigestTest, ResponseForEachAlgorithmAndQop) {
  for (const ResponseCase& c : kResponseCases) {
    SCOPED_TRACE(c.name);
    SipDigestInputs in = rfcExample();
    in.qop = c.qop;
    in.algorithm = c.algorithm;
    EXPECT_EQ(computeDigestResponse(in).str(), c.expected);
  }
}

TEST(SipDigestTest, LongInputsAreHashedWhole) {
  std::string password(2000, 'x');
  SipDigestInputs in;
  in.userName = "alice";
  in.realm = "r";
  in.password = password;
  in.nonce = "n";
  in.method = "REGISTER";
  in.uri = "sip:r";
  EXPECT_EQ(computeDigestResponse(in).str(), "436ff597f75e11d9009301dabf3eac4b");
  password.resize(1023);
  in.password = password;
  EXPECT_EQ(computeDigestResponse(in).str(), "c20dc66c3ca31f84738b5166ecfce9af");
}

class SipDigestCredentialsTest : public ::testing::Test {
 protected:
  SipDigestCredentialsTest() {
    in_.userName = "alice";
    in_.realm = "example.com";
    in_.password = "secret";
    in_.nonce = "abc";
    in_.cnonce = "0123456789abcdef0123456789abcdef";
    in_.nonceCount = "00000001";
    in_.qop = "auth";
    in_.method = "REGISTER";
    in_.uri = "sip:example.com";
    in_.opaque = "xyz";
    msg_ = SipMsg::decode(Data(
        "REGISTER sip:example.com SIP/2.0\r\n"
        "Via: SIP/2.0/UDP 127.0.0.1:5060;branch=z9hG4bK1\r\n"
        "From: <sip:alice@example.com>;tag=1\r\n"
        "To: <sip:alice@example.com>\r\n"
        "Call-ID: c1\r\n"
        "CSeq: 2 REGISTER\r\n"
        "Authorization: Digest username=\"old\", response=\"0\"\r\n"
        "Authorization: Digest username=\"older\", response=\"1\"\r\n"
        "Content-Length: 0\r\n\r\n"));
  }

  SipDigestInputs in_;
  Sptr<SipMsg> msg_;
};

TEST_F(SipDigestCredentialsTest, ReplacesEveryEarlierHeaderWithOneAnswer) {
  ASSERT_TRUE(msg_);
  ASSERT_TRUE(setDigestCredentials(*msg_, SIP_AUTHORIZATION_HDR, in_));
  ASSERT_EQ(msg_->count<SipAuthorization>(), 1);
  EXPECT_EQ(msg_->get<SipAuthorization>()->encode().str(),
            "Authorization: Digest username=\"alice\", realm=\"example.com\", nonce=\"abc\", "
            "response=\"b1c608cfeedaf34547c3cae5a34734e5\", qop=auth, uri=\"sip:example.com\", "
            "cnonce=\"0123456789abcdef0123456789abcdef\", nc=00000001, opaque=\"xyz\"\r\n");
}

TEST_F(SipDigestCredentialsTest, EmptyInputsAreLeftOutAndProxyCredentialsAreSeparate) {
  ASSERT_TRUE(msg_);
  in_.qop = in_.cnonce = in_.nonceCount = in_.opaque = "";
  in_.algorithm = "MD5";
  ASSERT_TRUE(setDigestCredentials(*msg_, SIP_PROXY_AUTHORIZATION_HDR, in_));
  EXPECT_EQ(msg_->count<SipAuthorization>(), 2);
  ASSERT_EQ(msg_->count<SipProxyAuthorization>(), 1);
  Sptr<SipProxyAuthorization> header = msg_->get<SipProxyAuthorization>();
  EXPECT_EQ(header->getParam("algorithm").str(), "MD5");
  EXPECT_TRUE(header->getParam("qop").empty());
  EXPECT_EQ(header->getParam("response").str(), computeDigestResponse(in_).str());
}

TEST_F(SipDigestCredentialsTest, RefusesAHeaderTypeThatIsNotCredentials) {
  ASSERT_TRUE(msg_);
  EXPECT_FALSE(setDigestCredentials(*msg_, SIP_WWW_AUTHENTICATE_HDR, in_));
  EXPECT_EQ(msg_->count<SipAuthorization>(), 2);
}

}  // namespace
}  // namespace vx
