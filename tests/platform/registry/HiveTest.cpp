#include "platform/registry/Hive.hpp"

#include <gtest/gtest.h>

#include "platform/registry/Registry.hpp"

namespace vx {
namespace {

std::vector<BYTE> bytes(std::string_view text, bool withNul) {
  std::vector<BYTE> out(text.begin(), text.end());
  if (withNul) out.push_back(0);
  return out;
}

TEST(HiveTest, ValuesOfEveryKindSurviveFormatAndParse) {
  struct Case {
    const char* name;
    DWORD type;
    std::vector<BYTE> data;
  };
  const Case cases[] = {
      {"Plain", REG_SZ, bytes("sip.example.com", true)},
      {"Quotes \"and\" \\slashes", REG_SZ, bytes("C:\\path \"quoted\" \\", true)},
      {"", REG_SZ, bytes("default value", true)},
      {"Empty", REG_SZ, bytes("", true)},
      {"Broken lines", REG_SZ, bytes("one\r\ntwo", true)},
      {"Utf8", REG_SZ, bytes("Nguy\xe1\xbb\x85n", true)},
      {"Port", REG_DWORD, {0x60, 0xea, 0x00, 0x00}},
      {"Max", REG_DWORD, {0xff, 0xff, 0xff, 0xff}},
      {"Blob", REG_BINARY, {0x00, 0x01, 0xfe, 0xff}},
      {"NoBytes", REG_BINARY, {}},
      {"Multi", REG_MULTI_SZ, bytes(std::string_view("a\0b\0", 4), true)},
      {"Quad", REG_QWORD, {1, 2, 3, 4, 5, 6, 7, 8}},
  };
  Hive hive("HKEY_LOCAL_MACHINE");
  RegKeyData* key = hive.createKey("SOFTWARE\\Orvi Media\\Test").first;
  for (const Case& c : cases) key->values.push_back(RegValue{c.name, c.type, c.data});

  Hive reread = Hive::parse("HKEY_LOCAL_MACHINE", hive.format());
  RegKeyData* back = reread.findKey("software\\orvi media\\test");
  ASSERT_NE(back, nullptr);
  EXPECT_EQ(back->path, "SOFTWARE\\Orvi Media\\Test");
  ASSERT_EQ(back->values.size(), std::size(cases));
  for (size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(cases[i].name);
    EXPECT_EQ(back->values[i].name, cases[i].name);
    EXPECT_EQ(back->values[i].type, cases[i].type);
    EXPECT_EQ(back->values[i].data, cases[i].data);
  }
  EXPECT_EQ(reread.format(), hive.format());
}

TEST(HiveTest, FormatIsRegedit4Text) {
  Hive hive("HKEY_CURRENT_USER");
  RegKeyData* key = hive.createKey("Software\\Vocarix").first;
  key->values.push_back(RegValue{"Port", REG_DWORD, {0x60, 0xea, 0, 0}});
  key->values.push_back(RegValue{"Name", REG_SZ, bytes("a\"b", true)});
  EXPECT_EQ(hive.format(),
            "REGEDIT4\r\n"
            "\r\n[HKEY_CURRENT_USER\\Software]\r\n"
            "\r\n[HKEY_CURRENT_USER\\Software\\Vocarix]\r\n"
            "\"Port\"=dword:0000ea60\r\n"
            "\"Name\"=\"a\\\"b\"\r\n");
}

TEST(HiveTest, ParsingSkipsWhatItCannotReadAndKeepsTheRest) {
  const char* text =
      "REGEDIT4\n"
      "[HKEY_LOCAL_MACHINE\\A]\n"
      "\"Good\"=dword:00000001\n"
      "\"Bad\"=dword:xyz\n"
      "\"Unterminated\"=\"abc\n"
      "garbage line\n"
      "\"Hex\"=hex:01,02,\\\n"
      "  03\n"
      "[HKEY_CURRENT_USER\\Other hive]\n"
      "\"Lost\"=dword:00000002\n"
      "[HKEY_LOCAL_MACHINE\\B]\n"
      "\"Late\"=\"x\"\n";
  Hive hive = Hive::parse("HKEY_LOCAL_MACHINE", text);
  RegKeyData* a = hive.findKey("A");
  ASSERT_NE(a, nullptr);
  ASSERT_EQ(a->values.size(), 2u);
  EXPECT_EQ(a->values[0].name, "Good");
  EXPECT_EQ(a->values[1].data, (std::vector<BYTE>{1, 2, 3}));
  EXPECT_EQ(hive.findKey("Other hive"), nullptr);
  ASSERT_NE(hive.findKey("b"), nullptr);
  EXPECT_EQ(hive.subkeyNames(""), (std::vector<std::string>{"A", "B"}));
}

TEST(HiveTest, RemoveTreeTakesOnlyThatBranch) {
  Hive hive("HKEY_LOCAL_MACHINE");
  hive.createKey("A\\B\\C");
  hive.createKey("A\\BB");
  hive.removeTree("a\\b");
  EXPECT_EQ(hive.findKey("A\\B"), nullptr);
  EXPECT_EQ(hive.findKey("A\\B\\C"), nullptr);
  EXPECT_NE(hive.findKey("A\\BB"), nullptr);
  EXPECT_EQ(hive.subkeyNames("A"), (std::vector<std::string>{"BB"}));
}

}  // namespace
}  // namespace vx

namespace vx {
namespace {

TEST(HiveTest, LinesItCannotReadSurviveAWrite) {
  const char* text =
      "REGEDIT4\r\n"
      "\r\n[HKEY_LOCAL_MACHINE\\A]\r\n"
      "\"Good\"=dword:00000001\r\n"
      "\"Wide\"=dword:123456789\r\n"
      "\"Future\"=qword:0000000000000001\r\n";
  Hive hive = Hive::parse("HKEY_LOCAL_MACHINE", text);
  RegKeyData* a = hive.findKey("A");
  ASSERT_NE(a, nullptr);
  ASSERT_EQ(a->values.size(), 1u);
  EXPECT_EQ(a->unreadLines, (std::vector<std::string>{"\"Wide\"=dword:123456789", "\"Future\"=qword:0000000000000001"}));
  EXPECT_EQ(hive.format(), text);
}

TEST(HiveTest, KeyPathsBeyondTheLimitsAreRefusedWithoutRecursion) {
  std::string deep;
  for (int i = 0; i < 200000; ++i) deep += "a\\";
  deep += "a";
  Hive hive = Hive::parse("HKEY_CURRENT_USER", "REGEDIT4\r\n[HKEY_CURRENT_USER\\" + deep + "]\r\n\"V\"=\"x\"\r\n");
  EXPECT_TRUE(hive.subkeyNames("").empty());
  EXPECT_EQ(hive.createKey(deep).first, nullptr);
  EXPECT_EQ(hive.createKey(std::string(256, 'n')).first, nullptr) << "a name over 255 characters";
  EXPECT_EQ(hive.createKey("a\\\\b").first, nullptr) << "an empty name";
  EXPECT_NE(hive.createKey(std::string(255, 'n')).first, nullptr);
}

}  // namespace
}  // namespace vx
