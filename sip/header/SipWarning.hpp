#pragma once
// SipWarning: one warning value: a three-digit code, the agent and the quoted text.
#include "sip/data/Data.hpp"
#include "sip/message/SipHeader.hpp"

namespace vx {

class SipWarning final : public SipHeader {
 public:
  static constexpr SipHeaderType kType = SIP_WARNING_HDR;
  SipWarning() = default;
  explicit SipWarning(const Data& text);
  SipWarning(int code, const Data& agent, const Data& text);

  const Data& getCode() const { return code_; }
  const Data& getAgent() const { return agent_; }
  // The text without its quotes.
  Data getText() const;
  bool setCode(int code);
  bool setAgent(const Data& agent);
  // Written as a quoted string.
  bool setText(const Data& text);

  Data encode() const override;
  Sptr<SipHeader> duplicate() const override { return makeSptr<SipWarning>(*this); }
  bool areEqual(const SipHeader& other) const override;
  SipHeaderFields getFields() const override;

 private:
  Data code_;
  Data agent_;
  Data text_;  // as written, quotes and all
};

}  // namespace vx
