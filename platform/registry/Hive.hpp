#pragma once
// One registry hive in memory, and its REGEDIT4 text form.
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Export.hpp"
#include "platform/win32/Types.hpp"

namespace vx {

struct RegValue {
  std::string name;  // case as first written; "" is the key's default value
  DWORD type = 0;
  std::vector<BYTE> data;
};

struct RegKeyData {
  std::string path;  // full path below the hive root, case as first created
  std::vector<RegValue> values;  // in the order they were first set
  std::vector<std::string> unreadLines;  // lines of the file this code cannot read, kept as they were

  RegValue* findValue(std::string_view name);
};

// Keys are indexed by their lower-cased path; "" is the hive root.
class VX_EXPORT Hive {
 public:
  explicit Hive(std::string rootName) : rootName_(std::move(rootName)) {}

  const std::string& rootName() const { return rootName_; }
  RegKeyData* findKey(std::string_view path);
  // Creates the key and its missing ancestors; returns the key and whether it was new, or
  // null for a path beyond the limits below.
  std::pair<RegKeyData*, bool> createKey(std::string_view path);
  static bool validPath(std::string_view path);
  // Removes the key and everything below it.
  void removeTree(std::string_view path);
  bool hasSubkeys(std::string_view path) const;
  // Names of the direct subkeys, in case-insensitive order.
  std::vector<std::string> subkeyNames(std::string_view path) const;

  // REGEDIT4 text. Parsing is lenient: lines it cannot read are skipped.
  std::string format() const;
  static Hive parse(std::string rootName, std::string_view text);

 private:
  std::string rootName_;
  std::map<std::string, RegKeyData> keys_;
};

inline constexpr std::size_t kMaxKeyNameLength = 255;
inline constexpr std::size_t kMaxKeyPathLength = 2048;

// Lower-cases ASCII letters: registry names compare without case.
std::string foldCase(std::string_view text);

}  // namespace vx
