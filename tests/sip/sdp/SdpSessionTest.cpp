// Session descriptions: the lines each form decodes to, what a bad line costs (the line, the
// media description or the whole decode), and the exact text written back.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "sip/sdp/SdpSession.hpp"

namespace vx {
namespace {

constexpr const char* kHead = "v=0\no=- 1 2 IN IP4 192.0.2.1\ns=call\n";

std::string crlf(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

struct RoundTripCase {
  const char* name;
  const char* body;      // after kHead, LF line ends
  bool decodes;
  const char* expected;  // the body written back (CRLF added); nullptr: the same as given
};

constexpr RoundTripCase kRoundTrips[] = {
    {"multicast with ttl and count", "c=IN IP4 224.2.1.1/127/3\nt=0 0\n", true, nullptr},
    {"ttl out of range is not kept", "c=IN IP4 224.2.1.1/300\nt=0 0\n", true, "c=IN IP4 224.2.1.1\nt=0 0\n"},
    {"no count without a ttl", "c=IN IP4 224.2.1.1/300/8000\nt=0 0\n", true, "c=IN IP4 224.2.1.1\nt=0 0\n"},
    {"port count and formats", "t=0 0\nm=audio 49170/2 RTP/AVP 0 8 101\n", true, nullptr},
    {"rtpmap without channels", "t=0 0\nm=audio 5004 RTP/AVP 101\na=rtpmap:101 telephone-event/8000\n", true,
     nullptr},
    {"rtpmap with one channel drops it", "t=0 0\nm=audio 5004 RTP/AVP 0\na=rtpmap:0 PCMU/8000/1\n", true,
     "t=0 0\nm=audio 5004 RTP/AVP 0\na=rtpmap:0 PCMU/8000\n"},
    {"rtpmap with two channels", "t=0 0\nm=audio 5004 RTP/AVP 96\na=rtpmap:96 opus/48000/2\n", true, nullptr},
    {"rtpmap with an empty name keeps it empty", "t=0 0\nm=audio 5004 RTP/AVP 10\na=rtpmap:10 /0\n", true, nullptr},
    {"property attribute kept only for a direction", "t=0 0\na=ptime\na=sendonly\n", true, "t=0 0\na=sendonly\n"},
    {"only the first direction is written", "t=0 0\na=inactive\na=recvonly\n", true, "t=0 0\na=recvonly\n"},
    {"media attributes in their fixed order",
     "t=0 0\nm=audio 5004 RTP/AVP 0\na=sendrecv\na=fmtp:101 0-15\na=rtpmap:0 PCMU/8000\na=rtcp:5005 IN IP4 "
     "192.0.2.9\n",
     true,
     "t=0 0\nm=audio 5004 RTP/AVP 0\na=rtcp:5005 IN IP4 192.0.2.9\na=rtpmap:0 PCMU/8000\na=sendrecv\n"
     "a=fmtp:101 0-15\n"},
    {"connection role and private address",
     "t=0 0\nm=image 5006 udptl t38\na=direction:active IN IP4 192.0.2.3:7000\na=x-private:IN IP4 10.0.0.1:9\n",
     true,
     "t=0 0\nm=image 5006 udptl t38\na=direction:active IN IP4 192.0.2.3:7000\na=x-private: IN IP4 10.0.0.1:9\n"},
    {"x-private without an address is written back bare", "t=0 0\nm=image 5006 udptl t38\na=x-private:IN IP4\n",
     true, "t=0 0\nm=image 5006 udptl t38\na=x-private:\n"},
    {"a value holding colons is kept whole", "t=0 0\na=fingerprint:sha-1 4A:AD:B9\n", true, nullptr},
    {"unknown media type and transport keep their text", "t=0 0\nm=application 9 UDP/TLS/RTP/SAVPF 100\n", true,
     nullptr},
    {"bad session bandwidth loses only that line", "b=TIAS:64000\nb=AS:64\nt=0 0\nm=audio 5004 RTP/AVP 0\n", true,
     "b=AS:64\nt=0 0\nm=audio 5004 RTP/AVP 0\n"},
    {"bad session key loses only that line", "t=0 0\nk=bogus:x\n", true, "t=0 0\n"},
    {"keys of each method", "t=0 0\nk=uri:http://keys.example.com/k\nm=audio 5004 RTP/AVP 0\nk=base64:AbC=\n",
     true, nullptr},
    {"prompt key drops a value", "t=0 0\nk=prompt:x\n", true, "t=0 0\nk=prompt\n"},
    {"time with repeats and zone adjustments", "t=3034423619 3042462419\nr=604800 3600 0 90000\nz=2882844526 -1h\n",
     true, nullptr},
    {"time with the wrong field count is dropped", "t=1 2 3\nt=5 6\nr=7\nt=0 0\n", true, "t=0 0\n"},
    {"two-field m line drops that media only", "t=0 0\nm=audio 0\nc=IN IP4 1.2.3.4\nm=video 5006 RTP/AVP 31\n",
     true, "t=0 0\nm=video 5006 RTP/AVP 31\n"},
    {"unknown line in media drops that media only", "t=0 0\nm=audio 5004 RTP/AVP 0\nx=1\nm=video 5006 RTP/AVP 31\n",
     true, "t=0 0\nm=video 5006 RTP/AVP 31\n"},
    {"session IP6 connection fails", "c=IN IP6 ::1\nt=0 0\n", false, ""},
    {"media IP6 connection fails", "t=0 0\nm=audio 5004 RTP/AVP 0\nc=IN IP6 ::1\n", false, ""},
    {"single-field rtpmap fails", "t=0 0\nm=audio 5004 RTP/AVP 0\na=rtpmap:0\n", false, ""},
    {"bad media bandwidth fails", "t=0 0\nm=audio 5004 RTP/AVP 0\nb=TIAS:64000\n", false, ""},
};

TEST(SdpSessionTest, LinesDecodeAndEncodeBackInTheirFixedOrder) {
  for (const RoundTripCase& c : kRoundTrips) {
    SCOPED_TRACE(c.name);
    SdpSession session;
    ASSERT_EQ(session.decode(std::string(kHead) + c.body), c.decodes);
    std::string expected = c.decodes ? crlf(std::string(kHead) + (c.expected ? c.expected : c.body)) : "";
    EXPECT_EQ(session.encode(), expected);
  }
}

TEST(SdpSessionTest, LfOnlyDecodesLikeCrlf) {
  std::string text = std::string(kHead) + "c=IN IP4 192.0.2.1\nt=0 0\nm=audio 5004 RTP/AVP 0\na=sendrecv\n";
  SdpSession lf;
  SdpSession withCr;
  ASSERT_TRUE(lf.decode(text));
  ASSERT_TRUE(withCr.decode(crlf(text)));
  EXPECT_EQ(lf.encode(), withCr.encode());
  EXPECT_EQ(lf.encode(), crlf(text));
}

TEST(SdpSessionTest, Rfc4566ExampleRoundTripsByteForByte) {
  std::ifstream file(std::string(VX_SDP_TEST_DATA) + "/rfc4566_example.sdp", std::ios::binary);
  std::stringstream text;
  text << file.rdbuf();
  ASSERT_FALSE(text.str().empty());
  SdpSession session;
  ASSERT_TRUE(session.decode(text.str()));
  EXPECT_EQ(session.encode(), text.str());
  ASSERT_EQ(session.getMedia().size(), 2u);
  EXPECT_EQ(session.getMedia()[1].getAttributes().getRtpMaps()[0].encodingName, "h263-1998");
  ASSERT_TRUE(session.getConnection() && session.getConnection()->isMulticast());
  EXPECT_EQ(session.getConnection()->getMulticast()->ttl, 127u);
}

struct OriginCase {
  const char* idText;
  std::uint32_t id;
  const char* written;
};

// Session ids are unsigned 32-bit: the full range survives and longer numbers wrap.
constexpr OriginCase kOrigins[] = {
    {"3000000000", 3000000000u, "3000000000"},
    {"4294967295", 4294967295u, "4294967295"},
    {"4294967301", 5u, "5"},
    {"99999999999999999999", 1661992959u, "1661992959"},
    {"-1", 4294967295u, "4294967295"},
};

TEST(SdpSessionTest, SessionIdsAreUnsignedAndWrap) {
  for (const OriginCase& c : kOrigins) {
    SCOPED_TRACE(c.idText);
    SdpSession session;
    ASSERT_TRUE(session.decode(std::string("v=0\no=- ") + c.idText + " 7 IN IP4 192.0.2.1\ns=-\nt=0 0\n"));
    EXPECT_EQ(session.getSessionId(), c.id);
    EXPECT_EQ(session.encode(), crlf(std::string("v=0\no=- ") + c.written + " 7 IN IP4 192.0.2.1\ns=-\nt=0 0\n"));
  }
}

TEST(SdpSessionTest, FieldsReadFromMediaAndAttributes) {
  SdpSession session;
  ASSERT_TRUE(session.decode(std::string(kHead) +
                             "t=0 0\nm=audio 49170/2 RTP/AVP 0 8 101\na=fmtp:101 0-15\na=sendonly\n"
                             "a=rtpmap:101 telephone-event/8000\n"));
  const SdpMedia& media = session.getMedia().at(0);
  EXPECT_EQ(media.getMediaType(), SdpMediaType::Audio);
  EXPECT_EQ(media.getPort(), 49170);
  EXPECT_EQ(media.getNumberOfPorts(), 2u);
  EXPECT_EQ(media.getTransport(), SdpTransport::RtpAvp);
  EXPECT_EQ(media.getFormats(), (std::vector<std::string>{"0", "8", "101"}));
  ASSERT_EQ(media.getAttributes().getValueAttributes().size(), 1u);
  EXPECT_EQ(media.getAttributes().getValueAttributes()[0].name, "fmtp");
  EXPECT_EQ(media.getAttributes().getValueAttributes()[0].value, "101 0-15");
  EXPECT_TRUE(media.getAttributes().isSendonly());
  EXPECT_EQ(media.getAttributes().getRtpMaps().at(0).channels, 0u);
}

TEST(SdpSessionTest, LongFieldsAreKeptWhole) {
  std::string address(300, 'h');
  std::string value(1000, 'v');
  std::string encoding(400, 'e');
  std::string text = std::string(kHead) + "c=IN IP4 " + address + "\nt=0 0\na=x:" + value +
                     "\nm=audio 5004 RTP/AVP 96\na=rtpmap:96 " + encoding + "/8000\n";
  SdpSession session;
  ASSERT_TRUE(session.decode(text));
  EXPECT_EQ(session.encode(), crlf(text));
}

struct FailureCase {
  const char* name;
  const char* text;
};

constexpr FailureCase kFailures[] = {
    {"empty", ""},
    {"too few lines", "v=0\ns=x\n"},
    {"empty lines do not count", "v=0\n\n\ns=x\n"},
    {"no version first", "o=- 1 1 IN IP4 1.2.3.4\nv=0\ns=x\n"},
    {"other version", "v=1\no=- 1 1 IN IP4 1.2.3.4\ns=x\n"},
};

TEST(SdpSessionTest, UnusableTextLeavesTheSessionInvalid) {
  for (const FailureCase& c : kFailures) {
    SCOPED_TRACE(c.name);
    SdpSession session;
    session.setValid(true);
    EXPECT_FALSE(session.decode(std::string(c.text)));
    EXPECT_FALSE(session.isValid());
    EXPECT_EQ(session.encode(), "");
  }
}

TEST(SdpSessionTest, MissingSessionNameIsStillWrittenAndNewSessionsHaveDefaults) {
  SdpSession session;
  ASSERT_TRUE(session.decode(std::string("v=0\no=- 1 1 IN IP4 192.0.2.1\nt=0 0\n")));
  EXPECT_EQ(session.encode(), crlf("v=0\no=- 1 1 IN IP4 192.0.2.1\ns=\nt=0 0\n"));

  SdpSession fresh;
  EXPECT_EQ(fresh.encode(), "");
  fresh.setValid(true);
  ASSERT_EQ(fresh.getTimes().size(), 1u);
  EXPECT_EQ(fresh.getTimes()[0].start, std::to_string(fresh.getSessionId()));
  // Seconds since 1900 are past 2^31 today: the id must not be read as negative.
  EXPECT_GT(fresh.getSessionId(), 2208988800u - 1);
  std::string expected = "v=0\r\no=- " + std::to_string(fresh.getSessionId()) + " " +
                         std::to_string(fresh.getSessionId()) + " IN IP4 0.0.0.0\r\ns=\r\nt=" +
                         fresh.getTimes()[0].start + " 0\r\n";
  EXPECT_EQ(fresh.encode(), expected);
}

TEST(SdpSessionTest, LineClassesDecodeAndRefuseOnTheirOwn) {
  SdpConnection connection;
  EXPECT_FALSE(connection.decode("IN IP6 ::1"));
  EXPECT_FALSE(connection.decode("ATM IP4 1.2.3.4"));
  EXPECT_FALSE(connection.decode(""));
  EXPECT_TRUE(connection.decode("IN IP4 1.2.3.4"));
  EXPECT_EQ(connection.encode(), "IN IP4 1.2.3.4");
  SdpBandwidth bandwidth;
  EXPECT_FALSE(bandwidth.decode("AS"));
  EXPECT_FALSE(bandwidth.decode("XX:1"));
  EXPECT_TRUE(bandwidth.decode("CT:4294967295"));
  EXPECT_EQ(bandwidth.encode(), "CT:4294967295");
  SdpEncryptkey key;
  EXPECT_FALSE(key.decode("clear"));
  EXPECT_FALSE(key.decode("clear:a:b"));
  EXPECT_TRUE(key.decode("uri"));
  EXPECT_EQ(key.encode(), "uri:");
}

}  // namespace
}  // namespace vx
