#include "control/params/ParameterListing.hpp"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "tests/control/params/ParamsFixture.hpp"

namespace vx {
namespace {

using namespace test;

class ParameterListingTest : public ParamsTest {};

TEST_F(ParameterListingTest, ListsOneGroupByItsDocumentName) {
  std::vector<std::string> network = ListParameters("network");
  ASSERT_EQ(network.size(), 10u);
  EXPECT_EQ(network.front(), "Network.ConnectionType=2");
  EXPECT_EQ(network.back(), "Network.Rtp.Tos=0");
  EXPECT_EQ(ListParameters("App").front(), "App.UrlLogo=");
  EXPECT_TRUE(ListParameters("Billing").empty());
  EXPECT_TRUE(ListParameters("Net").empty());
}

TEST_F(ParameterListingTest, MasksPasswordsOnly) {
  CVXSIPParam* sip = CVXSIPParam::Instance();
  std::strcpy(sip->RegistrationPassword, "hunter2");
  std::strcpy(sip->RegistrationUser, "alice");
  std::strcpy(CVXLoginParam::Instance()->Server, "https://prov.example.net");
  std::vector<std::string> lines = ListParameters();
  auto has = [&](const std::string& line) { return std::find(lines.begin(), lines.end(), line) != lines.end(); };
  EXPECT_TRUE(has("SIP.RegistrationPassword=********"));
  EXPECT_TRUE(has("SIP.RegistrationPassword2="));
  EXPECT_TRUE(has("SIP.RegistrationUser=alice"));
  EXPECT_TRUE(has("Login.Server=https://prov.example.net"));
  for (const std::string& line : lines) EXPECT_EQ(line.find("hunter2"), std::string::npos);
}

// The command-line tool applies a document before it lists, in one process.
TEST_F(ParameterListingTest, ToolAppliesADocumentAndListsAGroup) {
  std::string command = std::string(VX_PARAMS_TOOL) + " --config " + dataFile("oampml/full.xml") + " SIP";
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(::popen(command.c_str(), "r"), ::pclose);
  ASSERT_TRUE(pipe);
  std::string output;
  std::array<char, 4096> chunk;
  while (std::size_t n = std::fread(chunk.data(), 1, chunk.size(), pipe.get())) output.append(chunk.data(), n);
  EXPECT_EQ(::pclose(pipe.release()), 0);

  EXPECT_NE(output.find("SIP.UserAgentURI=sip:alice@example.net\n"), std::string::npos) << output;
  EXPECT_NE(output.find("SIP.RegisterInterval=1800\n"), std::string::npos);
  EXPECT_NE(output.find("SIP.RegistrationPassword=********\n"), std::string::npos);
  EXPECT_EQ(output.find("s3cret"), std::string::npos);
  EXPECT_EQ(output.find("Login."), std::string::npos);
  // The other groups were saved by the tool into this test's registry.
  EXPECT_EQ(storedDword<CVXHandsetParam>("Vid"), 16u);

  std::string rejected = std::string(VX_PARAMS_TOOL) + " --config " + dataFile("oampml/bad-root.xml") + " 2>/dev/null";
  int status = std::system(rejected.c_str());
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1);
}

}  // namespace
}  // namespace vx
