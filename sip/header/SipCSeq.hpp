#pragma once
// SipCSeq: the sequence number (kept as text) and the method of a request.
#include "sip/data/Data.hpp"
#include "sip/message/SipHeader.hpp"
#include "sip/message/SipMethod.hpp"

namespace vx {

class SipCSeq final : public SipHeader {
 public:
  static constexpr SipHeaderType kType = SIP_CSEQ_HDR;
  SipCSeq() = default;
  explicit SipCSeq(const Data& text);
  SipCSeq(SipMethodType method, const Data& number);

  const Data& getCSeq() const { return number_; }
  bool setCSeq(const Data& number);
  const Data& getMethod() const { return method_; }
  bool setMethod(const Data& method);
  SipMethodType getMethodType() const { return methodFromText(method_.view()); }

  // The number that follows this one; 2147483647 (logged) when this one reads negative.
  int getNextCSeq() const;

  Data encode() const override;
  Sptr<SipHeader> duplicate() const override { return makeSptr<SipCSeq>(*this); }
  bool areEqual(const SipHeader& other) const override;
  SipHeaderFields getFields() const override;

 private:
  Data number_;
  Data method_;
};

}  // namespace vx
