#include "sip/message/SipHeaderType.hpp"

#include <gtest/gtest.h>

namespace vx {
namespace {

TEST(SipHeaderTypeTest, FullAndCompactNamesFindTheirType) {
  struct Case {
    const char* name;
    SipHeaderType type;
  } cases[] = {
      {"via", SIP_VIA_HDR},           {"v", SIP_VIA_HDR},           {"call-id", SIP_CALL_ID_HDR},
      {"i", SIP_CALL_ID_HDR},         {"m", SIP_CONTACT_HDR},       {"l", SIP_CONTENT_LENGTH_HDR},
      {"x", SIP_SESSION_EXPIRES_HDR}, {"k", SIP_SUPPORTED_HDR},     {"min-se", SIP_MIN_SE_HDR},
      {"o", SIP_UNKNOWN_HDR},         {"u", SIP_UNKNOWN_HDR},       {"x-foo", SIP_UNKNOWN_HDR},
      {"Via", SIP_UNKNOWN_HDR},  // lookup takes the lower-cased name
  };
  for (const Case& c : cases) EXPECT_EQ(headerTypeFromName(c.name), c.type) << c.name;
}

TEST(SipHeaderTypeTest, EncodeOrderStartsWithViaAndEndsWithUnknown) {
  const SipHeaderType* order = headerEncodeOrder();
  EXPECT_EQ(order[0], SIP_VIA_HDR);
  EXPECT_EQ(order[kSipHeaderTypeCount - 3], SIP_ALERT_INFO_HDR);
  EXPECT_EQ(order[kSipHeaderTypeCount - 1], SIP_UNKNOWN_HDR);
}

}  // namespace
}  // namespace vx
