#pragma once
// SipSubscriptionState: the state of a subscription (active, pending, terminated) and its
// parameters (expires, reason, retry-after), all written back.
#include "sip/data/Data.hpp"
#include "sip/header/SipParameterList.hpp"
#include "sip/message/SipHeader.hpp"

namespace vx {

class SipSubscriptionState final : public SipHeader {
 public:
  static constexpr SipHeaderType kType = SIP_SUBSCRIPTION_STATE_HDR;
  SipSubscriptionState() = default;
  explicit SipSubscriptionState(const Data& text);

  const Data& getState() const { return state_; }
  bool setState(const Data& state);
  Data getExpires() const { return params_.getValue("expires"); }
  Data getReason() const { return params_.getValue("reason"); }
  Data getRetryAfter() const { return params_.getValue("retry-after"); }
  const SipParameterList& getParams() const { return params_; }
  bool setParam(std::string_view name, std::string_view value) { return params_.setValue(name, value); }

  Data encode() const override;
  Sptr<SipHeader> duplicate() const override { return makeSptr<SipSubscriptionState>(*this); }
  bool areEqual(const SipHeader& other) const override;
  SipHeaderFields getFields() const override;

 private:
  Data state_;
  SipParameterList params_{';'};
};

}  // namespace vx
