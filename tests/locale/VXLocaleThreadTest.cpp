// A text fetched while another thread changes the language comes whole from one language.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "tests/locale/LocaleTestSupport.hpp"

namespace vx::locale::test {
namespace {

TEST(VXLocaleThreadTest, TextsNeverMixTwoLanguages) {
  constexpr int kRounds = 20000;
  const std::u16string german = u"Eingehender Anruf";
  const std::u16string vietnamese = u"Cuộc gọi tới";
  std::atomic<bool> done{false};
  std::thread switcher([&] {
    for (int round = 0; !done.load(); ++round) {
      VXLocaleSetLanguage(round % 2 ? LANGUAGE_GERMAN : LANGUAGE_VIETNAMESE);
    }
  });
  ASSERT_EQ(VXLocaleSetLanguage(LANGUAGE_GERMAN), kLocaleSuccess);
  int mixed = 0;
  for (int round = 0; round < kRounds; ++round) {
    char16_t buffer[64];
    ASSERT_EQ(VXLocaleGetString(1005, buffer, 63), kLocaleSuccess);
    std::u16string text(buffer);
    mixed += text != german && text != vietnamese;
  }
  done = true;
  switcher.join();
  VXLocaleSetLanguage(LANGUAGE_ENGLISH);
  EXPECT_EQ(mixed, 0);
}

}  // namespace
}  // namespace vx::locale::test
