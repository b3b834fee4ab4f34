#include "control/params/CVXStorageXml.hpp"

#include <gtest/gtest.h>
#include <tinyxml.h>

#include <cstring>
#include <memory>
#include <string>

#include "control/params/detail/ParameterRows.hpp"
#include "tests/control/params/ParamsFixture.hpp"

namespace vx {
namespace {

using namespace test;

struct Record {
  DWORD number;
  char text[8];
  DWORD rtpNumber;
};

constexpr ParameterSpec kNumber = detail::ulongRow("Number", VX_FIELD(Record, number), 5);
constexpr ParameterSpec kText = detail::textRow("Text", VX_FIELD(Record, text), "dflt");
constexpr ParameterSpec kRtpNumber = detail::inSection("Rtp", detail::ulongRow("Number", VX_FIELD(Record, rtpNumber), 5));

class XmlStorageTest : public ParamsTest {
 protected:
  // Loads the record from the parsed `xml`, starting from `start` in every field.
  Record load(const char* xml, Record start = {77, "keep", 77}) {
    TiXmlDocument document;
    document.Parse(xml);
    CVXStorageXml storage(document.RootElement());
    for (const ParameterSpec* spec : {&kNumber, &kText, &kRtpNumber}) {
      CVXArchiveParameter::Create(*spec)->Load(&start, storage);
    }
    return start;
  }
};

TEST_F(XmlStorageTest, ReadsNumbersInEveryForm) {
  struct Case {
    const char* text;
    DWORD expected;
  };
  const Case cases[] = {
      {"true", 1},        {"TRUE", 1},        {"Yes", 1},     {"false", 0},     {"No", 0},
      {"0x10", 16},       {"0X1f", 31},       {"010", 8},     {"10", 10},       {"0", 0},
      {"", 0},            {"abc", 0},         {"12abc", 12},  {" 42", 42},      {"4294967295", 0xFFFFFFFF},
      {"4294967296", 0xFFFFFFFF}, {"-1", 0xFFFFFFFF}, {"-2", 0xFFFFFFFE}, {"08", 0}, {"+7", 7},
  };
  for (const Case& c : cases) {
    std::string xml = std::string("<G><Number>") + c.text + "</Number></G>";
    EXPECT_EQ(load(xml.c_str()).number, c.expected) << '"' << c.text << '"';
  }
}

TEST_F(XmlStorageTest, MissingElementsLeaveTheValues) {
  struct Case {
    const char* xml;
    DWORD number;
    const char* text;
    DWORD rtpNumber;
  };
  const Case cases[] = {
      {"<G/>", 77, "keep", 77},
      {"<G><Other>1</Other></G>", 77, "keep", 77},
      {"<G><Rtp/></G>", 77, "keep", 77},
      {"<G><Number>3</Number><Rtp><Number>4</Number></Rtp></G>", 3, "keep", 4},
      {"<G><Rtp><Text>x</Text></Rtp><Text>abc</Text></G>", 77, "abc", 77},
      // An empty key element, or one whose first child is not text, reads as empty.
      {"<G><Number/><Text/></G>", 0, "", 77},
      {"<G><Number><b>9</b></Number><Text><b>x</b></Text></G>", 0, "", 77},
      {"<G><Text>much too long</Text></G>", 77, "much to", 77},
  };
  for (const Case& c : cases) {
    Record record = load(c.xml);
    EXPECT_EQ(record.number, c.number) << c.xml;
    EXPECT_STREQ(record.text, c.text) << c.xml;
    EXPECT_EQ(record.rtpNumber, c.rtpNumber) << c.xml;
  }
  CVXStorageXml nothing(nullptr);
  Record record{77, "keep", 77};
  CVXArchiveParameter::Create(kNumber)->Load(&record, nothing);
  CVXArchiveParameter::Create(kText)->Load(&record, nothing);
  EXPECT_EQ(record.number, 77u);
  EXPECT_STREQ(record.text, "keep");
}

TEST_F(XmlStorageTest, RefusesEveryWriteWithAnAssertion) {
  auto number = CVXArchiveParameter::Create(kNumber);
  CVXStorageXml storage(nullptr);
  struct Case {
    const char* what;
    std::function<void()> action;
    int line;
  };
  BYTE bytes[4] = {};
  std::size_t length = sizeof bytes;
  const Case cases[] = {
      {"WriteULong", [&] { storage.WriteULong(*number, 1); }, 230},
      {"WriteString", [&] { storage.WriteString(*number, "x"); }, 272},
      {"WriteBytes", [&] { storage.WriteBytes(*number, bytes, sizeof bytes); }, 297},
      {"ReadBytes", [&] { storage.ReadBytes(*number, bytes, length); }, 302},
      {"Delete", [&] { storage.Delete(*number); }, 307},
  };
  for (const Case& c : cases) {
    ShownAsserts shown;
    c.action();
    ASSERT_EQ(shown.texts.size(), 1u) << c.what;
    EXPECT_NE(shown.texts[0].find("File : VXStorage\nLine : " + std::to_string(c.line) + "\n"), std::string::npos)
        << c.what << "\n" << shown.texts[0];
  }
  EXPECT_FALSE(storage.IsCrypted());
}

}  // namespace
}  // namespace vx
