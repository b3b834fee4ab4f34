#include "platform/registry/Hive.hpp"

#include "platform/registry/Registry.hpp"

#include <cctype>
#include <cstdio>

namespace vx {
namespace {

constexpr std::string_view kHeader = "REGEDIT4";
constexpr std::string_view kHeaderV5 = "Windows Registry Editor Version 5.00";

char foldAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool equalsFolded(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (foldAscii(a[i]) != foldAscii(b[i])) return false;
  }
  return true;
}

std::string_view trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

std::string quote(std::string_view text) {
  std::string out = "\"";
  for (char c : text) {
    if (c == '\\' || c == '"') out += '\\';
    out += c;
  }
  return out + '"';
}

// Reads a quoted string at the start of `s`; advances `s` past it.
std::optional<std::string> unquote(std::string_view& s) {
  if (s.empty() || s.front() != '"') return std::nullopt;
  std::string out;
  for (size_t i = 1; i < s.size(); ++i) {
    char c = s[i];
    if (c == '\\' && i + 1 < s.size()) {
      out += s[++i];
    } else if (c == '"') {
      s.remove_prefix(i + 1);
      return out;
    } else {
      out += c;
    }
  }
  return std::nullopt;
}

// A REG_SZ that can be written as a quoted line: one trailing NUL, no other NUL, no line breaks.
bool isPlainString(const RegValue& v) {
  if (v.data.empty() || v.data.back() != 0) return false;
  for (size_t i = 0; i + 1 < v.data.size(); ++i) {
    BYTE b = v.data[i];
    if (b == 0 || b == '\n' || b == '\r') return false;
  }
  return true;
}

std::string formatHex(const std::vector<BYTE>& data) {
  std::string out;
  char byte[4];
  for (size_t i = 0; i < data.size(); ++i) {
    std::snprintf(byte, sizeof byte, "%02x", data[i]);
    if (i) out += ',';
    out += byte;
  }
  return out;
}

std::string formatData(const RegValue& v) {
  if (v.type == REG_SZ && isPlainString(v)) {
    return quote(std::string_view(reinterpret_cast<const char*>(v.data.data()), v.data.size() - 1));
  }
  if (v.type == REG_DWORD && v.data.size() == 4) {
    char text[16];
    DWORD d = v.data[0] | (v.data[1] << 8) | (v.data[2] << 16) | (DWORD(v.data[3]) << 24);
    std::snprintf(text, sizeof text, "dword:%08x", d);
    return text;
  }
  if (v.type == REG_BINARY) return "hex:" + formatHex(v.data);
  char prefix[24];
  std::snprintf(prefix, sizeof prefix, "hex(%x):", v.type);
  return prefix + formatHex(v.data);
}

std::optional<std::vector<BYTE>> parseHexBytes(std::string_view s) {
  std::vector<BYTE> out;
  while (true) {
    s = trim(s);
    if (s.empty()) return out;
    size_t used = 0;
    unsigned value = 0;
    while (used < s.size() && used < 2 && std::isxdigit(static_cast<unsigned char>(s[used]))) {
      char c = static_cast<char>(std::tolower(static_cast<unsigned char>(s[used])));
      value = value * 16 + static_cast<unsigned>(c <= '9' ? c - '0' : c - 'a' + 10);
      ++used;
    }
    if (used == 0) return std::nullopt;
    out.push_back(static_cast<BYTE>(value));
    s.remove_prefix(used);
    s = trim(s);
    if (s.empty()) return out;
    if (s.front() != ',') return std::nullopt;
    s.remove_prefix(1);
  }
}

std::optional<RegValue> parseValueLine(std::string_view line) {
  RegValue v;
  if (line.starts_with('@')) {
    line.remove_prefix(1);
  } else {
    auto name = unquote(line);
    if (!name) return std::nullopt;
    v.name = std::move(*name);
  }
  line = trim(line);
  if (line.empty() || line.front() != '=') return std::nullopt;
  line = trim(line.substr(1));
  if (line.starts_with('"')) {
    auto text = unquote(line);
    if (!text) return std::nullopt;
    v.type = REG_SZ;
    v.data.assign(text->begin(), text->end());
    v.data.push_back(0);
    return v;
  }
  if (line.starts_with("dword:")) {
    std::string digits(trim(line.substr(6)));
    if (digits.empty() || digits.size() > 8) return std::nullopt;
    for (char c : digits) {
      if (!std::isxdigit(static_cast<unsigned char>(c))) return std::nullopt;
    }
    DWORD d = static_cast<DWORD>(std::stoul(digits, nullptr, 16));
    v.type = REG_DWORD;
    v.data = {BYTE(d), BYTE(d >> 8), BYTE(d >> 16), BYTE(d >> 24)};
    return v;
  }
  if (line.starts_with("hex:")) {
    v.type = REG_BINARY;
    line.remove_prefix(4);
  } else if (line.starts_with("hex(")) {
    size_t close = line.find("):");
    if (close == std::string_view::npos || close < 5 || close > 12) return std::nullopt;
    std::string digits(line.substr(4, close - 4));
    for (char c : digits) {
      if (!std::isxdigit(static_cast<unsigned char>(c))) return std::nullopt;
    }
    v.type = static_cast<DWORD>(std::stoul(digits, nullptr, 16));
    line.remove_prefix(close + 2);
  } else {
    return std::nullopt;
  }
  auto bytes = parseHexBytes(line);
  if (!bytes) return std::nullopt;
  v.data = std::move(*bytes);
  return v;
}

// Splits text into logical lines, joining hex values continued with a trailing backslash.
std::vector<std::string> logicalLines(std::string_view text) {
  std::vector<std::string> lines;
  std::string pending;
  while (!text.empty()) {
    size_t end = text.find('\n');
    std::string_view raw = trim(text.substr(0, end));
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    pending += raw;
    bool continued = !pending.empty() && pending.back() == '\\' && pending.find("=hex") != std::string::npos;
    if (continued) {
      pending.pop_back();
      continue;
    }
    lines.push_back(std::move(pending));
    pending.clear();
  }
  if (!pending.empty()) lines.push_back(std::move(pending));
  return lines;
}

}  // namespace

std::string foldCase(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = foldAscii(c);
  return out;
}

RegValue* RegKeyData::findValue(std::string_view name) {
  for (RegValue& v : values) {
    if (equalsFolded(v.name, name)) return &v;
  }
  return nullptr;
}

RegKeyData* Hive::findKey(std::string_view path) {
  auto it = keys_.find(foldCase(path));
  return it == keys_.end() ? nullptr : &it->second;
}

bool Hive::validPath(std::string_view path) {
  if (path.size() > kMaxKeyPathLength) return false;
  size_t start = 0;
  while (start <= path.size()) {
    size_t end = std::min(path.find('\\', start), path.size());
    if (end - start > kMaxKeyNameLength || (end == start && !path.empty())) return false;
    start = end + 1;
  }
  return true;
}

std::pair<RegKeyData*, bool> Hive::createKey(std::string_view path) {
  if (!validPath(path)) return {nullptr, false};
  if (RegKeyData* existing = findKey(path)) return {existing, false};
  // Ancestors first, from the root down, without recursion.
  for (size_t cut = path.find('\\'); cut != std::string_view::npos; cut = path.find('\\', cut + 1)) {
    std::string_view ancestor = path.substr(0, cut);
    if (!findKey(ancestor)) keys_[foldCase(ancestor)].path = std::string(ancestor);
  }
  RegKeyData& key = keys_[foldCase(path)];
  key.path = std::string(path);
  return {&key, true};
}

void Hive::removeTree(std::string_view path) {
  std::string folded = foldCase(path);
  std::string prefix = folded + '\\';
  for (auto it = keys_.begin(); it != keys_.end();) {
    bool below = folded.empty() || it->first == folded || it->first.starts_with(prefix);
    it = below ? keys_.erase(it) : std::next(it);
  }
}

bool Hive::hasSubkeys(std::string_view path) const { return !subkeyNames(path).empty(); }

std::vector<std::string> Hive::subkeyNames(std::string_view path) const {
  std::string prefix = path.empty() ? std::string() : foldCase(path) + '\\';
  std::vector<std::string> names;
  for (auto it = keys_.lower_bound(prefix); it != keys_.end() && it->first.starts_with(prefix); ++it) {
    std::string_view rest = std::string_view(it->second.path).substr(prefix.size());
    if (!rest.empty() && rest.find('\\') == std::string_view::npos) names.emplace_back(rest);
  }
  return names;
}

std::string Hive::format() const {
  std::string out(kHeader);
  out += "\r\n";
  for (const auto& [folded, key] : keys_) {
    out += "\r\n[" + rootName_;
    if (!key.path.empty()) out += '\\' + key.path;
    out += "]\r\n";
    for (const RegValue& v : key.values) {
      out += v.name.empty() ? std::string("@") : quote(v.name);
      out += '=' + formatData(v) + "\r\n";
    }
    for (const std::string& line : key.unreadLines) out += line + "\r\n";
  }
  return out;
}

Hive Hive::parse(std::string rootName, std::string_view text) {
  Hive hive(std::move(rootName));
  RegKeyData* current = nullptr;
  for (const std::string& line : logicalLines(text)) {
    std::string_view l = line;
    if (l.empty() || l.front() == ';' || l == kHeader || l == kHeaderV5) continue;
    if (l.front() == '[' && l.back() == ']') {
      std::string_view path = l.substr(1, l.size() - 2);
      current = nullptr;
      if (!equalsFolded(path.substr(0, hive.rootName_.size()), hive.rootName_)) continue;
      path.remove_prefix(hive.rootName_.size());
      if (!path.empty() && path.front() != '\\') continue;
      if (!path.empty()) path.remove_prefix(1);
      current = hive.createKey(path).first;
      continue;
    }
    if (!current) continue;
    auto value = parseValueLine(l);
    if (!value) {
      current->unreadLines.push_back(line);  // a later write must not lose what it cannot read
      continue;
    }
    if (RegValue* old = current->findValue(value->name)) {
      *old = std::move(*value);
    } else {
      current->values.push_back(std::move(*value));
    }
  }
  return hive;
}

}  // namespace vx
