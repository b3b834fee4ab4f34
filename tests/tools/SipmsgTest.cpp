// sipmsg decode as a person reading a message meets it: each header with the fields the
// engine read from it.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <string>

namespace {

struct ToolRun {
  int exitCode;
  std::string output;
};

ToolRun run(const std::string& command) {
  std::FILE* pipe = ::popen((command + " 2>&1").c_str(), "r");
  std::string output;
  char buffer[4096];
  size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) output.append(buffer, n);
  int status = ::pclose(pipe);
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output};
}

TEST(SipmsgTest, DecodePrintsTheFieldsReadFromEachHeader) {
  ToolRun result = run(std::string(SIPMSG_PATH) + " decode " + VX_SIP_TEST_DATA + "/every_header.sip");
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
