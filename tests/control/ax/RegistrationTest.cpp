#include "control/ax/Registration.hpp"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "platform/registry/Registry.hpp"
#include "platform/ui/MessageBox.hpp"
#include "tests/support/TempRegistry.hpp"

namespace vx {
namespace {

constexpr const char* kClsidKey = "CLSID\\{4E2A9D31-7B06-4C5F-A1E8-93D0B62F5C17}";
constexpr const char* kModule = "/opt/vocarix/lib/libVXSipAx.so";

std::string value(const std::string& key, const char* name = "") {
  std::string text;
  if (RegGetString(HKEY_CLASSES_ROOT, key.c_str(), name, &text) != ERROR_SUCCESS) return "<missing>";
  return text;
}

bool keyExists(const std::string& key) {
  HKEY handle = nullptr;
  if (RegOpenKeyEx(HKEY_CLASSES_ROOT, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS) return false;
  RegCloseKey(handle);
  return true;
}

TEST(RegistrationTest, RegisterWritesEveryKeyAndUnregisterRemovesThem) {
  test::TempRegistry registry;
  ASSERT_EQ(RegisterControl(kModule), S_OK);
  const std::string clsid = kClsidKey;
  struct Case {
    std::string key;
    const char* name;
    std::string expected;
  };
  const Case cases[] = {
      {clsid, "", "VXSIP Class"},
      {clsid + "\\InprocServer32", "", kModule},
      {clsid + "\\InprocServer32", "ThreadingModel", "Apartment"},
      {clsid + "\\ProgID", "", "VXSIPAx.VXSIP.1"},
      {clsid + "\\VersionIndependentProgID", "", "VXSIPAx.VXSIP"},
      {clsid + "\\ToolboxBitmap32", "", std::string(kModule) + ", 202"},
      {clsid + "\\MiscStatus", "", "0"},
      {clsid + "\\MiscStatus\\1", "", "132497"},
      {clsid + "\\TypeLib", "", "{B15C72E4-0A9F-4d63-8E27-5F4C1A39D8B0}"},
      {clsid + "\\Version", "", "2.0"},
      {"VXSIPAx.VXSIP", "", "VXSIP Class"},
      {"VXSIPAx.VXSIP\\CurVer", "", "VXSIPAx.VXSIP.1"},
      {"VXSIPAx.VXSIP\\CLSID", "", "{4E2A9D31-7B06-4C5F-A1E8-93D0B62F5C17}"},
      {"VXSIPAx.VXSIP.1\\CLSID", "", "{4E2A9D31-7B06-4C5F-A1E8-93D0B62F5C17}"},
      {"Component Categories\\{7DD95801-9882-11CF-9FA9-00AA006C42C4}", "409", "Controls that are safely scriptable"},
  };
  for (const Case& c : cases) EXPECT_EQ(value(c.key, c.name), c.expected) << c.key << " " << c.name;
  for (const char* key : {"Programmable", "Control", "Windows CE Control",
                          "Implemented Categories\\{7DD95801-9882-11CF-9FA9-00AA006C42C4}",
                          "Implemented Categories\\{7DD95802-9882-11CF-9FA9-00AA006C42C4}"}) {
    EXPECT_TRUE(keyExists(clsid + "\\" + key)) << key;
  }

  ASSERT_EQ(UnregisterControl(kModule), S_OK);
  EXPECT_FALSE(keyExists(clsid));
  EXPECT_FALSE(keyExists("VXSIPAx.VXSIP"));
  EXPECT_FALSE(keyExists("VXSIPAx.VXSIP.1"));
  EXPECT_EQ(UnregisterControl(kModule), S_OK) << "unregistering twice is harmless";
}

TEST(RegistrationTest, WithoutRightsOnTheMachineHiveRegistrationIsRefused) {
  test::TempRegistry registry;
  // A directory where the machine hive file belongs makes every write to it fail, even for root.
  ASSERT_EQ(::mkdir(registry.hiveFile("HKEY_LOCAL_MACHINE").c_str(), 0700), 0);
  ASSERT_EQ(::mkdir((registry.hiveFile("HKEY_LOCAL_MACHINE") + "/keep").c_str(), 0700), 0);
  std::string text, caption;
  SetMessageBoxBackend([&](HWND, const std::string& t, const std::string& c, UINT) {
    text = t;
    caption = c;
    return IDOK;
  });
  EXPECT_EQ(RegisterControl(kModule), E_ACCESSDENIED);
  SetMessageBoxBackend(nullptr);
  EXPECT_EQ(caption, "Rights restriction");
  EXPECT_EQ(text,
            "You must have Administrators rights to install this software. Please log you with Administrators rights "
            "and install again the software.");
  EXPECT_FALSE(keyExists(kClsidKey));
}

}  // namespace
}  // namespace vx
