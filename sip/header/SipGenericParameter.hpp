#pragma once
// SipGenericParameter: a header the engine makes with a name of its own, "name: value".
#include "sip/data/Data.hpp"
#include "sip/message/SipHeader.hpp"

namespace vx {

class SipGenericParameter final : public SipHeader {
 public:
  static constexpr SipHeaderType kType = SIP_GENERIC_PARAMETER_HDR;
  SipGenericParameter() = default;
  // "name: value".
  explicit SipGenericParameter(const Data& text);
  SipGenericParameter(const Data& name, const Data& value);

  const Data& getName() const { return name_; }
  const Data& getValue() const { return value_; }
  // Refuses a name or value holding CR, LF or NUL, and a name holding ':', a blank or a tab.
  bool set(const Data& name, const Data& value);

  Data encode() const override;
  Sptr<SipHeader> duplicate() const override { return makeSptr<SipGenericParameter>(*this); }
  bool areEqual(const SipHeader& other) const override;
  SipHeaderFields getFields() const override;

 private:
  Data name_;
  Data value_;
};

}  // namespace vx
