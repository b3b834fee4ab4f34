#include "sip/header/SipNameAddr.hpp"

#include <gtest/gtest.h>

#include <string>

#include "sip/header/SipReplaces.hpp"
#include "sip/url/SipUrl.hpp"
#include "sip/url/UnknownUrl.hpp"
#include "tests/sip/SipTestSupport.hpp"

namespace vx {
namespace {

Sptr<BaseUrl> url(const char* text) { return BaseUrl::decode(Data(text)); }

// "Nguyễn Văn Anh": each of ễ and ă lies outside Latin-1.
const std::string kVietnamese = "Nguy\xE1\xBB\x85n V\xC4\x83n Anh";

TEST(SipNameAddrTest, DisplayNamesRoundTripEscapedAndAsUtf8) {
  struct Case {
    std::string displayName;  // as set
    std::string written;      // the To line
  } cases[] = {
      {"Bob", "To: \"Bob\" <sip:b@h>\r\n"},
      {"say \"hi\"", "To: \"say \\\"hi\\\"\" <sip:b@h>\r\n"},
      {"back\\slash\\", "To: \"back\\\\slash\\\\\" <sip:b@h>\r\n"},
      {"a <b>, c;d", "To: \"a <b>, c;d\" <sip:b@h>\r\n"},
      {kVietnamese, "To: \"" + kVietnamese + "\" <sip:b@h>\r\n"},
      {"\xE9t\xE9", "To: \"\xC3\xA9t\xC3\xA9\" <sip:b@h>\r\n"},  // not UTF-8: taken as Latin-1
  };
  for (const Case& c : cases) {
    SipTo to;
    ASSERT_TRUE(to.setUrl(url("sip:b@h")));
    ASSERT_TRUE(to.setDisplayName(Data(c.displayName)));
    EXPECT_EQ(to.encode(), c.written.c_str()) << c.displayName;
    // Read back, the name is the one that was set (as UTF-8), byte for byte.
    std::string line = c.written.substr(4, c.written.size() - 6);
    SipTo back{Data(line)};
    std::string expected = c.displayName == "\xE9t\xE9" ? "\xC3\xA9t\xC3\xA9" : c.displayName;
    EXPECT_EQ(back.getDisplayName().str(), expected);
    EXPECT_EQ(back.encode(), to.encode());
  }
}

TEST(SipNameAddrTest, ReceivedDisplayNamesKeepEveryByte) {
  SipFrom from{Data("\"" + kVietnamese + "\" <sip:a@h>;tag=1")};
  EXPECT_EQ(from.getDisplayName().str(), kVietnamese);
  // Bytes that are not UTF-8 are not "repaired" either: what came is what goes.
  SipFrom latin1{Data("\"\xE9\" <sip:a@h>")};
  EXPECT_EQ(latin1.getDisplayName().str(), "\xE9");
  EXPECT_EQ(latin1.encode(), "From: \"\xE9\" <sip:a@h>\r\n");
}

TEST(SipNameAddrTest, ValuesWithLineBreaksOrNulAreRefused) {
  test::AssertWatch watch;
  SipContact contact{Data("\"Ann\" <sip:a@h>")};
  const std::string bad[] = {"a\r\nVia: x", "a\nb", "a\rb", std::string("a\0b", 3)};
  for (const std::string& text : bad) {
    EXPECT_FALSE(contact.setDisplayName(Data(text)));
    EXPECT_FALSE(contact.setParam("x", text));
    EXPECT_FALSE(contact.setUrl(makeSptr<UnknownUrl>(Data("x:" + text))));
  }
  EXPECT_EQ(contact.encode(), "Contact: \"Ann\" <sip:a@h>\r\n");

  // A URL changed through its own setters after it was set is still never written.
  auto sipUrl = makeSptr<SipUrl>(Data("sip:a@h"));
  ASSERT_TRUE(contact.setUrl(sipUrl));
  sipUrl->setHost(Data("h\r\nX: injected"));
  EXPECT_EQ(contact.encode(), "");
  EXPECT_EQ(watch.raised(), 0);
}

TEST(SipNameAddrTest, TagsAndParametersAreReadWhateverTheBlanksAroundTheEqualsSign) {
  SipTo to{Data("<sip:b@h> ;  tag  =  abc ; x = 1")};
  EXPECT_EQ(to.getTag(), "abc");
  EXPECT_EQ(to.getParam("X"), "1");
  EXPECT_TRUE(to.setTag(Data("def")));
  EXPECT_EQ(to.encode(), "To: <sip:b@h>;tag=def;x=1\r\n");
}

TEST(SipNameAddrTest, ToAndFromCompareAddressTagAndParametersButNotTheDisplayName) {
  SipFrom a{Data("\"A\" <sip:a@h>;tag=1;x=1;y=2")};
  EXPECT_TRUE(a.areEqual(SipFrom(Data("Other <sip:a@h>;y=2;tag=1;x=1"))));
  EXPECT_FALSE(a.areEqual(SipFrom(Data("<sip:a@h>;tag=2;x=1;y=2"))));
  EXPECT_FALSE(a.areEqual(SipFrom(Data("<sip:a@h:5060>;tag=1;x=1;y=2"))));
  EXPECT_FALSE(a.areEqual(SipTo(Data("\"A\" <sip:a@h>;tag=1;x=1;y=2"))));
  EXPECT_TRUE(SipTo().areEqual(SipTo()));
}

TEST(SipNameAddrTest, ContactExpiresFocusAndWildcard) {
  SipContact contact{Data("<sip:a@h>;expires=\"Sat, 13 Nov 2010 23:29:00 GMT\";isfocus")};
  EXPECT_TRUE(contact.hasExpires());
  EXPECT_EQ(contact.getExpires(), "Sat, 13 Nov 2010 23:29:00 GMT");
  EXPECT_TRUE(contact.isFocus());
  ASSERT_TRUE(contact.setExpires(Data("0")));
  EXPECT_EQ(contact.encode(), "Contact: <sip:a@h>;expires=0; isfocus\r\n");

  SipContact any;
  any.setWildcard(true);
  EXPECT_EQ(any.encode(), "Contact: *\r\n");
  EXPECT_TRUE(SipContact(Data("*")).isWildcard());
}

TEST(SipNameAddrTest, ReferToIsBracketedWheneverItsUrlNeedsItAndReadsTheEmbeddedReplaces) {
  SipReplaces replaces{Data("a@h;to-tag=1;from-tag=2")};
  SipReferTo refer;
  ASSERT_TRUE(refer.setUrl(url("sip:carol@h")));
  EXPECT_EQ(refer.encode(), "Refer-To: sip:carol@h\r\n");
  ASSERT_TRUE(refer.setReplaces(replaces.encodeValue()));
  EXPECT_EQ(refer.encode(), "Refer-To: <sip:carol@h?Replaces=a%40h%3bto-tag%3d1%3bfrom-tag%3d2>\r\n");

  // Read back, the embedded headers come out of the brackets, %-escapes undone.
  std::string line = refer.encode().str();
  SipReferTo back{Data(line.substr(10, line.size() - 12))};
  EXPECT_EQ(back.getReplaces(), "a@h;to-tag=1;from-tag=2");
  EXPECT_EQ(SipReplaces(back.getReplaces()).getToTag(), "1");

  struct Case {
    const char* url;
    const char* written;
  } cases[] = {
      {"sip:c@h;transport=tcp", "Refer-To: <sip:c@h;transport=tcp>\r\n"},
      {"sip:c@h?subject=x", "Refer-To: <sip:c@h?subject=x>\r\n"},
      {"tel:+1234", "Refer-To: tel:+1234\r\n"},
  };
  for (const Case& c : cases) {
    SipReferTo to;
    ASSERT_TRUE(to.setUrl(url(c.url)));
    EXPECT_EQ(to.encode(), c.written);
  }
  // Only a SIP URL can embed headers.
  SipReferTo tel;
  ASSERT_TRUE(tel.setUrl(url("tel:+1234")));
  EXPECT_FALSE(tel.setReplaces(Data("x")));
}

TEST(SipNameAddrTest, MalformedAddressesKeepWhatCouldBeRead) {
  test::AssertWatch watch;
  struct Case {
    const char* text;
    const char* written;
  } cases[] = {
      {"\"Bob <sip:b@h>", "To: \"Bob\" <sip:b@h>\r\n"},          // unterminated quote
      {"<sip:b@h", "To: <sip:b@h>\r\n"},                          // no closing bracket
      {"<sip:b@h> junk;tag=1", "To: <sip:b@h>;tag=1\r\n"},        // text before the parameters
      {";tag=1", ""},                                              // no address
      {"sip:a>b", ""},                                             // a '>' a bracket would cut
      {"<>", ""},                                                  // an empty address
      {"<foo>", "To: <foo>\r\n"},                                  // a URL that cannot be read
  };
  for (const Case& c : cases) {
    SipTo to{Data(c.text)};
    EXPECT_EQ(to.encode(), c.written) << c.text;
    if (std::string line = to.encode().str(); !line.empty()) {
      EXPECT_EQ(SipTo(Data(line.substr(4, line.size() - 6))).encode(), c.written) << c.text;
    }
  }
  EXPECT_EQ(watch.raised(), 0);
}

}  // namespace
}  // namespace vx
