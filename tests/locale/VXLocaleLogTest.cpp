// The trace of the locale operations: channel "API", the module's own log identity, entry
// and exit lines with their levels. Runs in a process of its own, since the log output is
// chosen once per process.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "tests/locale/LocaleTestSupport.hpp"

namespace vx::locale::test {
namespace {

namespace fs = std::filesystem;

class VXLocaleLogTest : public LocaleTest {
 protected:
  static void SetUpTestSuite() {
    logFile_ = fs::temp_directory_path() / ("vxlocale-log-" + std::to_string(::getpid()) + ".txt");
    ::setenv("VX_LOG_OUTPUT_TO", "2", 1);
    ::setenv("VX_DEBUG_OUTPUT_FILE", logFile_.c_str(), 1);
  }
  static void TearDownTestSuite() { fs::remove(logFile_); }

  void SetUp() override { start_ = fs::exists(logFile_) ? fs::file_size(logFile_) : 0; }

  // Lines written since the test began.
  std::string written() const { return ReadFile(logFile_.string()).substr(start_); }

  // A line "[tick, VXLocale, API, pid, tid, value, level] message" is present.
  void expectLine(const std::string& log, int level, const std::string& message) const {
    std::string tail = ", " + std::to_string(level) + "] " + message + "\n";
    std::size_t at = log.find(tail);
    ASSERT_NE(at, std::string::npos) << "no \"" << message << "\" at level " << level << " in:\n" << log;
    std::size_t begin = log.rfind('[', at);
    ASSERT_NE(begin, std::string::npos) << log;
    std::string head = log.substr(begin, at - begin);
    EXPECT_NE(head.find(", VXLocale, API, "), std::string::npos) << head;
  }

  static inline fs::path logFile_;
  std::uintmax_t start_ = 0;
};

TEST_F(VXLocaleLogTest, TracesLanguageSelection) {
  ASSERT_EQ(VXLocaleSetLanguage(LANGUAGE_GERMAN), kLocaleSuccess);
  ASSERT_EQ(VXLocaleSetLanguage(6), kLocaleFailure);
  std::string log = written();
  expectLine(log, 3, "-> VXLocaleSetLanguage(3)");
  expectLine(log, 3, "<- VXLocaleSetLanguage() return Success");
  expectLine(log, 3, "-> VXLocaleSetLanguage(6)");
  expectLine(log, 0, "<- VXLocaleSetLanguage() return Invalid Language");
}

TEST_F(VXLocaleLogTest, TracesTextLookupsWithTheCopiedText) {
  ASSERT_EQ(VXLocaleSetLanguage(LANGUAGE_GERMAN), kLocaleSuccess);
  char16_t buffer[16];
  ASSERT_EQ(VXLocaleGetString(1005, buffer, 10), kLocaleSuccess);
  ASSERT_EQ(VXLocaleGetString(136, buffer, 10), kLocaleFailure);
  std::string log = written();
  char address[32];
  std::snprintf(address, sizeof address, "0x%lx", static_cast<unsigned long>(reinterpret_cast<std::uintptr_t>(buffer)));
  expectLine(log, 3, std::string("-> VXLocaleGetString(1005, ") + address + ", 10) for language 3");
  expectLine(log, 3, "<- VXLocaleGetString() return Eingehende");
  expectLine(log, 0, "<- VXLocaleGetString() return No Resource");
}

TEST_F(VXLocaleLogTest, TracesPageLookups) {
  EXPECT_EQ(VXLocaleGetDialog(7), 2200u);
  expectLine(written(), 3, "VXLocaleGetDialog(7)");
}

// Unloading the module empties its thread pool; a separate process shows it at exit.
TEST_F(VXLocaleLogTest, UnloadingTheModuleDestroysItsThreadPool) {
  fs::path childLog = logFile_;
  childLog += ".child";
  ProcessResult result = RunProcess("VX_LOG_OUTPUT_TO=2 VX_DEBUG_OUTPUT_FILE='" + childLog.string() + "' '" +
                                    VX_LOCALE_TOOL + "' 3 1005");
  std::string log = ReadFile(childLog.string());
  fs::remove(childLog);
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.output, "Eingehender Anruf\n");
  EXPECT_NE(log.find(", VXLocale, Thread, "), std::string::npos) << log;
  EXPECT_NE(log.find("] ->Destroying all threads (0 threads)\n"), std::string::npos) << log;
  EXPECT_NE(log.find("] <-Destroying all threads\n"), std::string::npos) << log;
  EXPECT_LT(log.find("return Eingehender Anruf"), log.find("->Destroying all threads")) << log;
}

}  // namespace
}  // namespace vx::locale::test
