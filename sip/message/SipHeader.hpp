#pragma once
// SipHeader: a parsed header. The header catalogue (sip/header) derives one class per header
// type; the message framing only encodes, copies and compares them.
#include <utility>
#include <vector>

#include "sip/data/Data.hpp"
#include "sip/data/Sptr.hpp"
#include "sip/message/SipHeaderType.hpp"

namespace vx {

// The parsed parts of a header as name/value pairs, for people reading what the engine saw.
using SipHeaderFields = std::vector<std::pair<const char*, Data>>;

class SipHeader {
 public:
  virtual ~SipHeader() = default;
  // For combined-line types the value only; for the others the whole line with CRLF, or
  // empty text when the header has nothing to say.
  virtual Data encode() const = 0;
  virtual Sptr<SipHeader> duplicate() const = 0;
  // False when the other header is of another class.
  virtual bool areEqual(const SipHeader& other) const = 0;
  virtual SipHeaderFields getFields() const { return {}; }
};

// A header read as its raw value: the form of unknown headers, of types without a parser,
// and of every header until the catalogue's parser is installed.
class SipRawValueHeader : public SipHeader {
 public:
  SipRawValueHeader(SipHeaderType type, const Data& name, const Data& value)
      : type_(type), name_(name), value_(value) {}

  Data encode() const override;
  Sptr<SipHeader> duplicate() const override { return makeSptr<SipRawValueHeader>(*this); }
  bool areEqual(const SipHeader& other) const override;
  SipHeaderFields getFields() const override { return {{"value", value_}}; }

  SipHeaderType getType() const { return type_; }
  const Data& getName() const { return name_; }
  const Data& getValue() const { return value_; }
  void setValue(const Data& value) { value_ = value; }

 private:
  SipHeaderType type_;
  Data name_;
  Data value_;
};

// A header parser: (type, value) -> parsed header, or null when the type is kept raw.
using SipHeaderFactory = Sptr<SipHeader> (*)(SipHeaderType type, const Data& value);

// The header catalogue's parser, defined in sip/header. It is the factory from the start:
// the pointer is set at compile time, so no start-up order and no registration call can miss it.
Sptr<SipHeader> parseSipHeader(SipHeaderType type, const Data& value);

// Replaces the factory (tests: a factory that returns null keeps every header raw);
// null puts the catalogue back.
void setSipHeaderFactory(SipHeaderFactory factory);

// Parses through the installed factory; never null (falls back to a SipRawValueHeader).
Sptr<SipHeader> makeSipHeader(SipHeaderType type, const Data& name, const Data& value);

}  // namespace vx
