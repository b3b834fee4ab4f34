#include "ua/digitmap/VXDigitMap.hpp"

#include <gtest/gtest.h>

#include <string>

#include "control/params/CVXSIPParam.hpp"
#include "tests/support/TempRegistry.hpp"

namespace vx {
namespace {

constexpr long kFull = VXDigitMap::kFullMatch;
constexpr long kPartial = VXDigitMap::kPartialMatch;
constexpr long kTimeOut = VXDigitMap::kTimeOutMatch;
constexpr long kNone = VXDigitMap::kNoMatch;

class VXDigitMapTest : public ::testing::Test {
 protected:
  void SetUp() override { CVXSIPParam::Release(); }
  void TearDown() override { CVXSIPParam::Release(); }

  test::TempRegistry registry_;
  VXDigitMap map_;
};

TEST_F(VXDigitMapTest, MatchesDialledTexts) {
  struct Case {
    const char* map;
    const char* dialled;
    long expected;
  };
  const Case cases[] = {
      {"(XXXX|9XXXXXXX.T)", "1234", kFull},
      {"(XXXX|9XXXXXXX.T)", "9", kPartial},
      {"(XXXX|9XXXXXXX.T)", "912345678", kTimeOut},
      {"(XXXX|9XXXXXXX.T)", "912345678T", kFull},
      {"(XXXX|9XXXXXXX.T)", "9123456789", kTimeOut},
      {"(XXXX|9XXXXXXX.T)", "12345", kNone},
      {"(XXXX|9XXXXXXX.T)", "", kPartial},
      {"x", "7", kFull},
      {"x", "#", kNone},
      {"[1-3]5", "15", kFull},
      {"[1-3]5", "25", kFull},
      {"[1-3]5", "35", kFull},
      {"[1-3]5", "45", kNone},
      {"[1-3]5", "1", kPartial},
      {"[1-3]5", "155", kNone},
      {"[#*A-]", "#", kNone},  // invalid map: inactive
      {"[#*AD]", "*", kFull},
      {"[#*AD]", "B", kNone},
      {"[0-9#]X", "#1", kFull},
      {"12.3", "13", kFull},  // the repeated position may be absent
      {"12.3", "1223", kFull},
      {"12.3", "12222", kPartial},
      {"12.3", "14", kNone},
      {"XT", "5", kTimeOut},
      {"XT", "5T", kFull},
      {"(XXXXXX|XXXT)", "123", kTimeOut},  // -2 wins over -1
      {"(XXXXXX|XXXT)", "123T", kFull},
      {"(0|00|[1-9]XX)", "0", kFull},  // the first full match ends the search
      {"  (*xx|#)  ", "*12", kFull},
      {"", "123", kNone},
  };
  for (const Case& c : cases) {
    map_.set(c.map);
    EXPECT_EQ(map_.match(c.dialled), c.expected) << c.map << " with " << c.dialled;
  }
}

TEST_F(VXDigitMapTest, ValidatesMaps) {
  struct Case {
    const char* map;
    bool valid;
  };
  const Case cases[] = {
      {"(XXXX|9XXXXXXX.T)", true},
      {"[1-3]5", true},
      {"", true},
      {"()", true},
      {"(1||2)", true},
      {"x.t", true},
      {"12.3.", false},  // two repeat marks
      {"[1-]", false},
      {"[12", false},
      {"(12|", false},   // no closing parenthesis: read as one element beginning with "("
      {"[3-1]", false},  // a range that runs backwards
      {"[X]", false},    // only single symbols inside brackets
      {".1", false},     // nothing to repeat
      {"1..", false},
      {"1 2", false},
      {"E", false},
      {"(12|[1-)", false},
  };
  for (const Case& c : cases) EXPECT_EQ(map_.set(c.map), c.valid) << c.map;
}

TEST_F(VXDigitMapTest, AnInactiveMapMatchesNothingAndReadsEmpty) {
  ASSERT_TRUE(map_.set(" (xx|*x#) "));
  EXPECT_EQ(map_.get(), "(XX|*X#)");
  EXPECT_FALSE(map_.set("(12|[1-)"));
  EXPECT_EQ(map_.get(), "");
  EXPECT_EQ(map_.match("12"), kNone);  // "12" would match the valid first element
  EXPECT_TRUE(map_.set(""));
  EXPECT_EQ(map_.get(), "");
  EXPECT_EQ(map_.match(""), kNone);
}

TEST_F(VXDigitMapTest, StoresTheTextInTheDigitMapParameter) {
  CVXSIPParam* sip = CVXSIPParam::Instance();
  ASSERT_TRUE(map_.set("(xxx|9x.t)"));
  EXPECT_STREQ(sip->DigitMap, "(xxx|9x.t)");  // stored as given, before parsing

  EXPECT_FALSE(map_.set("12.3."));
  EXPECT_STREQ(sip->DigitMap, "12.3.");  // an invalid map is stored too

  std::string longMap(300, 'X');
  EXPECT_TRUE(map_.set(longMap));
  EXPECT_EQ(map_.match(std::string(300, '5')), kFull);  // used...
  EXPECT_STREQ(sip->DigitMap, "12.3.");                  // ...but not stored

  std::string longest(258, 'X');
  EXPECT_TRUE(map_.set(longest));
  EXPECT_EQ(std::string(sip->DigitMap), longest);
  EXPECT_TRUE(map_.set(std::string(259, 'X')));
  EXPECT_EQ(std::string(sip->DigitMap), longest);
}

}  // namespace
}  // namespace vx
