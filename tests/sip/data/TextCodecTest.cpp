#include "sip/data/TextCodec.hpp"

#include <gtest/gtest.h>

#include "tests/sip/SipTestSupport.hpp"

#include <string>

namespace vx {
namespace {

TEST(TextCodecTest, Utf8BecomesEightBitAndStopsAtATruncatedSequence) {
  struct Case {
    std::string in;
    std::string out;
  } cases[] = {
      {"Andr\xC3\xA9", "Andr\xE9"},
      {"\xE2\x82\xAC!", std::string("\xAC!")},  // low 8 bits of U+20AC
      {"ab\xC3", "ab"},                          // cut short at the end: nothing read past it
      {"ab\xF0\x9F\x98", "ab"},
      {"ab\xFC\x80\x80", "ab"},
      {"plain", "plain"},
  };
  for (const Case& c : cases) EXPECT_EQ(utf8To8Bit(c.in), Data(c.out)) << c.in;
}

TEST(TextCodecTest, EightBitRoundTripsThroughUtf8) {
  std::string all;
  for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
  Data utf8 = eightBitToUtf8(all);
  EXPECT_EQ(utf8.length(), 127u + 2u * 128u);
  EXPECT_EQ(utf8To8Bit(utf8.view()), Data(all));
}

TEST(TextCodecTest, PercentDecodingNeverReadsPastTheEnd) {
  struct Case {
    const char* in;
    const char* out;
  } cases[] = {{"a%20b", "a b"}, {"a%2", "a%2"}, {"a%", "a%"}, {"%zz", "%zz"}, {"%41%42", "AB"}};
  for (const Case& c : cases) EXPECT_EQ(percentDecode(c.in), c.out) << c.in;
}

}  // namespace
}  // namespace vx
