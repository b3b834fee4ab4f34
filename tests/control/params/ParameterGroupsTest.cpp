#include <gtest/gtest.h>
#include <tinyxml.h>

#include <cstring>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "control/params/CVXStorageXml.hpp"
#include "control/params/ConfigurationDocument.hpp"
#include "control/params/ParameterListing.hpp"
#include "control/params/StringCrypt.hpp"
#include "runtime/log/Assert.hpp"
#include "tests/control/params/ParamsFixture.hpp"
#include "tests/runtime/log/LogCapture.hpp"

namespace vx {
namespace {

using namespace test;

std::vector<std::string> dataLines(const std::string& name) {
  std::ifstream in(dataFile(name));
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line[0] != '#') lines.push_back(line);
  }
  return lines;
}

template <std::size_t N>
void setText(char (&field)[N], const std::string& text) {
  ASSERT_LT(text.size(), N);
  std::memcpy(field, text.c_str(), text.size() + 1);
}

// An element that gives every parameter of a group a value other than its default.
template <typename G>
std::unique_ptr<TiXmlElement> elementWithEveryValueChanged() {
  auto element = std::make_unique<TiXmlElement>(G::kTraits.element);
  for (const auto& parameter : G::Instance()->Parameters()) {
    TiXmlElement* parent = element.get();
    if (!parameter->Section().empty()) {
      parent = element->FirstChildElement(parameter->Section().c_str());
      if (!parent) parent = element->LinkEndChild(new TiXmlElement(parameter->Section().c_str()))->ToElement();
    }
    std::string value;
    if (auto* number = dynamic_cast<const CVXArchiveParameterULong*>(parameter.get())) {
      value = std::to_string(number->Default() + 7);
    } else {
      value = "v" + parameter->Key();
    }
    TiXmlElement key(parameter->Key().c_str());
    key.InsertEndChild(TiXmlText(value.c_str()));
    parent->InsertEndChild(key);
  }
  return element;
}

template <typename G>
std::vector<std::string> defaultLines() {
  std::vector<std::string> lines;
  for (const std::string& line : dataLines("params/defaults.txt")) {
    if (line.rfind(std::string(G::kTraits.element) + ".", 0) == 0) lines.push_back(line);
  }
  return lines;
}

class GroupDefaultsTest : public ParamsTest {};

TEST_F(GroupDefaultsTest, EveryKeyHasItsDefaultInOrder) {
  EXPECT_EQ(ListParameters(), dataLines("params/defaults.txt"));
}

TEST_F(GroupDefaultsTest, TextsAreCutToTheirCapacity) {
  for (const std::string& row : dataLines("params/capacities.txt")) {
    std::string name = row.substr(0, row.find(' '));
    std::size_t capacity = std::stoul(row.substr(row.find(' ') + 1));
    std::string group = name.substr(0, name.find('.'));
    std::string key = name.substr(name.find('.') + 1);
    std::string element = "<" + key + ">" + std::string(5000, 'w') + "</" + key + ">";
    std::string document = group == "Login" ? "<OAMPML><Login>" + element + "</Login></OAMPML>"
                                            : "<OAMPML><Parameters><" + group + ">" + element + "</" + group +
                                                  "></Parameters></OAMPML>";
    ASSERT_TRUE(ApplyConfigurationText(document)) << name;
    std::string expected = name + "=" + std::string(capacity - 1, 'w');
    auto lines = ListParameters(group);
    EXPECT_NE(std::find(lines.begin(), lines.end(), expected), lines.end()) << name;
  }
  ASSERT_TRUE(ApplyConfigurationText("<OAMPML><Parameters><SIP><RegistrationPassword>" + std::string(300, 'p') +
                                     "</RegistrationPassword><RegistrationPassword2>" + std::string(300, 'p') +
                                     "</RegistrationPassword2></SIP></Parameters></OAMPML>"));
  EXPECT_EQ(std::strlen(CVXSIPParam::Instance()->RegistrationPassword), 127u);
  EXPECT_EQ(std::strlen(CVXSIPParam::Instance()->RegistrationPassword2), 127u);
}

TEST_F(GroupDefaultsTest, HandsetIsLeftToAnotherServiceThatOwnsIt) {
  CVXHandsetParam::SetForeignServiceProbe([] { return true; });
  CVXHandsetParam* handset = CVXHandsetParam::Instance();
  EXPECT_EQ(handset->Enable, 0u);
  handset->Enable = 1;
  handset->Save("Enable");
  EXPECT_EQ(storedDword<CVXHandsetParam>("Enable"), 1u);
}

// Every group kept in the registry saves, reloads and resets each of its keys.
template <typename G>
class RegistryGroupTest : public ParamsTest {};

using RegistryGroups = ::testing::Types<CVXApplicationParam, CVXSystemParam, CVXNatParam, CVXNetworkParam,
                                        CVXHandsetParam, CVXAudioParam, CVXLoginParam>;
TYPED_TEST_SUITE(RegistryGroupTest, RegistryGroups);

TYPED_TEST(RegistryGroupTest, SavesReloadsAndResetsEveryKey) {
  using G = TypeParam;
  const char* group = G::kTraits.element;
  const std::vector<std::string> defaults = defaultLines<G>();
  ASSERT_EQ(ListParameters(group), defaults);
  EXPECT_EQ(G::Instance()->Storage().Name(), std::string("CVXStorageRegistry"));

  auto element = elementWithEveryValueChanged<G>();
  G::Instance()->Import(element.get());
  const std::vector<std::string> changed = ListParameters(group);
  ASSERT_EQ(changed.size(), defaults.size());
  for (std::size_t i = 0; i < changed.size(); ++i) EXPECT_NE(changed[i], defaults[i]);

  std::size_t sectionValues = 0;
  for (const auto& parameter : G::Instance()->Parameters()) sectionValues += !parameter->Section().empty();
  EXPECT_EQ(storedNames<G>().size() + (sectionValues ? storedNames<G>("Rtp").size() : 0), defaults.size());

  G::Release();
  EXPECT_EQ(ListParameters(group), changed);

  G::Instance()->ResetAll();
  EXPECT_EQ(ListParameters(group), defaults);
  EXPECT_TRUE(storedNames<G>().empty());
  EXPECT_TRUE(storedNames<G>("Rtp").empty());
  G::Release();
  EXPECT_EQ(ListParameters(group), defaults);
}

class SipGroupTest : public ParamsTest {};

TEST_F(SipGroupTest, ValuesLiveInMemoryOnly) {
  auto element = elementWithEveryValueChanged<CVXSIPParam>();
  CVXSIPParam* sip = CVXSIPParam::Instance();
  EXPECT_EQ(sip->Storage().Name(), std::string("CVXStorageDummy"));
  sip->Import(element.get());
  setText(sip->UserAgentName, "Alice Example");
  sip->Save("UserAgentName");
  sip->SaveAll();
  EXPECT_EQ(std::string(sip->UserAgentName), "Alice Example");
  EXPECT_EQ(sip->UseRPort, 8u);

  for (const char* hive : {"HKEY_LOCAL_MACHINE", "HKEY_CURRENT_USER"}) {
    std::string text = readFile(registry_.hiveFile(hive));
    EXPECT_EQ(text.find("Orvi Media\\SIP]"), std::string::npos) << hive;
    EXPECT_EQ(text.find("Alice"), std::string::npos) << hive;
    EXPECT_EQ(text.find("vUserAgentURI"), std::string::npos) << hive;
  }
  CVXSIPParam::Release();
  EXPECT_EQ(ListParameters("SIP"), defaultLines<CVXSIPParam>());
}

TEST_F(SipGroupTest, RegistrySwitchSelectsTheStorageAtCreation) {
  CVXSIPParam::UseRegistry(true);
  CVXSIPParam* sip = CVXSIPParam::Instance();
  EXPECT_EQ(sip->Storage().Name(), std::string("CVXStorageRegistry"));
  sip->RegisterInterval = 600;
  sip->Save("RegisterInterval");
  EXPECT_EQ(storedDword<CVXSIPParam>("RegisterInterval"), 600u);

  CVXNatParam::UseRegistry(false);
  CVXNatParam* nat = CVXNatParam::Instance();
  EXPECT_EQ(nat->Storage().Name(), std::string("CVXStorageDummy"));
  nat->HasNAT = 1;
  nat->SaveAll();
  CVXNatParam::UseRegistry(true);
  CVXNatParam::Release();
  EXPECT_EQ(CVXNatParam::Instance()->HasNAT, 0u);
  EXPECT_EQ(storedDword<CVXNatParam>("HasNAT"), std::nullopt);
}

class RegistryStorageTest : public ParamsTest {};

TEST_F(RegistryStorageTest, AValueSetBackToItsDefaultLeavesTheHive) {
  CVXNetworkParam* network = CVXNetworkParam::Instance();
  network->Tos = 5;
  network->Save("Tos");
  EXPECT_EQ(storedDword<CVXNetworkParam>("Tos"), 5u);
  network->Tos = 0;
  network->Save("Tos");
  EXPECT_EQ(storedDword<CVXNetworkParam>("Tos"), std::nullopt);

  CVXApplicationParam* app = CVXApplicationParam::Instance();
  setText(app->AlphaRed, "12");
  app->Save("AlphaRed");
  EXPECT_EQ(storedString<CVXApplicationParam>("AlphaRed"), "12");
  setText(app->AlphaRed, "177");
  app->Save("AlphaRed");
  EXPECT_EQ(storedString<CVXApplicationParam>("AlphaRed"), std::nullopt);
  EXPECT_EQ(readFile(registry_.hiveFile("HKEY_CURRENT_USER")).find("AlphaRed"), std::string::npos);
  EXPECT_EQ(readFile(registry_.hiveFile("HKEY_LOCAL_MACHINE")).find("\"Tos\""), std::string::npos);
}

TEST_F(RegistryStorageTest, LoadingAValueEqualToItsDefaultRemovesIt) {
  storeDword<CVXLoginParam>("Status", 400);
  storeString<CVXApplicationParam>("AlphaGreen", "194");
  storeString<CVXApplicationParam>("AlphaBlue", "1");
  EXPECT_EQ(CVXLoginParam::Instance()->Status, 400u);
  EXPECT_EQ(std::string(CVXApplicationParam::Instance()->AlphaBlue), "1");
  EXPECT_EQ(storedDword<CVXLoginParam>("Status"), std::nullopt);
  EXPECT_EQ(storedString<CVXApplicationParam>("AlphaGreen"), std::nullopt);
  EXPECT_EQ(storedString<CVXApplicationParam>("AlphaBlue"), "1");
}

TEST_F(RegistryStorageTest, MistypedAndOverlongValuesGiveTheDefault) {
  storeString<CVXLoginParam>("Status", "200");
  storeDword<CVXApplicationParam>("AlphaRed", 7);
  storeString<CVXNatParam>("NATExternalIP", std::string(40, '1'));
  storeDword<CVXNatParam>("NATMask", 0xFF);
  EXPECT_EQ(CVXLoginParam::Instance()->Status, 400u);
  EXPECT_EQ(std::string(CVXApplicationParam::Instance()->AlphaRed), "177");
  EXPECT_EQ(std::string(CVXNatParam::Instance()->NATExternalIP), "");
  EXPECT_EQ(CVXNatParam::Instance()->NATMask, 0xFFu);
}

TEST_F(RegistryStorageTest, SectionsKeepTheirOwnValues) {
  CVXNetworkParam* network = CVXNetworkParam::Instance();
  network->Tos = 1;
  network->RtpTos = 2;
  network->Save("Tos");  // the first "Tos" is the one without a section
  EXPECT_EQ(storedDword<CVXNetworkParam>("Tos"), 1u);
  EXPECT_EQ(storedDword<CVXNetworkParam>("Tos", "Rtp"), std::nullopt);
  network->Save("Rtp", "Tos");
  EXPECT_EQ(storedDword<CVXNetworkParam>("Tos", "Rtp"), 2u);

  network->Reset("Rtp", "Tos");
  EXPECT_EQ(network->RtpTos, 0u);
  EXPECT_EQ(network->Tos, 1u);
  EXPECT_EQ(storedDword<CVXNetworkParam>("Tos", "Rtp"), std::nullopt);
  network->Reset("Tos");
  EXPECT_EQ(network->Tos, 0u);
  EXPECT_EQ(storedDword<CVXNetworkParam>("Tos"), std::nullopt);
}

class CryptedServerTest : public ParamsTest {};

TEST_F(CryptedServerTest, RoundTripsEveryLengthUpTo127) {
  for (std::size_t length = 0; length <= 127; ++length) {
    std::string server;
    for (std::size_t i = 0; i < length; ++i) server += "abcdefghijklmnopqrstuvwxyz0123456789.-/:"[i % 40];
    CVXLoginParam* login = CVXLoginParam::Instance();
    setText(login->Server, server);
    login->Save("Server");
    if (length == 0) {
      EXPECT_EQ(storedString<CVXLoginParam>("Server"), std::nullopt);
    } else {
      EXPECT_EQ(storedString<CVXLoginParam>("Server"), EncryptString(server)) << length;
    }
    CVXLoginParam::Release();
    EXPECT_EQ(std::string(CVXLoginParam::Instance()->Server), server) << "length " << length;
  }
}

TEST_F(CryptedServerTest, HostileStoredFormsStayInsideTheField) {
  // Sixteen blocks without a zero byte: everything that fits is kept, and the text ends.
  std::string full = EncryptString(std::string(128, 'q')).substr(0, 256);
  storeString<CVXLoginParam>("Server", full);
  EXPECT_EQ(std::string(CVXLoginParam::Instance()->Server), std::string(127, 'q'));

  CVXLoginParam::Release();
  storeString<CVXLoginParam>("Server", std::string(300, 'A'));  // longer than any stored form
  EXPECT_EQ(std::string(CVXLoginParam::Instance()->Server), "");

  CVXLoginParam::Release();
  storeString<CVXLoginParam>("Server", "not hex");
  EXPECT_EQ(std::string(CVXLoginParam::Instance()->Server), "");
}

class SecretsTest : public ParamsTest {};

TEST_F(SecretsTest, PasswordsNeverReachTheLogInClear) {
  LogCapture log(2);
  CVXSIPParam::UseRegistry(true);
  CVXSIPParam* sip = CVXSIPParam::Instance();
  setText(sip->RegistrationPassword, "hunter2-secret");
  sip->Save("RegistrationPassword");
  sip->SaveAll();
  CVXSIPParam::Release();
  EXPECT_EQ(std::string(CVXSIPParam::Instance()->RegistrationPassword), "hunter2-secret");
  ASSERT_TRUE(ApplyConfigurationText(
      "<OAMPML><Parameters><SIP><RegistrationPassword2>other-secret</RegistrationPassword2></SIP></Parameters>"
      "</OAMPML>"));

  std::string text = log.text();
  EXPECT_EQ(text.find("hunter2"), std::string::npos);
  EXPECT_EQ(text.find("other-secret"), std::string::npos);
  EXPECT_NE(text.find("RegistrationPassword -> (String) ********"), std::string::npos);
  EXPECT_NE(text.find("RegistrationPassword <- (String) ********"), std::string::npos);
  EXPECT_NE(text.find("RegistrationPassword2 <- (String) ********"), std::string::npos);
}

class GroupAssertTest : public ParamsTest {};

TEST_F(GroupAssertTest, ReadOnlyGroupsAndUnknownKeysRaiseAssertions) {
  struct Case {
    const char* what;
    bool readOnly;
    void (*action)(CVXNetworkParam&);
    const char* source;
    int line;
  };
  const Case cases[] = {
      {"SaveAll", true, [](CVXNetworkParam& g) { g.SaveAll(); }, "VXArchiveT", 122},
      {"Save(key)", true, [](CVXNetworkParam& g) { g.Save("Tos"); }, "VXArchiveT", 145},
      {"Save(unknown)", false, [](CVXNetworkParam& g) { g.Save("Nope"); }, "VXArchiveT", 152},
      {"Save(section, key)", true, [](CVXNetworkParam& g) { g.Save("Rtp", "Tos"); }, "VXArchiveT", 162},
      {"Save(wrong section)", false, [](CVXNetworkParam& g) { g.Save("Udp", "Tos"); }, "VXArchiveT", 169},
      {"ResetAll", true, [](CVXNetworkParam& g) { g.ResetAll(); }, "VXArchiveT", 179},
      {"Reset(key)", true, [](CVXNetworkParam& g) { g.Reset("Tos"); }, "VXArchiveT", 195},
      {"Reset(unknown)", false, [](CVXNetworkParam& g) { g.Reset("Nope"); }, "VXArchiveT", 202},
      {"Reset(section, key)", true, [](CVXNetworkParam& g) { g.Reset("Rtp", "Tos"); }, "VXArchiveT", 213},
      {"Reset(wrong section)", false, [](CVXNetworkParam& g) { g.Reset("Udp", "Tos"); }, "VXArchiveT", 221},
  };
  CVXNetworkParam* network = CVXNetworkParam::Instance();
  network->Tos = 9;
  network->RtpTos = 9;
  for (const Case& c : cases) {
    ShownAsserts shown;
    network->SetReadOnly(c.readOnly);
    c.action(*network);
    network->SetReadOnly(false);
    ASSERT_EQ(shown.texts.size(), 1u) << c.what;
    EXPECT_NE(shown.texts[0].find(std::string("File : ") + c.source + "\n"), std::string::npos) << c.what;
    EXPECT_NE(shown.texts[0].find("Line : " + std::to_string(c.line) + "\n"), std::string::npos) << c.what;
  }
  // Nothing was written or reset while the group was read only.
  EXPECT_TRUE(storedNames<CVXNetworkParam>().empty());
  EXPECT_EQ(network->Tos, 9u);
  EXPECT_EQ(network->RtpTos, 9u);
}

TEST_F(GroupAssertTest, AssertModeComesFromTheSystemGroup) {
  CVXSystemParam* system = CVXSystemParam::Instance();
  struct Case {
    DWORD mode;
    std::size_t shown;
  };
  for (Case c : {Case{kAssertSilent, 0}, Case{kAssertLogOnly, 0}, Case{kAssertDialog, 1}}) {
    system->AssertMode = c.mode;
    ShownAsserts shown;
    Assert("Test.cpp", 1, nullptr);
    EXPECT_EQ(shown.texts.size(), c.shown) << "AssertMode " << c.mode;
  }
  // A released group is created again, from the registry, by the next assertion.
  storeDword<CVXSystemParam>("AssertMode", kAssertSilent);
  CVXSystemParam::Release();
  ShownAsserts shown;
  Assert("Test.cpp", 2, nullptr);
  EXPECT_TRUE(shown.texts.empty());
}

}  // namespace
}  // namespace vx
