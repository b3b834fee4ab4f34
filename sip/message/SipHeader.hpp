#pragma once
// SipHeader: a parsed header. The header catalogue derives one class per header type;
// the message framing only encodes, copies and compares them.
#include "sip/data/Data.hpp"
#include "sip/data/Sptr.hpp"
#include "sip/message/SipHeaderType.hpp"

namespace vx {

class SipHeader {
 public:
  virtual ~SipHeader() = default;
  // For combined-line types the value only; for the others the whole line with CRLF, or
  // empty text when the header has nothing to say.
  virtual Data encode() const = 0;
  virtual Sptr<SipHeader> duplicate() const = 0;
  // False when the other header is of another class.
  virtual bool areEqual(const SipHeader& other) const = 0;
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

  SipHeaderType getType() const { return type_; }
  const Data& getName() const { return name_; }
  const Data& getValue() const { return value_; }
  void setValue(const Data& value) { value_ = value; }

 private:
  SipHeaderType type_;
  Data name_;
  Data value_;
};

// The parser of the header catalogue: (type, value) -> parsed header, or null when the type
// is kept raw. Installed once at start; until then every header reads as a SipRawValueHeader.
using SipHeaderFactory = Sptr<SipHeader> (*)(SipHeaderType type, const Data& value);
void setSipHeaderFactory(SipHeaderFactory factory);

// Parses through the installed factory; never null (falls back to a SipRawValueHeader).
Sptr<SipHeader> makeSipHeader(SipHeaderType type, const Data& name, const Data& value);

}  // namespace vx
