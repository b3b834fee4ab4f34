#include "control/ax/Registration.hpp"

#include <string_view>

#include "control/ax/Constants.hpp"
#include "platform/registry/Registry.hpp"
#include "platform/ui/MessageBox.hpp"
#include "runtime/log/Log.hpp"

namespace vx {
namespace {

constexpr const char* kRightsCaption = "Rights restriction";
constexpr const char* kNoAdministratorRights =
    "You must have Administrators rights to install this software. Please log you with Administrators rights and "
    "install again the software.";
constexpr const char* kNoInstallRights =
    "You have not sufficient rights to install programs. Please log you as user with these rights and register "
    "again this file.";
constexpr const char* kVendorKey = "SOFTWARE\\Orvi Media";
constexpr const char* kSoftwareKey = "SOFTWARE";

// One key or value of the registration script; %CLSID%, %PROGID%, %TYPELIB% and %MODULE% are replaced.
struct ScriptEntry {
  const char* key;
  const char* name;   // null: the key alone
  const char* value;
};

constexpr ScriptEntry kScript[] = {
    {"%PROGID%.1", "", "VXSIP Class"},
    {"%PROGID%.1\\CLSID", "", "%CLSID%"},
    {"%PROGID%", "", "VXSIP Class"},
    {"%PROGID%\\CLSID", "", "%CLSID%"},
    {"%PROGID%\\CurVer", "", "%PROGID%.1"},
    {"CLSID\\%CLSID%", "", "VXSIP Class"},
    {"CLSID\\%CLSID%\\ProgID", "", "%PROGID%.1"},
    {"CLSID\\%CLSID%\\VersionIndependentProgID", "", "%PROGID%"},
    {"CLSID\\%CLSID%\\Programmable", nullptr, nullptr},
    {"CLSID\\%CLSID%\\InprocServer32", "", "%MODULE%"},
    {"CLSID\\%CLSID%\\InprocServer32", "ThreadingModel", "Apartment"},
    {"CLSID\\%CLSID%\\Control", nullptr, nullptr},
    {"CLSID\\%CLSID%\\ToolboxBitmap32", "", "%MODULE%, 202"},
    {"CLSID\\%CLSID%\\MiscStatus", "", "0"},
    {"CLSID\\%CLSID%\\MiscStatus\\1", "", "132497"},
    {"CLSID\\%CLSID%\\TypeLib", "", "%TYPELIB%"},
    {"CLSID\\%CLSID%\\Version", "", "2.0"},
    {"CLSID\\%CLSID%\\Windows CE Control", nullptr, nullptr},
    {"CLSID\\%CLSID%\\Implemented Categories\\{7DD95801-9882-11CF-9FA9-00AA006C42C4}", nullptr, nullptr},
    {"CLSID\\%CLSID%\\Implemented Categories\\{7DD95802-9882-11CF-9FA9-00AA006C42C4}", nullptr, nullptr},
    {"Component Categories\\{7DD95801-9882-11CF-9FA9-00AA006C42C4}", "409", "Controls that are safely scriptable"},
    {"Component Categories\\{7DD95802-9882-11CF-9FA9-00AA006C42C4}", "409",
     "Controls safely initializable from persistent data"},
};

// The control's own trees, removed on unregistration.
constexpr const char* kOwnTrees[] = {"CLSID\\%CLSID%", "%PROGID%", "%PROGID%.1"};

std::string expand(std::string_view text, const std::string& module) {
  struct Variable {
    std::string_view name;
    std::string value;
  };
  const Variable variables[] = {{"%CLSID%", control::kClsid},
                                {"%PROGID%", control::kProgId},
                                {"%TYPELIB%", control::kTypeLibId},
                                {"%MODULE%", module}};
  std::string out(text);
  for (const Variable& v : variables) {
    for (size_t at = out.find(v.name); at != std::string::npos; at = out.find(v.name, at + v.value.size())) {
      out.replace(at, v.name.size(), v.value);
    }
  }
  return out;
}

LONG writeEntry(const ScriptEntry& entry, const std::string& module) {
  HKEY key = nullptr;
  LONG rc = RegCreateKeyEx(HKEY_CLASSES_ROOT, expand(entry.key, module).c_str(), 0, KEY_ALL_ACCESS, &key, nullptr);
  if (rc != ERROR_SUCCESS) return rc;
  if (entry.name) {
    std::string value = expand(entry.value, module);
    rc = RegSetValueEx(key, entry.name, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                       static_cast<DWORD>(value.size() + 1));
  }
  RegCloseKey(key);
  return rc;
}

bool refuseWithoutRights(const char* text) {
  MessageBox(0, text, kRightsCaption, MB_OK | MB_ICONERROR);
  return true;
}

// The rights check: the vendor key must be writable (created if needed), then SOFTWARE itself.
bool lacksRights() {
  HKEY key = nullptr;
  if (RegCreateKeyEx(HKEY_LOCAL_MACHINE, kVendorKey, 0, KEY_WRITE, &key, nullptr) != ERROR_SUCCESS) {
    return refuseWithoutRights(kNoAdministratorRights);
  }
  RegCloseKey(key);
  if (RegOpenKeyEx(HKEY_LOCAL_MACHINE, kSoftwareKey, 0, KEY_WRITE, &key) != ERROR_SUCCESS) {
    return refuseWithoutRights(kNoInstallRights);
  }
  RegCloseKey(key);
  return false;
}

}  // namespace

HRESULT RegisterControl(const std::string& modulePath) {
  if (lacksRights()) return E_ACCESSDENIED;
  Log("Com", LOG_INFO, "%s: %s", "Register", modulePath.c_str());
  for (const ScriptEntry& entry : kScript) {
    if (writeEntry(entry, modulePath) != ERROR_SUCCESS) return SELFREG_E_CLASS;
  }
  return S_OK;
}

HRESULT UnregisterControl(const std::string& modulePath) {
  Log("Com", LOG_INFO, "%s: %s", "Unregister", modulePath.c_str());
  for (const char* tree : kOwnTrees) {
    LONG rc = RegDeleteTree(HKEY_CLASSES_ROOT, expand(tree, modulePath).c_str());
    if (rc != ERROR_SUCCESS && rc != ERROR_FILE_NOT_FOUND) return SELFREG_E_CLASS;
  }
  return S_OK;
}

}  // namespace vx
