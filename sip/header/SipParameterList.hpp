#pragma once
// SipParameterList: the ordered name/value pairs of Contact, Content-Type, Refer-To's embedded
// headers, the authentication headers and others, with the one delimiter byte they are
// written with. The list has its own lock, so one header's parameters may be read and changed
// from different threads.
#include <string_view>
#include <utility>
#include <vector>

#include "runtime/thread/VXLock.hpp"
#include "sip/data/Data.hpp"

namespace vx {

class SipParameterList {
 public:
  using Param = std::pair<Data, Data>;

  explicit SipParameterList(char delimiter = ';') : delimiter_(delimiter) {}
  SipParameterList(std::string_view text, char delimiter) : delimiter_(delimiter) { decode(text, delimiter); }
  SipParameterList(const SipParameterList& other);
  SipParameterList& operator=(const SipParameterList& other);
  ~SipParameterList() = default;

  // Reads "name=value" pairs cut at the delimiter (outside double quotes); the delimiter
  // becomes the list's. Names are trimmed and lower-cased, values trimmed and kept with their
  // quotes; a name without "=" has an empty value.
  void decode(std::string_view text, char delimiter);

  // The pairs as name or name=value, joined by the joiner; the default joiner is the
  // delimiter and a blank ("; ", ", "), or "&" alone for embedded headers.
  Data encode() const;
  Data encode(std::string_view joiner) const;
  void encodeTo(Data& out, std::string_view joiner) const;

  char getDelimiter() const { return delimiter_; }
  bool empty() const;
  std::size_t size() const;
  std::vector<Param> getParams() const;

  // Lookups ignore the case of the name. The value is as stored, quotes and all.
  bool has(std::string_view name) const;
  Data getValue(std::string_view name) const;
  // The value with one enclosing pair of quotes and its escapes removed.
  Data getUnquotedValue(std::string_view name) const;

  // Replaces the value of the first pair of that name or appends a pair; a quoted value is
  // written as a quoted string. Refuses names and values holding CR, LF or NUL.
  bool setValue(std::string_view name, std::string_view value, bool quoted = false);
  bool remove(std::string_view name);
  void clear();

  // The same pairs in the same order (names ignoring case, values exactly).
  bool operator==(const SipParameterList& other) const;
  // The same pairs in any order.
  bool sameSetAs(const SipParameterList& other) const;

 private:
  std::vector<Param>::const_iterator find(std::string_view name) const;

  mutable VXLock lock_;
  char delimiter_;        // fixed once decoded; read without the lock
  std::vector<Param> params_;  // guarded by lock_
};

}  // namespace vx
