// sipmsg as a user runs it: exit codes, hostile input, the encoding fixed point, and decode
// showing the fields the engine read from each header.
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

TEST(SipmsgTest, DecodePrintsTheFieldsReadFromEachHeader) {
  ToolRun result = run(kTool + " decode " + kData + "/sip/every_header.sip");
  ASSERT_EQ(result.exitCode, 0) << result.output;
  const char* expected[] = {
      "header: 50 v: SIP/2.0/UDP pc33.atlanta.example.com;branch=z9hG4bKnashds8;x-proxy=1;received=192.0.2.1\n"
      "  protocol: SIP/2.0\n  transport: UDP\n  host: pc33.atlanta.example.com\n  received: 192.0.2.1\n"
      "  branch: z9hG4bKnashds8\n  param: x-proxy=1\n",
      "header: 47 t: \"Bob \\\"B\\\" Brown\" <sip:bob@biloxi.example.com>\n"
      "  display-name: Bob \"B\" Brown\n  url: sip:bob@biloxi.example.com\n",
      "  param: tag=1928301774\n",
      "header: 53 x: 1800;refresher=uac\n  delta: 1800\n  refresher: uac\n",
      "  scheme: Digest\n  param: username=\"alice\"\n",
      "header: 57 X-Custom: kept as it is\nbody:",  // unknown headers have no fields
  };
  for (const char* text : expected) EXPECT_NE(result.output.find(text), std::string::npos) << text << result.output;
}

}  // namespace

TEST(SipmsgTest, DigestPrintsTheResponseOfRfc2617Example) {
  ToolRun r = run(kTool +
                  " digest --user Mufasa --realm testrealm@host.com --password 'Circle Of Life'"
                  " --nonce dcd98b7102dd2f0e8b11d0f600bfb0c093 --cnonce 0a4f113b --nc 00000001 --qop auth"
                  " --method GET --uri /dir/index.html");
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_EQ(r.output, "6629fae49393a05397450978507c4ef1\n");
  EXPECT_EQ(run(kTool + " digest --user").exitCode, 1);
  EXPECT_EQ(run(kTool + " digest --colour blue").exitCode, 1);
}

TEST(SipmsgTest, SdpWritesTheSessionBackOrSaysThereIsNone) {
  const std::string example = kData + "/sdp/rfc4566_example.sdp";
  ToolRun r = run(kTool + " sdp " + example + " | cmp - " + example + " && echo same");
  EXPECT_EQ(r.output, "same\n");
  EXPECT_EQ(run("printf 'v=1\\ns=x\\nt=0 0\\n' | " + kTool + " sdp -").exitCode, 2);
  EXPECT_EQ(run(kTool + " sdp /nonexistent/file").exitCode, 1);
}
