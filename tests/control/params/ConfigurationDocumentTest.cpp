#include "control/params/ConfigurationDocument.hpp"

#include <gtest/gtest.h>
#include <tinyxml.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "control/params/ParameterListing.hpp"
#include "control/params/StringCrypt.hpp"
#include "tests/control/params/ParamsFixture.hpp"
#include "tests/runtime/log/LogCapture.hpp"

namespace vx {
namespace {

using namespace test;

template <typename G>
std::vector<std::string> sortedNames(const char* section = nullptr) {
  std::vector<std::string> names = storedNames<G>(section);
  std::sort(names.begin(), names.end());
  return names;
}

using Names = std::vector<std::string>;

// The full document applied from its file (false) or from its text (true).
class FullDocumentTest : public ParamsTest, public ::testing::WithParamInterface<bool> {};

TEST_P(FullDocumentTest, StoresOnlyWhatDiffersFromTheDefaults) {
  std::string path = dataFile("oampml/full.xml");
  ASSERT_TRUE(GetParam() ? ApplyConfigurationText(readFile(path)) : ApplyConfigurationFile(path.c_str()));

  EXPECT_EQ(sortedNames<CVXLoginParam>(), (Names{"Message", "Server", "Status"}));
  EXPECT_EQ(sortedNames<CVXAudioParam>(), (Names{"Playback", "UseAEC"}));
  EXPECT_EQ(sortedNames<CVXApplicationParam>(), (Names{"VoiceMailNumber"}));
  EXPECT_EQ(sortedNames<CVXHandsetParam>(), (Names{"Pid", "Vid"}));
  EXPECT_EQ(sortedNames<CVXNatParam>(), (Names{"HasNAT", "NATExternalIP"}));
  EXPECT_EQ(sortedNames<CVXNetworkParam>(), Names{});
  EXPECT_EQ(sortedNames<CVXNetworkParam>("Rtp"), (Names{"PortMax", "PortMin"}));
  EXPECT_EQ(sortedNames<CVXSystemParam>(), (Names{"LogCryptPwd"}));
  EXPECT_EQ(readFile(registry_.hiveFile("HKEY_LOCAL_MACHINE")).find("Orvi Media\\SIP]"), std::string::npos);

  EXPECT_EQ(storedDword<CVXLoginParam>("Status"), 200u);
  EXPECT_EQ(storedString<CVXLoginParam>("Server"), EncryptString("https://provisioning.example.net/login"));
  EXPECT_EQ(storedDword<CVXAudioParam>("UseAEC"), 1u);
  EXPECT_EQ(storedDword<CVXHandsetParam>("Vid"), 16u);
  EXPECT_EQ(storedDword<CVXHandsetParam>("Pid"), 8u);
  EXPECT_EQ(storedDword<CVXNetworkParam>("PortMax", "Rtp"), 20100u);
  EXPECT_EQ(storedDword<CVXSystemParam>("LogCryptPwd"), 0u);

  CVXSIPParam* sip = CVXSIPParam::Instance();
  EXPECT_EQ(std::string(sip->UserAgentURI), "sip:alice@example.net");
  EXPECT_EQ(std::string(sip->RegistrationPassword), "s3cret");
  EXPECT_EQ(sip->RegisterInterval, 1800u);

  // What the groups hold now survives a reload, except the SIP values kept in memory.
  std::vector<std::string> applied = ListParameters();
  releaseAllGroups();
  std::vector<std::string> reloaded = ListParameters();
  ASSERT_EQ(reloaded.size(), applied.size());
  for (std::size_t i = 0; i < applied.size(); ++i) {
    if (applied[i].rfind("SIP.", 0) != 0) {
      EXPECT_EQ(reloaded[i], applied[i]);
    }
  }
  EXPECT_EQ(CVXSIPParam::Instance()->RegisterInterval, 3600u);
}

INSTANTIATE_TEST_SUITE_P(FromFileAndText, FullDocumentTest, ::testing::Bool());

class ConfigurationDocumentTest : public ParamsTest {
 protected:
  // Values that a document must not disturb unless it names them.
  void presetOtherGroups() {
    CVXAudioParam::Instance()->UseAEC = 1;
    CVXAudioParam::Instance()->SaveAll();
    std::strcpy(CVXSIPParam::Instance()->UserAgentName, "Kept");
  }
};

TEST_F(ConfigurationDocumentTest, DocumentWithoutParametersChangesOnlyTheLogin) {
  presetOtherGroups();
  std::vector<std::string> before = ListParameters();
  ASSERT_TRUE(ApplyConfigurationFile(dataFile("oampml/no-parameters.xml").c_str()));

  std::vector<std::string> after = ListParameters();
  ASSERT_EQ(after.size(), before.size());
  for (std::size_t i = 0; i < after.size(); ++i) {
    if (after[i].rfind("Login.", 0) != 0) {
      EXPECT_EQ(after[i], before[i]);
    }
  }
  EXPECT_EQ(CVXLoginParam::Instance()->Status, 401u);
  EXPECT_EQ(std::string(CVXLoginParam::Instance()->Message), "Wrong password");
  EXPECT_EQ(storedDword<CVXAudioParam>("UseAEC"), 1u);
}

TEST_F(ConfigurationDocumentTest, RejectedDocumentsChangeNothing) {
  std::string deep;
  for (int i = 0; i < 200000; ++i) deep += "<a>";
  struct Case {
    const char* what;
    std::function<bool()> apply;
    std::string logged;
  };
  std::string malformed = dataFile("oampml/malformed.xml");
  std::string missing = dataFile("oampml/missing.xml");
  const Case cases[] = {
      {"wrong root", [] { return ApplyConfigurationFile(dataFile("oampml/bad-root.xml").c_str()); },
       "Invalid XML response format"},
      {"wrong root as text", [] { return ApplyConfigurationText(readFile(dataFile("oampml/bad-root.xml"))); },
       "Invalid XML response format"},
      {"cut short", [&] { return ApplyConfigurationFile(malformed.c_str()); },
       "Error during XML decoding, file(" + malformed + ")"},
      {"no such file", [&] { return ApplyConfigurationFile(missing.c_str()); },
       "Error during XML decoding, file(" + missing + ")"},
      {"empty text", [] { return ApplyConfigurationText(""); }, "Error during XML decoding, size(0)"},
      {"not XML", [] { return ApplyConfigurationText("Status=200"); }, "Error during XML decoding, size(10)"},
      {"nested too deep", [&] { return ApplyConfigurationText("<OAMPML>" + deep); },
       "Error during XML decoding, size(" + std::to_string(deep.size() + 8) + ")"},
      {"too big", [] { return ApplyConfigurationText("<OAMPML>" + std::string(2 << 20, ' ') + "</OAMPML>"); },
       "Error during XML decoding, size(" + std::to_string((2 << 20) + 17) + ")"},
  };
  presetOtherGroups();
  std::vector<std::string> before = ListParameters();
  std::string hive = readFile(registry_.hiveFile("HKEY_LOCAL_MACHINE"));
  for (const Case& c : cases) {
    LogCapture log(2);
    EXPECT_FALSE(c.apply()) << c.what;
    EXPECT_NE(log.text().find(c.logged), std::string::npos) << c.what << "\n" << log.text();
    EXPECT_EQ(ListParameters(), before) << c.what;
    EXPECT_EQ(readFile(registry_.hiveFile("HKEY_LOCAL_MACHINE")), hive) << c.what;
  }
}

TEST_F(ConfigurationDocumentTest, GroupsAreAppliedInTheirFixedOrder) {
  LogCapture log(2);
  ASSERT_TRUE(ApplyConfigurationFile(dataFile("oampml/full.xml").c_str()));
  std::string text = log.text();
  const char* order[] = {"VXLoginParam", "VXSIPParam",     "VXAudioParam",   "VXApplicationParam",
                         "SVXHandsetParam", "VXNatParam", "VXNetworkParam", "VXSystemParam"};
  std::size_t at = 0;
  for (const char* group : order) {
    std::size_t found = text.find(std::string("Loading ") + group + " parameters from CVXStorageXml...", at);
    ASSERT_NE(found, std::string::npos) << group << " missing or out of order";
    at = found;
  }
}

TEST_F(ConfigurationDocumentTest, HandsOverTheStepsThatBelongElsewhere) {
  struct Seen {
    int parsed = 0;
    std::vector<std::string> billing;
    std::vector<std::string> finished;
  } seen;
  ConfigurationSteps steps;
  steps.parsed = [&](const TiXmlDocument&) { ++seen.parsed; };
  steps.billing = [&](const TiXmlElement* billing) {
    const TiXmlElement* currency = billing ? billing->FirstChildElement("Currency") : nullptr;
    seen.billing.push_back(currency && currency->GetText() ? currency->GetText() : "(none)");
  };
  steps.finish = [&](const TiXmlElement* root) { seen.finished.push_back(root->Value()); };

  EXPECT_TRUE(ApplyConfigurationFile(dataFile("oampml/full.xml").c_str(), steps));
  EXPECT_TRUE(ApplyConfigurationText("<OAMPML><Parameters/></OAMPML>", steps));
  EXPECT_TRUE(ApplyConfigurationFile(dataFile("oampml/no-parameters.xml").c_str(), steps));
  EXPECT_FALSE(ApplyConfigurationFile(dataFile("oampml/bad-root.xml").c_str(), steps));
  EXPECT_FALSE(ApplyConfigurationFile(dataFile("oampml/malformed.xml").c_str(), steps));

  EXPECT_EQ(seen.parsed, 4);  // every document that parsed, the wrong root included
  EXPECT_EQ(seen.billing, (std::vector<std::string>{"EUR", "(none)"}));
  EXPECT_EQ(seen.finished, (std::vector<std::string>{"OAMPML", "OAMPML", "OAMPML"}));
}

}  // namespace
}  // namespace vx
