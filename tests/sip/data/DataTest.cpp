#include "sip/data/Data.hpp"

#include <gtest/gtest.h>

#include "sip/data/Literal.hpp"
#include "tests/sip/SipTestSupport.hpp"

namespace vx {
namespace {

TEST(DataTest, ToIntReadsLikeStrtolAndTreatsTheEdgesOf32BitsAsOverflow) {
  struct Case {
    const char* text;
    int expected;
  } cases[] = {
      {"2147483647", 0},   {"-2147483648", 0},          {"12abc", 12},     {"", 0},
      {"  -42", -42},      {"+7", 7},                   {"abc", 0},        {"2147483646", 2147483646},
      {"-2147483647", -2147483647},
      // 2^32 + 5 must not wrap around to 5 when read into 64 bits.
      {"4294967301", 0},   {"99999999999999999999999999", 0}, {"\t 200 OK", 200},
  };
  for (const Case& c : cases) EXPECT_EQ(Data(c.text).toInt(), c.expected) << c.text;
}

TEST(DataTest, SplitAtAnyOfEatsTheWholeRunButSplitAtFirstOfOnlyOneByte) {
  Data line("INVITE \t sip:a@h SIP/2.0");
  bool notFound = true;
  EXPECT_EQ(line.splitAtAnyOf(" \t", notFound), "INVITE");
  EXPECT_FALSE(notFound);
  EXPECT_EQ(line, "sip:a@h SIP/2.0");

  Data other("INVITE \t sip:a@h SIP/2.0");
  char matched = 0;
  EXPECT_EQ(other.splitAtFirstOf(" \t", matched), "INVITE");
  EXPECT_EQ(matched, ' ');
  EXPECT_EQ(other, "\t sip:a@h SIP/2.0");
}

TEST(DataTest, CutsWithoutTheirDelimiterLeaveTheTextWhole) {
  Data text("no delimiter here");
  bool notFound = false;
  EXPECT_EQ(text.splitAtAnyOf(";", notFound), "");
  EXPECT_TRUE(notFound);
  EXPECT_EQ(text.splitAtAnyOfOutside(";", true, true, notFound), "");
  EXPECT_TRUE(notFound);
  char matched = 'x';
  EXPECT_EQ(text.splitAtFirstOf(";", matched), "");
  EXPECT_EQ(matched, 0);
  EXPECT_EQ(text.takeLine(notFound), "");
  EXPECT_TRUE(notFound);
  EXPECT_EQ(text, "no delimiter here");
}

TEST(DataTest, DelimiterAtTheStartGivesAnEmptyPrefixThatIsNoFailure) {
  Data text(";rest");
  bool notFound = true;
  EXPECT_EQ(text.splitAtAnyOf(";", notFound), "");
  EXPECT_FALSE(notFound);
  EXPECT_EQ(text, "rest");
}

TEST(DataTest, SplitAtAnyOfOutsideSkipsQuotesAndAngleBrackets) {
  Data text("\"Doe, John\" <sip:a,b@h>;tag=1, <sip:c@h>");
  bool notFound = true;
  EXPECT_EQ(text.splitAtAnyOfOutside(",", true, true, notFound), "\"Doe, John\" <sip:a,b@h>;tag=1");
  EXPECT_EQ(text, " <sip:c@h>");

  struct Case {
    const char* text;
    bool quotes;
    bool angles;
    const char* prefix;  // nullptr: not found
    const char* rest;
  } cases[] = {
      {"\"a\\\"b, c\" <x>, y", true, true, "\"a\\\"b, c\" <x>", " y"},  // an escaped quote stays inside
      {"\"abc\\", true, true, nullptr, "\"abc\\"},                      // escape at the very end
      {"\"never closed, x", true, true, nullptr, "\"never closed, x"},
      {"<a,b>,c", false, true, "<a,b>", "c"},
      {"<a,b>,c", true, false, "<a", "b>,c"},
      {"\"a,b\",c", false, false, "\"a", "b\",c"},
      {"a,,, b", true, true, "a", " b"},
  };
  for (const Case& c : cases) {
    Data t(c.text);
    Data prefix = t.splitAtAnyOfOutside(",", c.quotes, c.angles, notFound);
    EXPECT_EQ(notFound, c.prefix == nullptr) << c.text;
    if (c.prefix) {
      EXPECT_EQ(prefix, c.prefix) << c.text;
    }
    EXPECT_EQ(t, c.rest) << c.text;
  }
}

TEST(DataTest, TakeLineDropsTheCrBeforeTheLf) {
  Data text("first\r\nsecond\nthird");
  bool notFound = true;
  EXPECT_EQ(text.takeLine(notFound), "first");
  EXPECT_EQ(text.takeLine(notFound), "second");
  EXPECT_FALSE(notFound);
  EXPECT_EQ(text.takeLine(notFound), "");
  EXPECT_TRUE(notFound);
  EXPECT_EQ(text, "third");
}

TEST(DataTest, FindAndSplitReportsWhereTheMatchStood) {
  Data text("name: value");
  Data prefix;
  EXPECT_EQ(text.findAndSplit(": ", &prefix, true), Data::kFound);
  EXPECT_EQ(prefix, "name");
  EXPECT_EQ(text, "value");

  EXPECT_EQ(text.findAndSplit("v", &prefix, false), Data::kFoundAtStart);
  EXPECT_EQ(prefix, "");
  EXPECT_EQ(text, "value");  // without the replace switch nothing is cut

  EXPECT_EQ(text.findAndSplit("x", &prefix, true), Data::kNotFound);
  EXPECT_EQ(text, "value");

  Data replaced("a=b");
  EXPECT_EQ(replaced.findAndSplit("=", nullptr, true, "new:"), Data::kFoundAtStart);
  EXPECT_EQ(replaced, "new:b");
}

TEST(DataTest, UnfoldLinesJoinsContinuationLinesOnly) {
  struct Case {
    const char* text;
    const char* expected;
  } cases[] = {
      {"Subject: a\r\n\tb\r\n", "Subject: a\tb\r\n"},
      {"Subject: a  \r\n   b\r\n", "Subject: a b\r\n"},
      {"Subject: a  \r\nTo: b\r\n", "Subject: a  \r\nTo: b\r\n"},  // not folded: trailing blanks stay
      {"A: a\n b\nB: c\n", "A: a b\nB: c\n"},                      // LF alone unfolds alike
      {"A: a \r\n \r\n b\r\n", "A: a b\r\n"},                       // a fold of a blank line
      {"A: a\n b\r\nB: c\r\n", "A: a\n b\r\nB: c\r\n"},             // a bare LF before a CRLF is not looked at
      {"A: a\r\n ", "A: a "},
      {"no line end", "no line end"},
  };
  for (const Case& c : cases) {
    Data text(c.text);
    text.unfoldLines();
    EXPECT_EQ(text, c.expected) << c.text;
  }
}

TEST(DataTest, TrimSpacesRemovesBlanksButNotTabs) {
  Data text("  \ta b\t  ");
  text.trimSpaces();
  EXPECT_EQ(text, "\ta b\t");
}

TEST(DataTest, GetCharReachesTheNulAndAssertsOnePast) {
  test::AssertWatch watch;
  Data text("ab");
  EXPECT_EQ(text.getChar(1), 'b');
  EXPECT_EQ(text.getChar(2), '\0');
  EXPECT_EQ(watch.raised(), 0);
  EXPECT_EQ(text.getChar(3), '\0');
  EXPECT_EQ(watch.raised(), 1);
  text.setChar(5, 'x');
  EXPECT_EQ(watch.raised(), 2);
  text.setChar(0, 'x');
  EXPECT_EQ(text, "xb");
}

TEST(DataTest, ComparisonAndCase) {
  EXPECT_TRUE(Data::equalsNoCase("INVITE", "InViTe"));
  EXPECT_FALSE(Data("INVITE") == Data("InViTe"));
  EXPECT_TRUE(Data("INVITE") != "invite");
  EXPECT_TRUE(Data("a") < Data("b"));
  Data text("MiXeD");
  text.toLower();
  EXPECT_EQ(text, "mixed");
  EXPECT_EQ(Literal("ACK") + "x", "ACKx");
}

TEST(DataTest, CopiesNeverShareBytesEvenAfterCuts) {
  Data original("head;tail");
  char matched = 0;
  original.splitAtFirstOf(";", matched);
  Data copy = original;
  copy.setChar(0, 'X');
  EXPECT_EQ(original, "tail");
  EXPECT_EQ(copy, "Xail");
  EXPECT_EQ(std::string(copy.text()), "Xail");  // NUL-terminated at the right place
  EXPECT_EQ(Data("abcdef").substring(2, 4), "cd");
  EXPECT_EQ(Data("abcdef").substring(2, -1), "cdef");
  EXPECT_EQ(Data(-17), "-17");
  const unsigned char bytes[] = {0x0f, 0xa0};
  EXPECT_EQ(Data::hexFromBytes(bytes, 2), "0fa0");
}

}  // namespace
}  // namespace vx
