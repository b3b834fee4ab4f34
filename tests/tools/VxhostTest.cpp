// The control as a user meets it: registered by vxregsvr, created by ProgID through the
// registry and driven by vxhost.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "tests/support/RunTool.hpp"
#include "tests/support/TempRegistry.hpp"

namespace {

using vx::test::ToolRun;

ToolRun run(const std::string& command) { return vx::test::runTool(command, "2>&1"); }

std::string readFile(const std::string& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

const std::string kRegsvr = VXREGSVR_PATH;
const std::string kHost = VXHOST_PATH;
const std::string kControl = VXSIPAX_PATH;

class VxhostTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(run(kRegsvr + " " + kControl).exitCode, 0); }
  vx::test::TempRegistry registry_;
};

TEST_F(VxhostTest, RegistrationWritesTheClassesHiveAndUnregistrationEmptiesIt) {
  std::string hive = readFile(registry_.hiveFile("HKEY_CLASSES_ROOT"));
  EXPECT_NE(hive.find("[HKEY_CLASSES_ROOT\\CLSID\\{4E2A9D31-7B06-4C5F-A1E8-93D0B62F5C17}\\InprocServer32]\r\n@=\"/"),
            std::string::npos);
  EXPECT_NE(hive.find("libVXSipAx.so\"\r\n\"ThreadingModel\"=\"Apartment\""), std::string::npos);
  EXPECT_NE(hive.find("[HKEY_CLASSES_ROOT\\VXSIPAx.VXSIP\\CurVer]\r\n@=\"VXSIPAx.VXSIP.1\""), std::string::npos);

  ASSERT_EQ(run(kRegsvr + " /u " + kControl).exitCode, 0);
  hive = readFile(registry_.hiveFile("HKEY_CLASSES_ROOT"));
  EXPECT_EQ(hive.find("4E2A9D31"), std::string::npos) << hive;
  EXPECT_EQ(hive.find("VXSIPAx"), std::string::npos) << hive;
  EXPECT_EQ(run(kHost + " -e 'get Version'").exitCode, 3) << "created without registration";
}

TEST_F(VxhostTest, CreatesTheControlByProgIdAndReadsItsVersion) {
  ToolRun r = run(kHost + " -e 'get Version' -e 'get VersionNumber'");
  EXPECT_EQ(r.exitCode, 0) << r.output;
  EXPECT_EQ(r.output, "Version = VXPhoneSIP W32 5.05.69 OD\nVersionNumber = 84231424\n");

  r = run(kHost + " --clsid {4E2A9D31-7B06-4C5F-A1E8-93D0B62F5C17} -e 'get Version'");
  EXPECT_EQ(r.exitCode, 0) << r.output;
}

TEST_F(VxhostTest, ExitCodesTellFailuresFromTimeOuts) {
  ToolRun r = run(kHost + " -e 'call Destroy' -e 'try get Version' -e 'get VersionNumber' -e 'get Version'");
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_NE(r.output.find("Version failed: 0x80004005 ERROR_DESTROYED (128): The object is destroyed. No methods "
                          "can be invoked.\n"),
            std::string::npos)
      << r.output;
  EXPECT_TRUE(r.output.ends_with("VersionNumber failed: 0x80004005 ERROR_DESTROYED (128): The object is destroyed. "
                                 "No methods can be invoked.\n"))
      << "a failure did not stop the script: " << r.output;

  r = run(kHost + " -e 'wait OnCallStateChanged LineNo=0 1'");
  EXPECT_EQ(r.exitCode, 2) << r.output;
  EXPECT_EQ(run(kHost + " --script /nonexistent").exitCode, 3);
  EXPECT_EQ(run(kHost + " -e 'frobnicate'").exitCode, 3);
}

TEST_F(VxhostTest, ScriptsComeFromStandardInput) {
  ToolRun r = run("printf '# a comment\\n\\nget Version\\nsleep 10\\n' | " + kHost + " --script -");
  EXPECT_EQ(r.exitCode, 0) << r.output;
  EXPECT_EQ(r.output, "Version = VXPhoneSIP W32 5.05.69 OD\n");
}

}  // namespace

namespace {

const std::string kData = VX_TEST_DATA_DIR;

TEST_F(VxhostTest, ConfigDocumentReachesTheControlsParametersWithPasswordsMasked) {
  ToolRun r = run(kHost + " --config " + kData + "/oampml/full.xml -e 'params SIP'");
  EXPECT_EQ(r.exitCode, 0) << r.output;
  EXPECT_NE(r.output.find("SIP.UserAgentURI=sip:alice@example.net\n"), std::string::npos) << r.output;
  EXPECT_NE(r.output.find("SIP.RegistrationPassword=********\n"), std::string::npos) << r.output;
  EXPECT_EQ(r.output.find("s3cret"), std::string::npos) << "a password was printed";

  r = run(kHost + " --config " + kData + "/oampml/bad-root.xml -e 'get Version'");
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_NE(r.output.find("SetConfigurationFile failed: 0x80004005 ERROR_INVALIDVALUE (114): The supplied "
                          "configuration file is invalid"),
            std::string::npos)
      << r.output;

  r = run(kHost + " -e 'params NoSuchGroup'");
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_NE(r.output.find("params: no group NoSuchGroup (groups: "), std::string::npos) << r.output;
}

}  // namespace
