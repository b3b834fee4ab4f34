#pragma once
// A fresh registry and freshly created parameter groups for each test.
#include <gtest/gtest.h>

#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "control/params/CVXApplicationParam.hpp"
#include "control/params/CVXAudioParam.hpp"
#include "control/params/CVXHandsetParam.hpp"
#include "control/params/CVXLoginParam.hpp"
#include "control/params/CVXNatParam.hpp"
#include "control/params/CVXNetworkParam.hpp"
#include "control/params/CVXSIPParam.hpp"
#include "control/params/CVXSystemParam.hpp"
#include "platform/registry/Registry.hpp"
#include "platform/ui/MessageBox.hpp"
#include "tests/support/TempRegistry.hpp"

namespace vx::test {

inline void releaseAllGroups() {
  CVXSIPParam::Release();
  CVXApplicationParam::Release();
  CVXSystemParam::Release();
  CVXNatParam::Release();
  CVXNetworkParam::Release();
  CVXHandsetParam::Release();
  CVXAudioParam::Release();
  CVXLoginParam::Release();
}

template <typename G>
HKEY rootOf() {
  return G::kTraits.hive == RegistryHive::CurrentUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE;
}

template <typename G>
std::string keyOf(const char* section = nullptr) {
  std::string path = G::kTraits.keyPath;
  return section ? path + "\\" + section : path;
}

template <typename G>
std::optional<DWORD> storedDword(const char* name, const char* section = nullptr) {
  DWORD value = 0;
  if (RegGetDword(rootOf<G>(), keyOf<G>(section).c_str(), name, &value) != ERROR_SUCCESS) return std::nullopt;
  return value;
}

template <typename G>
std::optional<std::string> storedString(const char* name, const char* section = nullptr) {
  std::string value;
  if (RegGetString(rootOf<G>(), keyOf<G>(section).c_str(), name, &value) != ERROR_SUCCESS) return std::nullopt;
  return value;
}

template <typename G>
void storeRaw(const char* name, DWORD type, const void* data, DWORD size, const char* section = nullptr) {
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyEx(rootOf<G>(), keyOf<G>(section).c_str(), 0, KEY_ALL_ACCESS, &key, nullptr), ERROR_SUCCESS);
  ASSERT_EQ(RegSetValueEx(key, name, type, static_cast<const BYTE*>(data), size), ERROR_SUCCESS);
  RegCloseKey(key);
}

template <typename G>
void storeDword(const char* name, DWORD value, const char* section = nullptr) {
  storeRaw<G>(name, REG_DWORD, &value, sizeof value, section);
}

template <typename G>
void storeString(const char* name, const std::string& value, const char* section = nullptr) {
  storeRaw<G>(name, REG_SZ, value.c_str(), static_cast<DWORD>(value.size() + 1), section);
}

// Names of the values kept under a group's key (or its section subkey).
template <typename G>
std::vector<std::string> storedNames(const char* section = nullptr) {
  std::vector<std::string> names;
  HKEY key = nullptr;
  if (RegOpenKeyEx(rootOf<G>(), keyOf<G>(section).c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return names;
  char name[256];
  DWORD size = sizeof name;
  DWORD type = 0;
  for (DWORD i = 0; RegEnumValue(key, i, name, &size, &type) == ERROR_SUCCESS; ++i, size = sizeof name) {
    names.emplace_back(name);
  }
  RegCloseKey(key);
  return names;
}

inline std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream all;
  all << in.rdbuf();
  return all.str();
}

inline std::string dataFile(const std::string& name) { return std::string(VX_TEST_DATA_DIR) + "/" + name; }

// Records the assertion dialogs shown while it lives, answering Ignore.
class ShownAsserts {
 public:
  ShownAsserts() {
    SetMessageBoxBackend([this](HWND, const std::string& text, const std::string&, UINT) {
      texts.push_back(text);
      return IDIGNORE;
    });
  }
  ~ShownAsserts() { SetMessageBoxBackend(nullptr); }
  ShownAsserts(const ShownAsserts&) = delete;
  ShownAsserts& operator=(const ShownAsserts&) = delete;

  std::vector<std::string> texts;
};

class ParamsTest : public ::testing::Test {
 protected:
  void SetUp() override { releaseAllGroups(); }
  void TearDown() override {
    releaseAllGroups();
    CVXSIPParam::UseRegistry(false);
    CVXHandsetParam::SetForeignServiceProbe(nullptr);
  }

  TempRegistry registry_;
};

}  // namespace vx::test
