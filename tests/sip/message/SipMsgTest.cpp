#include "sip/message/SipMsg.hpp"

#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <sstream>
#include <string>

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

constexpr const char* kFixtures[] = {"invite.sip", "ringing.sip", "compact_folded.sip", "notify_pidf.sip",
                                     "trailing_bytes.sip"};

Sptr<SipMsg> decode(const std::string& text, const SipMsgLimits& limits = SipMsgLimits()) {
  return SipMsg::decode(Data(text), limits);
}

std::string encode(const Sptr<SipMsg>& msg) { return msg->encode().str(); }

std::string request(const std::string& headers, const std::string& body = "") {
  return "INVITE sip:bob@h SIP/2.0\r\n" + headers + "\r\n" + body;
}

// What the message says between its start line and its Content-Length line.
std::string headerLines(const Sptr<SipMsg>& msg) {
  std::string text = encode(msg);
  std::size_t start = text.find("\r\n") + 2;
  return text.substr(start, text.find("\r\n\r\n") + 2 - start);
}

TEST(SipMsgTest, StartLinesThatMakeAMessageAndThoseThatDoNot) {
  struct Case {
    std::string text;
    bool decodes;
    SipMethodType type;
  } cases[] = {
      {"\r\n\r\n \tINVITE sip:a@h SIP/2.0\r\n\r\n", true, SIP_INVITE},
      {"invite sip:a@h SIP/2.0\r\n\r\n", true, SIP_INVITE},
      {"REGISTER sip:h SIP/3.0\r\n\r\n", true, SIP_REGISTER},
      {"FOO sip:h SIP/2.0\r\n\r\n", true, SIP_UNKNOWN},
      {"INVITE\tsip:a@h SIP/2.0\r\n\r\n", true, SIP_INVITE},
      {"SIP/2.0 200 OK\r\n\r\n", true, SIP_STATUS},
      {"REGISTER sip:h HTTP/1.1\r\n\r\n", false, SIP_UNKNOWN},
      {"sip/2.0 200 OK\r\n\r\n", false, SIP_UNKNOWN},
      {"INVITE  sip:a@h SIP/2.0\r\n\r\n", false, SIP_UNKNOWN},
      {"INVITE sip:a@h\r\n\r\n", false, SIP_UNKNOWN},
      {"INVITE sip:a@h SIP/2.0", false, SIP_UNKNOWN},  // no LF at all
      {"", false, SIP_UNKNOWN},
      {" \r\n\t", false, SIP_UNKNOWN},
  };
  for (const Case& c : cases) {
    Sptr<SipMsg> msg = decode(c.text);
    EXPECT_EQ(static_cast<bool>(msg), c.decodes) << c.text;
    if (msg) {
      EXPECT_EQ(msg->getType(), c.type) << c.text;
    }
  }
}

TEST(SipMsgTest, RequestLineKeepsMethodTextUriAndVersion) {
  auto msg = Sptr<SipCommand>::cast(decode("invite\tsip:bob@h;lr SIP/2.0\r\n\r\n"));
  ASSERT_TRUE(msg);
  EXPECT_EQ(msg->getMethodText(), "invite");
  ASSERT_TRUE(msg->getRequestUri());
  EXPECT_EQ(msg->getRequestUri()->getType(), SIP_URL);
  EXPECT_TRUE(msg->getRequestUri()->isLooseRouterPresent());
  EXPECT_EQ(msg->getProtocol(), "SIP");
  EXPECT_EQ(msg->getVersion(), "2.0");
  EXPECT_EQ(encode(msg).substr(0, 30), "invite sip:bob@h;lr SIP/2.0\r\nC");
}

TEST(SipMsgTest, StatusLine) {
  struct Case {
    const char* text;
    int code;
    const char* phrase;
  } cases[] = {
      {"SIP/2.0 200 OK\r\n\r\n", 200, "OK"},
      {"SIP/2.0 486 Busy  Here \r\n\r\n", 486, "Busy  Here "},
      {"SIP/2.0 180 \r\n\r\n", 180, ""},
      {"SIP/2.0 200\r\n\r\n", 0, ""},               // no blank after the code: the code is not read
      {"SIP/2.0 4294967301 Odd\r\n\r\n", 0, "Odd"},  // 2^32 + 5 is overflow, not 5
  };
  for (const Case& c : cases) {
    auto msg = Sptr<StatusMsg>::cast(decode(c.text));
    ASSERT_TRUE(msg) << c.text;
    EXPECT_EQ(msg->getStatusCode(), c.code) << c.text;
    EXPECT_EQ(msg->getReasonPhrase(), c.phrase) << c.text;
  }
}

TEST(SipMsgTest, SettingAStatusCodeSetsThePhraseOfItsCodeOrClass) {
  struct Case {
    int code;
    const char* phrase;
  } cases[] = {{100, "Trying"}, {183, "Session Progress"}, {481, "Call/Transaction Does Not Exist"},
               {489, "Bad Request"}, {299, "OK"}, {606, "Not Acceptable"}, {699, "Busy Everywhere"},
               {700, ""}, {99, ""}, {-1, ""}};
  for (const Case& c : cases) {
    StatusMsg msg;
    msg.setStatusCode(c.code);
    EXPECT_EQ(msg.getReasonPhrase(), c.phrase) << c.code;
  }
}

TEST(SipMsgTest, HeaderNamesInAnySpellingAreOneType) {
  Sptr<SipMsg> msg = decode(request("v: SIP/2.0/UDP a\r\nVIA: SIP/2.0/UDP b\r\nVia : SIP/2.0/UDP c\r\n"));
  ASSERT_TRUE(msg);
  ASSERT_EQ(msg->getNumHeaders(SIP_VIA_HDR), 3);
  EXPECT_EQ(msg->getRawHeaders(SIP_VIA_HDR)[2].value, "SIP/2.0/UDP c");
  EXPECT_EQ(headerLines(msg), "Via: SIP/2.0/UDP a\r\nVia: SIP/2.0/UDP b\r\nVia: SIP/2.0/UDP c\r\nContent-Length: 0\r\n");
}

TEST(SipMsgTest, ListsAreSplitAndWrittenAsTheirTypeWants) {
  Sptr<SipMsg> msg = decode(request(
      "Route: <sip:a;lr>, <sip:b;lr>\r\n"
      "Via: SIP/2.0/UDP a, SIP/2.0/UDP b\r\n"
      "Contact: \"Doe, J\" <sip:j@h;x=a,b>;q=0.5, <sip:k@h>\r\n"
      "Allow: INVITE,, ACK ,\r\n"));
  ASSERT_TRUE(msg);
  EXPECT_EQ(msg->getNumHeaders(SIP_ROUTE_HDR), 2);
  EXPECT_EQ(msg->getNumHeaders(SIP_VIA_HDR), 2);
  ASSERT_EQ(msg->getNumHeaders(SIP_CONTACT_HDR), 2);
  EXPECT_EQ(msg->getRawHeaders(SIP_CONTACT_HDR)[0].value, "\"Doe, J\" <sip:j@h;x=a,b>;q=0.5");
  EXPECT_EQ(msg->getRawHeaders(SIP_CONTACT_HDR)[1].value, "<sip:k@h>");
  EXPECT_EQ(headerLines(msg),
            "Via: SIP/2.0/UDP a\r\nVia: SIP/2.0/UDP b\r\n"
            "Route: <sip:a;lr>,<sip:b;lr>\r\n"
            "Contact: \"Doe, J\" <sip:j@h;x=a,b>;q=0.5\r\nContact: <sip:k@h>\r\n"
            "Allow: INVITE,ACK\r\n"
            "Content-Length: 0\r\n");
}

TEST(SipMsgTest, UnknownAndNamelessHeadersPassThroughAfterTheKnownOnes) {
  test::AssertWatch watch;
  Sptr<SipMsg> msg = decode(request("X-Foo: bar\r\nCall-Leg: forged\r\n: no name\r\nTo: <sip:b@h>\r\n"));
  ASSERT_TRUE(msg);
  EXPECT_EQ(msg->getNumHeaders(SIP_CALL_LEG_HDR), 0);
  EXPECT_EQ(msg->getNumHeaders(SIP_GENERIC_PARAMETER_HDR), 0);
  EXPECT_EQ(msg->getNumHeaders(SIP_UNKNOWN_HDR), 3);
  for (int i = 0; i < msg->getNumHeaders(SIP_UNKNOWN_HDR); ++i) EXPECT_TRUE(msg->getHeader(SIP_UNKNOWN_HDR, i));
  EXPECT_EQ(headerLines(msg), "To: <sip:b@h>\r\nContent-Length: 0\r\nX-Foo: bar\r\nCall-Leg: forged\r\n: no name\r\n");
  EXPECT_EQ(watch.raised(), 0);
}

TEST(SipMsgTest, ReadingAMissingHeaderAddsAnEmptyOne) {
  Sptr<SipMsg> msg = decode(request("Alert-Info: <http://h/ring>\r\n"));
  ASSERT_TRUE(msg);
  EXPECT_TRUE(msg->getHeader(SIP_ROUTE_HDR, 0));
  EXPECT_TRUE(msg->getHeader(SIP_ALLOW_HDR, 0));
  EXPECT_TRUE(msg->getHeader(SIP_TO_HDR, 0));
  EXPECT_TRUE(msg->getHeader(SIP_CONTACT_HDR, 2));
  EXPECT_EQ(msg->getNumHeaders(SIP_CONTACT_HDR), 3);
  // An empty Allow line is legal and stays; an empty Route line is not and goes, as does an
  // empty To; Content-Length comes before Alert-Info.
  EXPECT_EQ(headerLines(msg), "Allow: \r\nContent-Length: 0\r\nAlert-Info: <http://h/ring>\r\n");
}

TEST(SipMsgTest, CombinedLinesWithoutAnyValueAreWrittenOnlyWhereTheGrammarAllowsIt) {
  struct Case {
    const char* header;
    const char* written;
  } cases[] = {
      {"Route: ,\r\n", ""},
      {"Record-Route: ,\r\n", ""},
      {"Require: ,\r\n", ""},
      {"Proxy-Require: ,\r\n", ""},
      {"Content-Encoding: ,\r\n", ""},
      {"Content-Language: ,\r\n", ""},
      {"Allow: ,\r\n", "Allow: \r\n"},
      {"Supported: ,\r\n", "Supported: \r\n"},
      {"Accept: ,\r\n", "Accept: \r\n"},
      {"Accept-Encoding: ,\r\n", "Accept-Encoding: \r\n"},
      {"Accept-Language: ,\r\n", "Accept-Language: \r\n"},
  };
  for (const Case& c : cases) {
    Sptr<SipMsg> msg = decode(request(c.header));
    ASSERT_TRUE(msg) << c.header;
    EXPECT_EQ(headerLines(msg), std::string(c.written) + "Content-Length: 0\r\n") << c.header;
  }
}

TEST(SipMsgTest, ContentLengthCutsALongerBodyAndIsAlwaysWrittenFromTheBody) {
  Sptr<SipMsg> msg = decode(fixture("trailing_bytes.sip"));
  ASSERT_TRUE(msg);
  EXPECT_EQ(msg->getBody(), "hello");

  Sptr<SipMsg> shorter = decode(request("Content-Length: 50\r\n", "only this"));
  ASSERT_TRUE(shorter);
  EXPECT_EQ(shorter->getBody(), "only this");
  EXPECT_NE(encode(shorter).find("Content-Length: 9\r\n\r\nonly this"), std::string::npos);

  Sptr<SipMsg> garbage = decode(request("Content-Length: 1x\r\nl: 2\r\n", "abc"));
  ASSERT_TRUE(garbage);
  EXPECT_EQ(garbage->getBody(), "abc");  // the first Content-Length is not a number: nothing to cut by

  shorter->setBody(Data("new"));
  EXPECT_NE(encode(shorter).find("Content-Length: 3\r\n\r\nnew"), std::string::npos);
}

TEST(SipMsgTest, BodiesAreNeverUnfolded) {
  std::string pidf = fixture("notify_pidf.sip");
  Sptr<SipMsg> msg = decode(pidf);
  ASSERT_TRUE(msg);
  EXPECT_EQ(msg->getBody(), pidf.substr(pidf.find("\r\n\r\n") + 4));

  Sptr<SipMsg> leading = decode(request("Content-Length: 7\r\n", "\t a\r\n b"));
  ASSERT_TRUE(leading);
  EXPECT_EQ(leading->getBody(), "\t a\r\n b");
}

TEST(SipMsgTest, FoldedHeadersAreJoined) {
  Sptr<SipMsg> msg = decode(fixture("compact_folded.sip"));
  ASSERT_TRUE(msg);
  ASSERT_EQ(msg->getNumHeaders(SIP_SUBJECT_HDR), 1);
  EXPECT_EQ(msg->getRawHeaders(SIP_SUBJECT_HDR)[0].value, "a subject that goes on\tand on");
  EXPECT_EQ(msg->getBody(), "Watson, come here.");
  EXPECT_EQ(msg->getNumHeaders(SIP_CONTENT_TYPE_HDR), 1);
}

TEST(SipMsgTest, ALineWithoutNameEndsTheHeadersAndTheRestIsBody) {
  Sptr<SipMsg> msg = decode(request("To: <sip:b@h>\r\ngarbage\r\nFrom: <sip:a@h>\r\n", "body"));
  ASSERT_TRUE(msg);
  EXPECT_EQ(msg->getNumHeaders(SIP_TO_HDR), 1);
  EXPECT_EQ(msg->getNumHeaders(SIP_FROM_HDR), 0);
  EXPECT_EQ(msg->getBody(), "From: <sip:a@h>\r\n\r\nbody");
}

TEST(SipMsgTest, EncodingIsAFixedPointAfterOnePass) {
  std::vector<std::string> texts;
  for (const char* name : kFixtures) texts.push_back(fixture(name));
  texts.insert(texts.end(), {
      request("Allow: ,\r\nRoute: <a> , <b>\r\nX: \r\nVia: a , b\r\n"),
      "SIP/2.0 200\r\nVia: x\r\n\r\n",
      "SIP/2.0\t200 OK\r\n\r\n",
      "INVITE sip:a@h SIP/2.0\r\nVia: x",
      "INVITE sip:a@h SIP/2.0 extra\r\n x: y\r\n\r\n",
      "INVITE sip:+1@gw;isub=7;user=phone?h SIP/2.0\r\n\r\n",
      "INVITE sip:a@h SIP/2.0\r\nA: a\n b\r\nB: c\r\n\r\n",
      request("To: x\r\nbad line\r\nFrom: y\r\n", "z"),
      request("Contact: \"unterminated, <sip:a@h>\r\n"),
      request("Contact: a, :q>\r\nRoute: ,:r, \t s\r\n"),  // list elements read back as their own lines
      request("Allow: A, \"open\r\nAllow: B, C\r\nRoute: <sip:x\r\nRoute: <sip:y>\r\n"),
  });
  for (const std::string& text : texts) {
    Sptr<SipMsg> first = decode(text);
    ASSERT_TRUE(first) << text;
    std::string once = encode(first);
    Sptr<SipMsg> second = decode(once);
    ASSERT_TRUE(second) << once;
    EXPECT_EQ(encode(second), once) << text;
  }
}

TEST(SipMsgTest, MessagesPastALimitAreRefusedWhole) {
  std::string big = request("X-Pad: " + std::string(kMaxMessageBytes, 'a') + "\r\n");
  EXPECT_FALSE(decode(big));
  SipMsgLimits roomy;
  roomy.maxMessageBytes = 2 * kMaxMessageBytes;
  EXPECT_TRUE(decode(big, roomy));

  std::string list = "Route: <sip:p>";
  for (std::size_t i = 0; i < kMaxHeaderValues; ++i) list += ",<sip:p>";
  EXPECT_FALSE(decode(request(list + "\r\n")));
  SipMsgLimits many;
  many.maxHeaderValues = kMaxHeaderValues + 1;
  Sptr<SipMsg> msg = decode(request(list + "\r\n"), many);
  ASSERT_TRUE(msg);
  EXPECT_EQ(msg->getNumHeaders(SIP_ROUTE_HDR), static_cast<int>(kMaxHeaderValues + 1));
}

// A stand-in for the header catalogue: counts parses and marks what it made.
int gParses = 0;
Sptr<SipHeader> countingFactory(SipHeaderType type, const Data& value) {
  ++gParses;
  if (type != SIP_SUBJECT_HDR) return nullptr;
  return makeSptr<SipRawValueHeader>(type, Data("Subject"), Data("parsed ") + value);
}

TEST(SipMsgTest, HeadersAreParsedOnFirstReadThroughTheInstalledFactory) {
  setSipHeaderFactory(&countingFactory);
  gParses = 0;
  Sptr<SipMsg> msg = decode(request("Subject: hi\r\nX-A: 1\r\n"));
  ASSERT_TRUE(msg);
  EXPECT_EQ(gParses, 0);
  Sptr<SipHeader> subject = msg->getHeader(SIP_SUBJECT_HDR, 0);
  EXPECT_EQ(msg->getHeader(SIP_SUBJECT_HDR, -1), subject);
  EXPECT_EQ(gParses, 1);
  Sptr<SipHeader> unknown = msg->getHeader(SIP_UNKNOWN_HDR, 0);
  ASSERT_TRUE(unknown);  // the factory keeps it raw: still never null
  EXPECT_EQ(unknown->encode(), "X-A: 1\r\n");
  EXPECT_NE(encode(msg).find("Subject: parsed hi\r\n"), std::string::npos);
  setSipHeaderFactory(nullptr);
}

TEST(SipMsgTest, EditingChainsOutsideTheirScopeAssertsAndChangesNothing) {
  test::AssertWatch watch;
  Sptr<SipMsg> msg = decode(request("Via: a\r\n"));
  ASSERT_TRUE(msg);
  auto via = makeSptr<SipRawValueHeader>(SIP_VIA_HDR, Data("Via"), Data("b"));
  msg->insertHeader(SIP_VIA_HDR, 3, via);
  msg->removeHeader(SIP_VIA_HDR, 1);
  EXPECT_EQ(watch.raised(), 2);
  EXPECT_EQ(msg->getNumHeaders(SIP_VIA_HDR), 1);
  msg->insertHeader(SIP_VIA_HDR, 0, via);
  msg->appendHeader(SIP_UNKNOWN_HDR, makeSptr<SipRawValueHeader>(SIP_UNKNOWN_HDR, Data("X-New"), Data("v")));
  EXPECT_EQ(headerLines(msg), "Via: b\r\nVia: a\r\nContent-Length: 0\r\nX-New: v\r\n");
  msg->removeAllHeaders(SIP_VIA_HDR);
  EXPECT_EQ(msg->getNumHeaders(SIP_VIA_HDR), 0);
  EXPECT_EQ(watch.raised(), 2);
}

// Keeps every header raw while it lives, so a test sees the framing alone.
Sptr<SipHeader> keepRaw(SipHeaderType, const Data&) { return nullptr; }
struct RawHeadersOnly {
  RawHeadersOnly() { setSipHeaderFactory(&keepRaw); }
  ~RawHeadersOnly() { setSipHeaderFactory(nullptr); }
};

TEST(SipMsgTest, DuplicateIsDeepAndForgetsWhereTheOriginalCameFrom) {
  RawHeadersOnly raw;
  Sptr<SipMsg> msg = decode(fixture("invite.sip"));
  ASSERT_TRUE(msg);
  msg->setReceivedFrom(Data("192.0.2.1"), Data("5060"));
  msg->setAccountIndex(1);
  auto callId = Sptr<SipRawValueHeader>::cast(msg->getHeader(SIP_CALL_ID_HDR, 0));
  ASSERT_TRUE(callId);
  std::string before = encode(msg);
  Sptr<SipMsg> copy = msg->duplicate();
  callId->setValue(Data("changed"));
  EXPECT_EQ(copy->getType(), SIP_INVITE);
  EXPECT_EQ(copy->getAccountIndex(), 1);
  EXPECT_TRUE(copy->getReceivedFromHost().empty());
  EXPECT_EQ(encode(copy), before);
  EXPECT_NE(encode(msg), before);
}

TEST(SipMsgTest, ExpectsReply) {
  EXPECT_TRUE(decode(request(""))->expectsReply());
  EXPECT_FALSE(decode("ACK sip:a@h SIP/2.0\r\n\r\n")->expectsReply());
  EXPECT_TRUE(decode("SIP/2.0 200 OK\r\nCSeq: 1 INVITE\r\n\r\n")->expectsReply());
  EXPECT_FALSE(decode("SIP/2.0 180 Ringing\r\nCSeq: 1 INVITE\r\n\r\n")->expectsReply());
  EXPECT_FALSE(decode("SIP/2.0 200 OK\r\nCSeq: 2 BYE\r\n\r\n")->expectsReply());
}

// Hostile input: random bytes and mangled real messages never crash, never assert, and any
// message they make encodes to a fixed point.
TEST(SipMsgTest, RandomAndMangledInputIsHandledQuietly) {
  test::AssertWatch watch;
  std::mt19937 random(20240611);
  std::vector<std::string> seeds;
  for (const char* name : kFixtures) seeds.push_back(fixture(name));
  const std::string alphabet = " \t\r\n:;,<>\"\\@=/%";
  for (int round = 0; round < 3000; ++round) {
    std::string text = seeds[round % seeds.size()];
    int edits = 1 + static_cast<int>(random() % 8);
    for (int e = 0; e < edits && !text.empty(); ++e) {
      std::size_t at = random() % text.size();
      switch (random() % 4) {
        case 0: text[at] = static_cast<char>(random() & 0xFF); break;
        case 1: text[at] = alphabet[random() % alphabet.size()]; break;
        case 2: text.erase(at, 1 + random() % 16); break;
        default: text.insert(at, text.substr(random() % text.size(), 1 + random() % 32)); break;
      }
    }
    if (round % 10 == 0) {
      text.assign(1 + random() % 600, '\0');
      for (char& c : text) c = static_cast<char>(random() & 0xFF);
    }
    Sptr<SipMsg> msg = decode(text);
    if (!msg) continue;
    for (int type = 0; type < kSipHeaderTypeCount; ++type) {
      auto t = static_cast<SipHeaderType>(type);
      for (int i = 0; i < msg->getNumHeaders(t); ++i) ASSERT_TRUE(msg->getHeader(t, i));
    }
    std::string once = encode(msg);
    Sptr<SipMsg> again = decode(once);
    ASSERT_TRUE(again) << once;
    ASSERT_EQ(encode(again), once) << text;
  }
  EXPECT_EQ(watch.raised(), 0);
}

}  // namespace
}  // namespace vx
