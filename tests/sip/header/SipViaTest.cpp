#include "sip/header/SipVia.hpp"

#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "tests/sip/SipTestSupport.hpp"

namespace vx {
namespace {

TEST(SipViaTest, ReadsAndWritesEachPartInItsPlace) {
  test::AssertWatch watch;
  struct Case {
    const char* text;
    const char* written;
  } cases[] = {
      // Known parameters in their fixed order; every other parameter after them, in order.
      {"SIP/2.0/UDP 10.0.0.1:5060;branch=z9hG4bKabc;rport", "Via: SIP/2.0/UDP 10.0.0.1:5060;rport;branch=z9hG4bKabc\r\n"},
      {"SIP/2.0/UDP p.example;branch=z9hG4bKx;x-proxy=7;received=192.0.2.1;keep;alias;rport=5071",
       "Via: SIP/2.0/UDP p.example;rport=5071;received=192.0.2.1;branch=z9hG4bKx;x-proxy=7;keep;alias\r\n"},
      {"SIP / 2.0 / TCP  h:5061 ; branch = z9hG4bKy ; maddr = 224.2.0.1 ; ttl = 16 ; hidden",
       "Via: SIP/2.0/TCP h:5061;hidden;ttl=16;maddr=224.2.0.1;branch=z9hG4bKy\r\n"},
      {"SIP/2.0/UDP [2001:db8::1]:5060;branch=z9hG4bK6", "Via: SIP/2.0/UDP [2001:db8::1]:5060;branch=z9hG4bK6\r\n"},
      {"SIP/2.0/UDP h;branch=z9hG4bK1 (a comment)", "Via: SIP/2.0/UDP h;branch=z9hG4bK1(a comment)\r\n"},
      {"SIP/2.0/UDP h;x=\"a;b\"", "Via: SIP/2.0/UDP h;x=\"a;b\"\r\n"},
      // The version written is always 2.0; a port outside 1..65535 is left out.
      {"SIP/3.0/UDP h:0", "Via: SIP/2.0/UDP h\r\n"},
      {"SIP/2.0/UDP h:70000", "Via: SIP/2.0/UDP h\r\n"},
      {"SIP/2.0/UDP h:abc", "Via: SIP/2.0/UDP h\r\n"},
      // What cannot be read is logged and left out.
      {"SIP/2.0/UDP h;ttl=300", "Via: SIP/2.0/UDP h\r\n"},
      {"SIP/2.0/UDP h;=x", "Via: SIP/2.0/UDP h\r\n"},
      {"SIP/2.0/UDP a b:5060", ""},
      {"SIP/2.0/UDP", ""},
      {"", ""},
  };
  for (const Case& c : cases) {
    SipVia via{Data(c.text)};
    EXPECT_EQ(via.encode(), c.written) << c.text;
  }
  EXPECT_EQ(watch.raised(), 0);
}

TEST(SipViaTest, FieldsOfAProxysVia) {
  SipVia via{Data("SIP/2.0/TLS p.example:5061;branch=z9hG4bKx;received=192.0.2.1;rport=5071;x-id=9;ttl=3")};
  EXPECT_EQ(via.getProtocolName(), "SIP");
  EXPECT_EQ(via.getTransport(), "TLS");
  EXPECT_EQ(via.getHost(), "p.example");
  EXPECT_EQ(via.getPort(), "5061");
  EXPECT_EQ(via.getBranch(), "z9hG4bKx");
  EXPECT_EQ(via.getReceived(), "192.0.2.1");
  EXPECT_TRUE(via.hasRport());
  EXPECT_EQ(via.getRportValue(), "5071");
  EXPECT_EQ(via.getTtl(), "3");
  ASSERT_EQ(via.getOtherParams().size(), 1u);
  EXPECT_EQ(via.getOtherParams()[0].first, "x-id");
  EXPECT_EQ(via.getOtherParams()[0].second, "9");
}

TEST(SipViaTest, EqualityLooksAtEveryField) {
  const char* base = "SIP/2.0/UDP h:5060;branch=z9hG4bK1;x=1";
  SipVia via{Data(base)};
  EXPECT_TRUE(via.areEqual(SipVia(Data(base))));
  for (const char* other : {"SIP/2.0/UDP h:5060;branch=z9hG4bK1;x=2", "SIP/2.0/UDP h;branch=z9hG4bK1;x=1",
                            "SIP/2.0/TCP h:5060;branch=z9hG4bK1;x=1", "SIP/2.0/UDP h:5060;branch=z9hG4bK1;x=1;rport"}) {
    EXPECT_FALSE(via.areEqual(SipVia(Data(other)))) << other;
  }
}

TEST(SipViaTest, BranchesAreNewEachTimeAndSettersRefuseLineBreaks) {
  Data first = SipVia::makeBranch();
  EXPECT_TRUE(std::regex_match(first.str(), std::regex("z9hG4bK[0-9a-f]{8}")));
  EXPECT_NE(first, SipVia::makeBranch());

  SipVia via;
  ASSERT_TRUE(via.setHost(Data("h")));
  ASSERT_TRUE(via.setBranch(first));
  EXPECT_FALSE(via.setHost(Data("h\r\nX: y")));
  EXPECT_FALSE(via.setReceived(Data(std::string("a\0b", 3))));
  EXPECT_FALSE(via.addOtherParam(Data("x"), Data("\n")));
  ASSERT_TRUE(via.setRport(true));
  EXPECT_EQ(via.encode(), ("Via: SIP/2.0/UDP h;rport;branch=" + first.str() + "\r\n").c_str());
}

}  // namespace
}  // namespace vx
