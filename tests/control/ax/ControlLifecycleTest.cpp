#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "control/ax/ConfigurationSheet.hpp"
#include "control/ax/Logo.hpp"
#include "control/params/CVXApplicationParam.hpp"
#include "control/params/CVXAudioParam.hpp"
#include "control/params/CVXSIPParam.hpp"
#include "platform/ui/MessageBox.hpp"
#include "tests/control/ax/ControlFixture.hpp"
#include "tests/runtime/log/LogCapture.hpp"

namespace vx::test {
namespace {

constexpr const char* kDestroyedText = "The object is destroyed. No methods can be invoked.";
constexpr const char* kNotInitializedText = "A successful Initialize call must occur before using this function.";

struct ShownBoxes {
  std::vector<std::pair<std::string, std::string>> boxes;  // text, caption
  ShownBoxes() {
    SetMessageBoxBackend([this](HWND, const std::string& text, const std::string& caption, UINT) {
      boxes.emplace_back(text, caption);
      return IDOK;
    });
  }
  ~ShownBoxes() { SetMessageBoxBackend(nullptr); }
};

TEST_F(ControlTest, VersionAndVersionNumber) {
  Variant version, number;
  EXPECT_EQ(invoke("Version", DISPATCH_PROPERTYGET, {}, &version), S_OK);
  EXPECT_EQ(invoke("VersionNumber", DISPATCH_PROPERTYGET, {}, &number), S_OK);
  EXPECT_EQ(version, Variant::String("VXPhoneSIP W32 5.05.69 OD"));
  EXPECT_EQ(number, Variant::String("84231424"));
}

TEST_F(ControlTest, AfterDestroyEveryMemberFailsAndDestroyStillSucceeds) {
  EXPECT_EQ(invoke("Destroy", DISPATCH_METHOD), S_OK);
  struct Case {
    const char* name;
    WORD kind;
    std::vector<Variant> args;
  };
  const Case cases[] = {
      {"Initialize", DISPATCH_METHOD, {Variant::I4(0)}},
      {"Uninitialize", DISPATCH_METHOD, {}},
      {"Configure", DISPATCH_METHOD, {Variant::I4(1), Variant::String("title")}},
      {"Version", DISPATCH_PROPERTYGET, {}},
      {"VersionNumber", DISPATCH_PROPERTYGET, {}},
      {"GetNumLines", DISPATCH_METHOD, {}},
      {"Call", DISPATCH_METHOD, {Variant::I4(0), Variant::String("100"), Variant::I4(0), Variant::I4(1)}},
      {"Answer", DISPATCH_METHOD, {Variant::I4(0), Variant::I4(1)}},
      {"Drop", DISPATCH_METHOD, {Variant::I4(0), Variant::I4(0), Variant::String("")}},
      {"CallState", DISPATCH_PROPERTYGET, {Variant::I4(0)}},
      {"LoginName", DISPATCH_PROPERTYPUT, {Variant::String("alice")}},
      {"LoginPassword", DISPATCH_PROPERTYGET, {}},
  };
  ShownBoxes shown;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(invoke(c.name, c.kind, c.args), E_FAIL);
    EXPECT_EQ(error(), ERROR_DESTROYED);
    EXPECT_EQ(errorString(), kDestroyedText);
  }
  EXPECT_EQ(invoke("Destroy", DISPATCH_METHOD), S_OK);
  EXPECT_EQ(error(), ERROR_NONE) << "Destroy resets the error";
  EXPECT_EQ(invoke("Destroy", DISPATCH_METHOD), S_OK);
}

TEST_F(ControlTest, ErrorAndErrorStringDoNotResetTheError) {
  EXPECT_EQ(invoke("CallState", DISPATCH_PROPERTYGET, {Variant::I4(0)}), E_FAIL);
  EXPECT_EQ(error(), ERROR_NOTINITIALISED);
  EXPECT_EQ(error(), ERROR_NOTINITIALISED);
  EXPECT_EQ(errorString(), kNotInitializedText);
  Variant version;
  invoke("Version", DISPATCH_PROPERTYGET, {}, &version);
  EXPECT_EQ(error(), ERROR_NONE) << "a member call resets the error";
}

TEST_F(ControlTest, FailedCallAnswerAndDropShowTheErrorUnlessSilent) {
  ShownBoxes shown;
  EXPECT_EQ(invoke("Call", DISPATCH_METHOD, {Variant::I4(0), Variant::String("100"), Variant::I4(0), Variant::I4(1)}),
            E_FAIL);
  EXPECT_EQ(invoke("Answer", DISPATCH_METHOD, {Variant::I4(0), Variant::I4(1)}), E_FAIL);
  EXPECT_EQ(invoke("Drop", DISPATCH_METHOD, {Variant::I4(0), Variant::I4(0), Variant::String("")}), E_FAIL);
  ASSERT_EQ(shown.boxes.size(), 3u);
  EXPECT_EQ(shown.boxes[0], std::make_pair(std::string(kNotInitializedText), std::string("SIP Orvi Phone SDK Ordane Call")));
  EXPECT_EQ(shown.boxes[1].second, "SIP Orvi Phone SDK Ordane Answer");
  EXPECT_EQ(shown.boxes[2].second, "SIP Orvi Phone SDK Ordane Drop");

  ASSERT_EQ(invoke("Initialize", DISPATCH_METHOD, {Variant::I4(INITFLAG_SILENT)}), S_OK);
  EXPECT_EQ(invoke("Drop", DISPATCH_METHOD, {Variant::I4(0), Variant::I4(399), Variant::String("")}), E_FAIL);
  EXPECT_EQ(error(), ERROR_INVALIDVALUE);
  EXPECT_EQ(shown.boxes.size(), 3u) << "a silent control showed a box";
  EXPECT_EQ(invoke("Drop", DISPATCH_METHOD, {Variant::I4(0), Variant::I4(486), Variant::String("")}), S_OK);
}

TEST_F(ControlTest, InitializeSizesTheLineTablesAndPassesTheSwitches) {
  ASSERT_EQ(invoke("Initialize", DISPATCH_METHOD, {Variant::I4(INITFLAG_SIGNALS | INITFLAG_NORING)}), S_OK);
  auto& ua = *FakeUserAgent::current;
  EXPECT_TRUE(ua.signals);
  EXPECT_TRUE(ua.noRing);
  Variant lines;
  invoke("GetNumLines", DISPATCH_METHOD, {}, &lines);
  EXPECT_EQ(lines, Variant::I4(2));

  // Initialize again restarts the engine with a new user agent.
  ASSERT_EQ(invoke("Initialize", DISPATCH_METHOD, {Variant::I4(0)}), S_OK);
  EXPECT_NE(FakeUserAgent::current.get(), &ua);
  EXPECT_EQ(invoke("Uninitialize", DISPATCH_METHOD), S_OK);
  EXPECT_EQ(invoke("CallState", DISPATCH_PROPERTYGET, {Variant::I4(0)}), E_FAIL);
  EXPECT_EQ(error(), ERROR_NOTINITIALISED);
}

struct SheetScript {
  static inline int shown = 0;
  static inline int cancelAfter = 0;
  static SheetResult run(std::int32_t, const std::string&) {
    return ++shown > cancelAfter ? SheetResult::Cancelled : SheetResult::Ok;
  }
};

// Each Initialize attempt makes a new user agent; the first `failures` of them fail.
struct FailingAttempts {
  static inline int failures = 0;
  static inline int attempts = 0;
  static inline tConfigurePage page = CONFIGUREPAGE_NONE;
  static std::shared_ptr<IVXUserAgent> create(IVXSIPNotify* notify) {
    auto ua = std::static_pointer_cast<FakeUserAgent>(FakeUserAgent::Create(notify));
    ua->failuresBeforeSuccess = ++attempts <= failures ? 1 : 0;
    ua->failurePage = page;
    return ua;
  }
};

TEST_F(ControlTest, FailingInitializeRetriesThroughTheSheetAndStopsWhenThereIsNothingToConfigure) {
  struct Case {
    const char* what;
    int failures;
    tConfigurePage page;
    int cancelAfter;
    HRESULT result;
    int attempts;
    int sheets;
  };
  const Case cases[] = {
      {"no page: one box, no retry", 5, CONFIGUREPAGE_NONE, 99, E_FAIL, 1, 0},
      {"page offered, user fixes it twice", 2, CONFIGUREPAGE_PROTOCOL, 99, S_OK, 3, 2},
      {"page offered, user cancels", 5, CONFIGUREPAGE_NETWORK, 1, E_FAIL, 2, 2},
  };
  SetConfigurationSheetRunner(SheetScript::run);
  CVXSIP::SetUserAgentFactory(FailingAttempts::create);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    SheetScript::shown = 0;
    SheetScript::cancelAfter = c.cancelAfter;
    FailingAttempts::failures = c.failures;
    FailingAttempts::attempts = 0;
    FailingAttempts::page = c.page;
    ShownBoxes shown;
    EXPECT_EQ(invoke("Initialize", DISPATCH_METHOD, {Variant::I4(0)}), c.result);
    EXPECT_EQ(FailingAttempts::attempts, c.attempts);
    EXPECT_EQ(SheetScript::shown, c.sheets);
    ASSERT_EQ(shown.boxes.size(), static_cast<size_t>(std::min(c.attempts, c.failures)));
    EXPECT_EQ(shown.boxes[0], std::make_pair(std::string("bad address"),
                                             std::string("SIP Orvi Phone SDK Ordane Initialization")));
  }
  SetConfigurationSheetRunner(nullptr);
}

TEST_F(ControlTest, PasswordsNeverReachTheTrace) {
  LogCapture log(2);
  EXPECT_EQ(invoke("LoginPassword", DISPATCH_PROPERTYPUT, {Variant::String("s3cr3t-pw")}), S_OK);
  Variant password;
  EXPECT_EQ(invoke("LoginPassword", DISPATCH_PROPERTYGET, {}, &password), S_OK);
  EXPECT_EQ(password, Variant::String("s3cr3t-pw"));
  std::string text = log.text();
  EXPECT_NE(text.find("LoginPassword"), std::string::npos) << "no trace lines at all";
  EXPECT_EQ(text.find("s3cr3t-pw"), std::string::npos) << text;
}

TEST_F(ControlTest, DispatchRefusesUnknownMembersAndBadArguments) {
  DISPID dispid = 0;
  EXPECT_EQ(control_->GetIDsOfNames("NoSuchMember", &dispid), DISP_E_UNKNOWNNAME);
  EXPECT_EQ(control_->GetIDsOfNames("versionnumber", &dispid), S_OK);
  EXPECT_EQ(dispid, 0x8b);
  std::vector<Variant> args{Variant::String("not a number")};
  EXPECT_EQ(control_->Invoke(0x1, DISPATCH_METHOD, args, nullptr), DISP_E_TYPEMISMATCH);
  std::vector<Variant> none;
  EXPECT_EQ(control_->Invoke(0x1, DISPATCH_METHOD, none, nullptr), DISP_E_BADPARAMCOUNT);
  EXPECT_EQ(control_->Invoke(0x57, DISPATCH_PROPERTYPUT, none, nullptr), DISP_E_MEMBERNOTFOUND);
}

}  // namespace
}  // namespace vx::test

namespace vx::test {
namespace {

TEST_F(ControlTest, ParameterGroupsLiveUntilTheLastControlGoes) {
  CVXSIP* second = new CVXSIP;
  std::snprintf(CVXAudioParam::Instance()->Playback, sizeof(VXAudioParam::Playback), "%s", "unsaved marker");
  EXPECT_EQ(invoke("Destroy", DISPATCH_METHOD), S_OK);
  EXPECT_STREQ(CVXAudioParam::Instance()->Playback, "unsaved marker") << "released while a control still lives";
  second->Destroy();
  second->Release();
  EXPECT_STRNE(CVXAudioParam::Instance()->Playback, "unsaved marker") << "not released with the last control";
}

TEST_F(ControlTest, InitializeRecordsTheCachedLogo) {
  std::string data = registry_.dir() + "/data";
  ::setenv("XDG_DATA_HOME", data.c_str(), 1);
  std::snprintf(CVXApplicationParam::Instance()->UrlLogo, sizeof(VXApplicationParam::UrlLogo), "%s",
                "https://portal.example.com/brand/logo-blue.png");
  ASSERT_EQ(invoke("Initialize", DISPATCH_METHOD, {Variant::I4(0)}), S_OK);
  std::string expected = data + "/OrviMedia/softphone/logo-blue.png";
  EXPECT_EQ(std::string(CVXApplicationParam::Instance()->LogoName), expected);
  EXPECT_TRUE(std::filesystem::is_directory(data + "/OrviMedia/softphone"));
  CVXApplicationParam::Instance()->UrlLogo[0] = '\0';
  ::unsetenv("XDG_DATA_HOME");
}

TEST(LogoTest, CacheFileNameStaysInsideTheCacheFolder) {
  ::setenv("XDG_DATA_HOME", "/data", 1);
  struct Case {
    const char* url;
    const char* expected;
  };
  const Case cases[] = {
      {"https://portal.example.com/img/brand.bmp", "/data/OrviMedia/softphone/brand.bmp"},
      {"brand.bmp", "/data/OrviMedia/softphone/brand.bmp"},
      {"https://portal.example.com/img/", "/data/OrviMedia/softphone/logo.bmp"},
      {"https://portal.example.com/img/..", "/data/OrviMedia/softphone/logo.bmp"},
  };
  for (const Case& c : cases) EXPECT_EQ(LogoCachePath(c.url), c.expected) << c.url;
  ::unsetenv("XDG_DATA_HOME");
}

}  // namespace
}  // namespace vx::test

namespace vx::test {
namespace {

TEST_F(ControlTest, SetConfigurationAppliesADocumentOnlyBeforeInitialize) {
  const char* document = "<OAMPML><Parameters><SIP><UserAgentURI>sip:bob@example.net</UserAgentURI></SIP>"
                         "</Parameters></OAMPML>";
  EXPECT_EQ(invoke("SetConfiguration", DISPATCH_METHOD, {Variant::String(document)}), S_OK);
  EXPECT_STREQ(CVXSIPParam::Instance()->UserAgentURI, "sip:bob@example.net");

  struct Case {
    Variant text;
    const char* why;
  };
  const Case bad[] = {{Variant::String(std::nullopt), "null"},
                      {Variant::String("<OAMP/>"), "wrong root"},
                      {Variant::String("<OAMPML><Parameters>"), "does not parse"}};
  for (const Case& c : bad) {
    EXPECT_EQ(invoke("SetConfiguration", DISPATCH_METHOD, {c.text}), E_FAIL) << c.why;
    EXPECT_EQ(error(), ERROR_INVALIDVALUE) << c.why;
    EXPECT_EQ(errorString(), "The supplied values are invalid.") << c.why;
  }
  EXPECT_STREQ(CVXSIPParam::Instance()->UserAgentURI, "sip:bob@example.net") << "a bad document changed something";

  ASSERT_EQ(invoke("Initialize", DISPATCH_METHOD, {Variant::I4(0)}), S_OK);
  EXPECT_EQ(invoke("SetConfiguration", DISPATCH_METHOD, {Variant::String(document)}), E_FAIL);
  EXPECT_EQ(error(), ERROR_INITIALISED);
}

}  // namespace
}  // namespace vx::test
