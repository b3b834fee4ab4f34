// Typed headers inside messages: the accessors, compact forms and normalisations, and the
// lenient reading of whole messages.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <tuple>

#include "sip/header/SipHeaderCatalogue.hpp"
#include "sip/message/SipCommand.hpp"
#include "sip/message/StatusMsg.hpp"
#include "tests/sip/SipTestSupport.hpp"

namespace vx {
namespace {

std::string fixture(const char* name) {
  std::ifstream file(std::string(VX_SIP_TEST_DATA) + "/" + name, std::ios::binary);
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

std::string withCrlf(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

Sptr<SipMsg> decode(const std::string& text) { return SipMsg::decode(Data(text)); }

std::string request(const std::string& headers) { return "INVITE sip:bob@h SIP/2.0\r\n" + headers + "\r\n"; }

// Reads every header of the message through its typed getter.
void readAllTyped(SipMsg& msg) {
  std::apply(
      [&](auto... classes) {
        auto read = [&](auto tag) {
          using H = decltype(tag);
          for (int i = 0; i < msg.count<H>(); ++i) ASSERT_TRUE(msg.get<H>(i));
        };
        (read(classes), ...);
      },
      SipHeaderClasses());
}

TEST(SipMsgHeadersTest, EveryHeaderOfAMessageIsReadAndWrittenInItsNormalForm) {
  test::AssertWatch watch;
  Sptr<SipMsg> msg = decode(withCrlf(fixture("every_header.sip")));
  ASSERT_TRUE(msg);
  readAllTyped(*msg);
  std::string expected = withCrlf(fixture("every_header.encoded.sip"));
  EXPECT_EQ(msg->encode().str(), expected);

  Sptr<SipMsg> again = decode(expected);
  ASSERT_TRUE(again);
  EXPECT_EQ(again->encode().str(), expected);  // raw
  readAllTyped(*again);
  EXPECT_EQ(again->encode().str(), expected);  // typed
  EXPECT_EQ(watch.raised(), 0);
}

TEST(SipMsgHeadersTest, CompactFormsAndOddlyWrittenNamesAreWrittenInFull) {
  struct Case {
    const char* line;
    const char* written;
  } cases[] = {
      {"v: SIP/2.0/UDP h", "Via: SIP/2.0/UDP h\r\n"},
      {"VIA: SIP/2.0/UDP h", "Via: SIP/2.0/UDP h\r\n"},
      {"Via : SIP/2.0/UDP h", "Via: SIP/2.0/UDP h\r\n"},
      {"via:SIP/2.0/UDP h", "Via: SIP/2.0/UDP h\r\n"},
      {"f: <sip:a@h>;tag=1", "From: <sip:a@h>;tag=1\r\n"},
      {"t: sip:b@h", "To: <sip:b@h>\r\n"},
      {"m: <sip:a@h>", "Contact: <sip:a@h>\r\n"},
      {"i: x@h", "Call-ID: x@h\r\n"},
      {"s: hi", "Subject: hi\r\n"},
      {"k: timer", "Supported: timer\r\n"},
      {"e: gzip", "Content-Encoding: gzip\r\n"},
      {"r: <sip:c@h>", "Refer-To: sip:c@h\r\n"},
      {"b: <sip:r@h>", "Referred-By: <sip:r@h>\r\n"},
      {"x: 90", "Session-Expires: 90\r\n"},
      {"CSEQ: 1 INVITE", "CSeq: 1 INVITE\r\n"},
      {"call-id: x", "Call-ID: x\r\n"},
      {"c: Application/SDP", "Content-Type: application/sdp\r\n"},
  };
  for (const Case& c : cases) {
    Sptr<SipMsg> msg = decode(request(std::string(c.line) + "\r\n"));
    ASSERT_TRUE(msg) << c.line;
    readAllTyped(*msg);
    std::string text = msg->encode().str();
    std::size_t start = text.find("\r\n") + 2;
    std::string lines = text.substr(start, text.find("Content-Length") - start);
    EXPECT_EQ(lines, c.written) << c.line;
  }
}

TEST(SipMsgHeadersTest, TypedAccessors) {
  Sptr<SipMsg> msg = decode(request("Via: SIP/2.0/UDP a;branch=z9hG4bK1, SIP/2.0/UDP b;branch=z9hG4bK2\r\n"));
  ASSERT_TRUE(msg);
  EXPECT_EQ(msg->count<SipVia>(), 2);
  EXPECT_EQ(msg->get<SipVia>(0)->getHost(), "a");
  EXPECT_EQ(msg->get<SipVia>(-1)->getHost(), "b");
  EXPECT_EQ(msg->get<SipVia>(1), msg->get<SipVia>(1));  // parsed once, then kept

  auto top = makeSptr<SipVia>(Data("SIP/2.0/TCP c;branch=z9hG4bK3"));
  msg->insert<SipVia>(0, top);
  msg->add<SipVia>(makeSptr<SipVia>(Data("SIP/2.0/UDP d")));
  EXPECT_EQ(msg->count<SipVia>(), 4);
  EXPECT_EQ(msg->get<SipVia>(0), top);
  msg->remove<SipVia>(1);
  EXPECT_EQ(msg->get<SipVia>(1)->getHost(), "b");
  msg->set<SipVia>(1, makeSptr<SipVia>(Data("SIP/2.0/UDP e")));
  EXPECT_EQ(msg->get<SipVia>(1)->getHost(), "e");
  msg->removeAll<SipVia>();
  EXPECT_EQ(msg->count<SipVia>(), 0);

  // A header that is not there is added empty, and writes nothing.
  Sptr<SipTo> to = msg->get<SipTo>();
  ASSERT_TRUE(to);
  EXPECT_FALSE(to->getUrl());
  EXPECT_EQ(msg->count<SipTo>(), 1);
  EXPECT_EQ(msg->encode().str().find("To:"), std::string::npos);
}

TEST(SipMsgHeadersTest, TypedGettersNeverReturnNullWhateverSitsInTheChain) {
  test::AssertWatch watch;
  Sptr<SipMsg> msg = decode(request("Subject: hi\r\n"));
  ASSERT_TRUE(msg);
  // A raw header set through the untyped calls is read as the class from its text.
  msg->appendHeader(SIP_CSEQ_HDR, makeSptr<SipRawValueHeader>(SIP_CSEQ_HDR, Data("CSeq"), Data("5 BYE")));
  Sptr<SipCSeq> cseq = msg->get<SipCSeq>();
  ASSERT_TRUE(cseq);
  EXPECT_EQ(cseq->getMethod(), "BYE");
  EXPECT_EQ(msg->get<SipCSeq>(), cseq);

  // A header of another class in the place is replaced by an empty one of the right class.
  msg->appendHeader(SIP_TO_HDR, makeSptr<SipFrom>(Data("<sip:a@h>")));
  ASSERT_TRUE(msg->get<SipTo>());

  // So is one parsed while another factory was installed.
  setSipHeaderFactory([](SipHeaderType, const Data&) -> Sptr<SipHeader> { return nullptr; });
  Sptr<SipHeader> raw = msg->getHeader(SIP_SUBJECT_HDR);
  setSipHeaderFactory(nullptr);
  EXPECT_TRUE(Sptr<SipRawValueHeader>::cast(raw));
  ASSERT_TRUE(msg->get<SipSubject>());
  EXPECT_EQ(msg->get<SipSubject>()->getValue(), "hi");
  EXPECT_EQ(watch.raised(), 0);
}

TEST(SipMsgHeadersTest, AResponseReturnsTheTopViaWithEveryParameterOfTheProxy) {
  Sptr<SipMsg> request = decode(
      ::vx::request("Via: SIP/2.0/UDP proxy.example;branch=z9hG4bKp;x-route=abc;keep;received=192.0.2.9\r\n"
                    "Via: SIP/2.0/UDP ua.example;branch=z9hG4bKu\r\n"));
  ASSERT_TRUE(request);
  auto response = makeSptr<StatusMsg>();
  response->setStatusCode(200);
  for (int i = 0; i < request->count<SipVia>(); ++i) {
    response->add<SipVia>(Sptr<SipVia>::cast(request->get<SipVia>(i)->duplicate()));
  }
  std::string text = response->encode().str();
  EXPECT_NE(text.find("Via: SIP/2.0/UDP proxy.example;received=192.0.2.9;branch=z9hG4bKp;x-route=abc;keep\r\n"
                      "Via: SIP/2.0/UDP ua.example;branch=z9hG4bKu\r\n"),
            std::string::npos)
      << text;
}

// Malformed values are logged, keep what could be read, never assert, and the message still
// writes itself to a fixed point.
TEST(SipMsgHeadersTest, MalformedValuesAreReadLeniently) {
  test::AssertWatch watch;
  const std::string headers =
      "Via: SIP/2.0\r\n"
      "Via: SIP/2.0/UDP h;ttl=999;=x;branch\r\n"
      "To: <sip:b@h\r\n"
      "From: \"unterminated <sip:a@h>;tag=1\r\n"
      "Contact: ;;;, <>, \"\\\r\n"
      "Call-ID: @\r\n"
      "CSeq: INVITE\r\n"
      "Max-Forwards: many\r\n"
      "Expires: ,\r\n"
      "Date: Mon, 99 Foo 1 1:2:3 XYZ\r\n"
      "Content-Type: ;charset=x\r\n"
      "Session-Expires: ;refresher\r\n"
      "Retry-After: (open\r\n"
      "Warning: x\r\n"
      "Refer-To: <sip:c@h?Replaces=%zz%4\r\n"
      "Replaces: ;=;to-tag\r\n"
      "WWW-Authenticate: Digest\r\n"
      "Authorization: Digest ,,,=,\"\r\n"
      "Subscription-State: ;expires\r\n"
      "Hide: everything\r\n";
  Sptr<SipMsg> msg = decode(request(headers));
  ASSERT_TRUE(msg);
  readAllTyped(*msg);
  EXPECT_EQ(msg->get<SipFrom>()->getTag(), "1");
  EXPECT_EQ(msg->get<SipTo>()->getUrl()->encode(), "sip:b@h");
  EXPECT_EQ(msg->get<SipMaxForwards>()->get(), SipMaxForwards::kDefault);
  EXPECT_EQ(msg->get<SipVia>(1)->getHost(), "h");
  std::string once = msg->encode().str();
  Sptr<SipMsg> again = decode(once);
  ASSERT_TRUE(again);
  readAllTyped(*again);
  EXPECT_EQ(again->encode().str(), once);
  EXPECT_EQ(watch.raised(), 0);
}

}  // namespace
}  // namespace vx
