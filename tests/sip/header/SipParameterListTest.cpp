#include "sip/header/SipParameterList.hpp"

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

namespace vx {
namespace {

TEST(SipParameterListTest, DecodesPairsAndWritesThemWithTheirDelimiter) {
  struct Case {
    const char* text;
    char delimiter;
    const char* written;
  } cases[] = {
      {"a=1;B=2;c", ';', "a=1; b=2; c"},
      {" A = 1 ;  b  =  \"x; y\" ; ", ';', "a=1; b=\"x; y\""},
      {"realm=\"r\", nonce=\"a,b\",qop=auth", ',', "realm=\"r\", nonce=\"a,b\", qop=auth"},
      {"Replaces=a%40h&Require=replaces", '&', "replaces=a%40h&require=replaces"},
      {"=orphan;x=;y", ';', "x; y"},  // a pair without a name is dropped; "=" only with a value
      {"", ';', ""},
  };
  for (const Case& c : cases) {
    SipParameterList list(c.text, c.delimiter);
    EXPECT_EQ(list.encode(), c.written) << c.text;
    EXPECT_EQ(list.getDelimiter(), c.delimiter);
  }
}

TEST(SipParameterListTest, LookupIgnoresCaseAndSetReplacesOrAppends) {
  SipParameterList list("Nonce=\"n 1\";qop=auth", ';');
  EXPECT_TRUE(list.has("NONCE"));
  EXPECT_EQ(list.getValue("nonce"), "\"n 1\"");
  EXPECT_EQ(list.getUnquotedValue("nonce"), "n 1");
  EXPECT_EQ(list.getValue("missing"), "");

  ASSERT_TRUE(list.setValue("QOP", "auth-int"));
  ASSERT_TRUE(list.setValue("username", "say \"hi\"", true));
  EXPECT_EQ(list.encode(), "nonce=\"n 1\"; qop=auth-int; username=\"say \\\"hi\\\"\"");
  EXPECT_EQ(list.getUnquotedValue("username"), "say \"hi\"");

  EXPECT_FALSE(list.setValue("x", "a\r\nb"));
  EXPECT_FALSE(list.setValue("x\n", "a"));
  EXPECT_FALSE(list.setValue("", "a"));
  EXPECT_TRUE(list.remove("Nonce"));
  EXPECT_FALSE(list.has("nonce"));
  EXPECT_EQ(list.size(), 2u);
}

TEST(SipParameterListTest, EqualityInOrderOrAsASet) {
  SipParameterList a("x=1;y=2", ';');
  EXPECT_TRUE(a == SipParameterList("X=1;Y=2", ';'));
  EXPECT_FALSE(a == SipParameterList("y=2;x=1", ';'));
  EXPECT_TRUE(a.sameSetAs(SipParameterList("y=2;x=1", ';')));
  EXPECT_FALSE(a.sameSetAs(SipParameterList("y=2;x=3", ';')));
}

// One header's parameters are read and changed from several threads at once.
TEST(SipParameterListTest, OneListIsSafeToShareBetweenThreads) {
  SipParameterList list("a=0", ';');
  constexpr int kThreads = 4;
  constexpr int kRounds = 2000;
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([&list, t] {
      std::string name = "p" + std::to_string(t);
      for (int i = 0; i < kRounds; ++i) {
        list.setValue(name, std::to_string(i));
        (void)list.encode();
        SipParameterList copy = list;
        (void)copy.getValue("a");
        if (i % 7 == 0) list.remove(name);
      }
      list.setValue(name, "done");
    });
  }
  for (std::thread& thread : threads) thread.join();
  for (int t = 0; t < kThreads; ++t) EXPECT_EQ(list.getValue("p" + std::to_string(t)), "done");
  EXPECT_EQ(list.size(), static_cast<std::size_t>(kThreads + 1));
}

}  // namespace
}  // namespace vx
