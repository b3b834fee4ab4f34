#include "runtime/log/Assert.hpp"

#include <gtest/gtest.h>

#include <regex>

#include "platform/registry/Registry.hpp"
#include "platform/ui/MessageBox.hpp"
#include "runtime/log/Log.hpp"
#include "tests/runtime/log/LogCapture.hpp"
#include "tests/support/TempRegistry.hpp"

namespace vx {
namespace {

constexpr const char* kSystemKey = "SOFTWARE\\Orvi Media\\System";

struct ShownBox {
  int count = 0;
  std::string text;
  std::string caption;
  UINT flags = 0;
};

class AssertTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetLogIdentity("SIP", "Ordane Communication", "SIP Orvi Phone SDK Ordane");
    SetMessageBoxBackend([this](HWND, const std::string& text, const std::string& caption, UINT flags) {
      ++shown_.count;
      shown_.text = text;
      shown_.caption = caption;
      shown_.flags = flags;
      return answer_;
    });
  }
  void TearDown() override {
    SetMessageBoxBackend(nullptr);
    SetLogIdentity("Unknown", "", "");
  }
  void setAssertMode(DWORD mode) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyEx(HKEY_LOCAL_MACHINE, kSystemKey, 0, KEY_ALL_ACCESS, &key, nullptr), ERROR_SUCCESS);
    RegSetValueEx(key, "AssertMode", REG_DWORD, reinterpret_cast<BYTE*>(&mode), sizeof mode);
    RegCloseKey(key);
  }

  test::TempRegistry registry_;
  test::LogCapture log_{2};
  ShownBox shown_;
  int answer_ = IDIGNORE;
};

TEST_F(AssertTest, ModeZeroShowsAndLogsNothing) {
  setAssertMode(kAssertSilent);
  EXPECT_FALSE(Assert("/src/runtime/VXLock.cpp", 89, nullptr));
  EXPECT_EQ(shown_.count, 0);
  EXPECT_EQ(log_.text(), "");
}

TEST_F(AssertTest, ModeOneLogsOneLineAndReturnsFalse) {
  setAssertMode(kAssertLogOnly);
  EXPECT_FALSE(Assert("/src/runtime/VXLock.cpp", 89, nullptr));
  EXPECT_EQ(shown_.count, 0);
  std::string text = log_.text();
  std::regex oneLine(R"(\[[0-9]+, SIP, ASSERT, [0-9a-f]+, [0-9a-f]+, 0, 0\] )"
                     R"(ASSERT : log_test, VXPhoneSIP W32 5\.05\.69 OD, File : VXLock\.cpp, Line : 89, \n\r)");
  EXPECT_TRUE(std::regex_match(text, oneLine)) << text;
}

TEST_F(AssertTest, DefaultModeShowsTheDialogAndRetryAsksForTheDebugger) {
  answer_ = IDRETRY;
  EXPECT_TRUE(Assert("dir/File.cpp", 12, "count > 0"));
  ASSERT_EQ(shown_.count, 1);
  EXPECT_EQ(shown_.caption, "SIP Orvi Phone SDK Ordane");
  EXPECT_EQ(shown_.flags, 0x210012u);
  EXPECT_EQ(shown_.text,
            "Unexpected failure.\n\n"
            "Program : log_test\n"
            "Version : VXPhoneSIP W32 5.05.69 OD\n"
            "File : File.cpp\n"
            "Line : 12\n"
            "Expression : count > 0\n"
            "\n"
            "Contact Ordane Communication with the above information.");
  std::string text = log_.text();
  EXPECT_NE(text.find("] ASSERT : log_test, VXPhoneSIP W32 5.05.69 OD, File : File.cpp, Line : 12, "
                      "Expression : count > 0.\n\r"),
            std::string::npos);
  EXPECT_NE(text.find("Expression : count > 0. Retried.\n\r"), std::string::npos) << text;
}

TEST_F(AssertTest, IgnoreReturnsFalseAndHeadlessNeverAborts) {
  answer_ = IDIGNORE;
  EXPECT_FALSE(Assert("a.cpp", 1, nullptr));
  EXPECT_NE(log_.text().find(" Ignored.\n\r"), std::string::npos);

  SetMessageBoxBackend(nullptr);  // headless: the harmless answer
  EXPECT_FALSE(Assert("a.cpp", 2, nullptr));
  EXPECT_NE(log_.text().find("Line : 2,  Ignored.\n\r"), std::string::npos);
}

TEST_F(AssertTest, PercentSignsInTheTextAreLoggedLiterally) {
  setAssertMode(kAssertLogOnly);
  Assert("100%s.cpp", 3, "x %n %s");
  EXPECT_NE(log_.text().find("File : 100%s.cpp, Line : 3, Expression : x %n %s.\n\r"), std::string::npos)
      << log_.text();
}

TEST_F(AssertTest, ModeSourceCanBeReplaced) {
  SetAssertModeSource([]() -> DWORD { return kAssertSilent; });
  EXPECT_FALSE(Assert("a.cpp", 1, nullptr));
  EXPECT_EQ(log_.text(), "");
  SetAssertModeSource(nullptr);
  EXPECT_FALSE(Assert("a.cpp", 1, nullptr));
  EXPECT_EQ(shown_.count, 1) << "back to the registry's default mode";
}

}  // namespace
}  // namespace vx
