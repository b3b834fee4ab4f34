#pragma once
// Win32-style registry on top of one REGEDIT4 text file per hive.
//
// Names of keys and values are case-insensitive and case-preserving. Every write
// re-reads the hive under an exclusive file lock and replaces the file atomically,
// so concurrent writers in several processes keep each other's keys, and a writer
// killed mid-write leaves either the old or the new file.
#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/Export.hpp"
#include "platform/win32/Types.hpp"

namespace vx {

struct RegKeyHandle;
using HKEY = RegKeyHandle*;
using REGSAM = DWORD;

VX_EXPORT HKEY predefinedKey(std::uintptr_t id);
inline const HKEY HKEY_CLASSES_ROOT = predefinedKey(0x80000000);
inline const HKEY HKEY_CURRENT_USER = predefinedKey(0x80000001);
inline const HKEY HKEY_LOCAL_MACHINE = predefinedKey(0x80000002);

// Access rights: only the read/write distinction matters here.
inline constexpr REGSAM KEY_QUERY_VALUE = 0x0001;
inline constexpr REGSAM KEY_SET_VALUE = 0x0002;
inline constexpr REGSAM KEY_CREATE_SUB_KEY = 0x0004;
inline constexpr REGSAM KEY_ENUMERATE_SUB_KEYS = 0x0008;
inline constexpr REGSAM KEY_READ = 0x20019;
inline constexpr REGSAM KEY_WRITE = 0x20006;
inline constexpr REGSAM KEY_ALL_ACCESS = 0xF003F;

// Value types.
inline constexpr DWORD REG_NONE = 0;
inline constexpr DWORD REG_SZ = 1;
inline constexpr DWORD REG_EXPAND_SZ = 2;
inline constexpr DWORD REG_BINARY = 3;
inline constexpr DWORD REG_DWORD = 4;
inline constexpr DWORD REG_MULTI_SZ = 7;
inline constexpr DWORD REG_QWORD = 11;

inline constexpr DWORD REG_OPTION_NON_VOLATILE = 0;
inline constexpr DWORD REG_CREATED_NEW_KEY = 1;
inline constexpr DWORD REG_OPENED_EXISTING_KEY = 2;

VX_EXPORT LONG RegOpenKeyEx(HKEY parent, const char* subKey, DWORD options,
                                                         REGSAM access, HKEY* result);
VX_EXPORT LONG RegCreateKeyEx(HKEY parent, const char* subKey, DWORD options,
                                                           REGSAM access, HKEY* result, DWORD* disposition);
VX_EXPORT LONG RegCloseKey(HKEY key);

// `size` is in and out: the buffer's size, then the size of the data (REG_SZ counts its NUL).
// A null `data` asks for the size only; a short buffer gives ERROR_MORE_DATA.
VX_EXPORT LONG RegQueryValueEx(HKEY key, const char* name, DWORD* type, BYTE* data,
                                                            DWORD* size);
VX_EXPORT LONG RegSetValueEx(HKEY key, const char* name, DWORD type, const BYTE* data,
                                                          DWORD size);
VX_EXPORT LONG RegDeleteValue(HKEY key, const char* name);
// Deletes a key that has no subkeys.
VX_EXPORT LONG RegDeleteKey(HKEY parent, const char* subKey);
// Deletes a key with all its subkeys and values.
VX_EXPORT LONG RegDeleteTree(HKEY parent, const char* subKey);

// Enumeration by index; names are copied with their NUL, `size` as in RegQueryValueEx
// but counted without the NUL on return, like Win32.
VX_EXPORT LONG RegEnumKeyEx(HKEY key, DWORD index, char* name, DWORD* size);
VX_EXPORT LONG RegEnumValue(HKEY key, DWORD index, char* name, DWORD* size,
                                                         DWORD* type);

// Convenience reads used by most callers.
VX_EXPORT LONG RegGetDword(HKEY root, const char* subKey, const char* name,
                                                        DWORD* value);
VX_EXPORT LONG RegGetString(HKEY root, const char* subKey, const char* name,
                                                         std::string* value);

// Where the hive files live: $VX_REGISTRY_DIR, else ${XDG_CONFIG_HOME:-~/.config}/vocarix/registry.
VX_EXPORT std::string registryDirectory();

}  // namespace vx
