// sipmsg as a user runs it: exit codes, hostile input, and the encoding fixed point.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <random>

#include "tests/support/RunTool.hpp"

namespace {

using vx::test::ToolRun;

ToolRun run(const std::string& command) { return vx::test::runTool(command, "2>/dev/null"); }

const std::string kTool = SIPMSG_PATH;
const std::string kData = VX_TEST_DATA_DIR;

TEST(SipmsgTest, ExitCodesSayMessageNoMessageOrUsage) {
  ToolRun r = run(kTool + " decode " + kData + "/sip/invite.sip");
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_TRUE(r.output.starts_with("start-line: INVITE ")) << r.output;
  EXPECT_EQ(run("printf 'not sip at all\\r\\n\\r\\n' | " + kTool + " decode -").exitCode, 2);
  EXPECT_EQ(run(kTool).exitCode, 1);
  EXPECT_EQ(run(kTool + " transmogrify -").exitCode, 1);
  EXPECT_EQ(run(kTool + " decode /nonexistent/file").exitCode, 1);
}

TEST(SipmsgTest, AMegabyteOfRandomBytesEndsWithoutACrash) {
  std::string path = ::testing::TempDir() + "/random.bin";
  {
    std::mt19937 random(7);
    std::ofstream out(path, std::ios::binary);
    for (int i = 0; i < 1000000; ++i) out.put(static_cast<char>(random()));
  }
  EXPECT_EQ(run(kTool + " decode " + path).exitCode, 2);
  EXPECT_EQ(run("head -c 1000000 /dev/urandom | " + kTool + " decode -").exitCode, 2);
}

TEST(SipmsgTest, RoundtripIsAFixedPointAfterOnePass) {
  for (const char* fixture : {"invite.sip", "ringing.sip", "compact_folded.sip", "notify_pidf.sip"}) {
    ToolRun once = run(kTool + " roundtrip " + kData + "/sip/" + fixture);
    ASSERT_EQ(once.exitCode, 0) << fixture;
    ToolRun twice = run(kTool + " roundtrip " + kData + "/sip/" + fixture + " | " + kTool + " roundtrip -");
    EXPECT_EQ(twice.exitCode, 0) << fixture;
    EXPECT_EQ(twice.output, once.output) << fixture;
  }
}

}  // namespace
