#include "runtime/log/Log.hpp"

#include <gtest/gtest.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <regex>

#include "platform/registry/Registry.hpp"
#include "runtime/log/LogConfig.hpp"
#include "runtime/log/LogRecord.hpp"
#include "tests/runtime/log/LogCapture.hpp"
#include "tests/support/TempRegistry.hpp"

namespace vx {
namespace {

std::string hex(unsigned long value) {
  char text[32];
  std::snprintf(text, sizeof text, "%lx", value);
  return text;
}

class LogTest : public ::testing::Test {
 protected:
  void SetUp() override { SetLogIdentity("SIP", "Ordane Communication", "SIP Orvi Phone SDK Ordane"); }
  void TearDown() override { SetLogIdentity("Unknown", "", ""); }
  test::TempRegistry registry_;
};

TEST_F(LogTest, DebuggerLineHasTheExactLayout) {
  test::LogCapture capture(logconfig::kOutputDebugger);
  Log("STM", LOG_WARNING, "stream %d opened on %s", 7, "port 4000");

  std::string expectedTail = ", SIP, STM, " + hex(static_cast<unsigned long>(::getpid())) + ", " +
                             hex(static_cast<unsigned long>(::syscall(SYS_gettid))) +
                             ", 0, 1] stream 7 opened on port 4000\n\r";
  std::string line = capture.text();
  ASSERT_TRUE(std::regex_match(line, std::regex(R"(\[[0-9]+, [^\n]*\n\r)"))) << line;
  EXPECT_TRUE(line.ends_with(expectedTail)) << line;
}

TEST_F(LogTest, DeviceRecordHasTheFixedLayoutAndCutsItsFields) {
  test::LogCapture capture(logconfig::kOutputDevice);
  SetLogIdentity("ApplicationNameLongerThan15", "", "");
  std::string channel(40, 'c');
  std::string message(300, 'm');
  Log(channel.c_str(), 4, "%s", message.c_str());
  Log("SIP", LOG_TRACE, "second");

  std::string bytes = capture.text();
  ASSERT_EQ(bytes.size(), 2 * sizeof(LogRecord));
  LogRecord record;
  std::memcpy(&record, bytes.data(), sizeof record);
  EXPECT_EQ(record.reserved, 0u);
  EXPECT_EQ(record.level, 0u) << "level 4 is written as 0";
  EXPECT_EQ(record.processId, static_cast<std::uint32_t>(::getpid()));
  EXPECT_EQ(record.threadId, static_cast<std::uint32_t>(::syscall(SYS_gettid)));
  EXPECT_EQ(record.value, 0u);
  EXPECT_EQ(std::string(record.application, strnlen(record.application, 16)), "ApplicationName");
  EXPECT_EQ(std::string(record.channel, strnlen(record.channel, 32)), std::string(31, 'c'));
  EXPECT_EQ(std::string(record.message, strnlen(record.message, 256)), std::string(255, 'm'));

  std::memcpy(&record, bytes.data() + sizeof record, sizeof record);
  EXPECT_EQ(record.level, 3u);
  EXPECT_STREQ(record.message, "second");
  // Zero-filled: nothing of the longer first record leaks into the second.
  EXPECT_EQ(record.message[7], '\0');
  EXPECT_EQ(record.message[255], '\0');
}

TEST_F(LogTest, NoOutputWhenTheSwitchIsAbsent) {
  test::LogCapture capture(logconfig::kOutputDebugger);
  ::unsetenv(logconfig::kOutputEnv);
  ResetLogOutput();
  Log("SIP", LOG_ERROR, "nobody hears this");
  EXPECT_EQ(capture.text(), "");
}

TEST_F(LogTest, SwitchIsReadFromTheRegistryOncePerProcess) {
  test::LogCapture capture(logconfig::kOutputDebugger);
  ::unsetenv(logconfig::kOutputEnv);
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyEx(HKEY_LOCAL_MACHINE, logconfig::kOutputKey, 0, KEY_ALL_ACCESS, &key, nullptr),
            ERROR_SUCCESS);
  DWORD mode = logconfig::kOutputDebugger;
  RegSetValueEx(key, logconfig::kOutputValue, REG_DWORD, reinterpret_cast<BYTE*>(&mode), sizeof mode);
  ResetLogOutput();
  Log("SIP", LOG_INFO, "first");

  mode = logconfig::kOutputNone;
  RegSetValueEx(key, logconfig::kOutputValue, REG_DWORD, reinterpret_cast<BYTE*>(&mode), sizeof mode);
  RegCloseKey(key);
  Log("SIP", LOG_INFO, "second");
  std::string text = capture.text();
  EXPECT_NE(text.find("] first\n\r"), std::string::npos);
  EXPECT_NE(text.find("] second\n\r"), std::string::npos) << "the switch was read again";
}

TEST_F(LogTest, MissingDeviceSilencesOutputAndIsNotOpenedAgain) {
  test::LogCapture capture(logconfig::kOutputDevice);
  std::string device = registry_.dir() + "/device";
  ::setenv(logconfig::kDeviceEnv, device.c_str(), 1);
  ResetLogOutput();
  Log("SIP", LOG_ERROR, "lost");
  { std::FILE* f = std::fopen(device.c_str(), "w"); std::fclose(f); }
  Log("SIP", LOG_ERROR, "lost too");
  EXPECT_EQ(std::filesystem::file_size(device), 0u);
  EXPECT_EQ(capture.text(), "");
}

TEST_F(LogTest, MessagesAreNotFormattedTwice) {
  test::LogCapture capture(logconfig::kOutputDebugger);
  Log("SIP", LOG_INFO, "%s", "100% sure %n %s");
  EXPECT_TRUE(capture.text().ends_with("] 100% sure %n %s\n\r"));
}

}  // namespace
}  // namespace vx
