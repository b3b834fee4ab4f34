#pragma once
// SipReplaces: the dialog a new INVITE replaces: call id, to-tag, from-tag, and any further
// parameters (early-only and the like) in order.
#include "sip/data/Data.hpp"
#include "sip/header/SipParameterList.hpp"
#include "sip/message/SipHeader.hpp"

namespace vx {

class SipReplaces final : public SipHeader {
 public:
  static constexpr SipHeaderType kType = SIP_REPLACES_HDR;
  SipReplaces() = default;
  explicit SipReplaces(const Data& text);

  const Data& getCallId() const { return callId_; }
  bool setCallId(const Data& callId);
  const Data& getToTag() const { return toTag_; }
  bool setToTag(const Data& tag);
  const Data& getFromTag() const { return fromTag_; }
  bool setFromTag(const Data& tag);
  const SipParameterList& getOtherParams() const { return others_; }

  // The header's value alone, as Refer-To embeds it.
  Data encodeValue() const;
  Data encode() const override;
  Sptr<SipHeader> duplicate() const override { return makeSptr<SipReplaces>(*this); }
  bool areEqual(const SipHeader& other) const override;
  SipHeaderFields getFields() const override;

 private:
  Data callId_;
  Data toTag_;
  Data fromTag_;
  SipParameterList others_{';'};
};

}  // namespace vx
