#pragma once
// StatusMsg: a response, a SipMsg with its status line.
#include "sip/message/SipMsg.hpp"

namespace vx {

class StatusMsg : public SipMsg {
 public:
  StatusMsg() = default;
  StatusMsg(const StatusMsg& other) = default;

  SipMethodType getType() const override { return SIP_STATUS; }
  bool expectsReply() const override;
  Sptr<SipMsg> duplicate() const override { return makeSptr<StatusMsg>(*this); }

  int getStatusCode() const { return statusCode_; }
  // Also sets the reason phrase of the code, or of its class when the code has none.
  void setStatusCode(int code);
  const Data& getReasonPhrase() const { return reasonPhrase_; }
  void setReasonPhrase(const Data& phrase) { reasonPhrase_ = phrase; }
  const Data& getVersion() const { return version_; }
  const Data& getProtocol() const { return protocol_; }

  // The phrase setStatusCode gives a code; empty for a code outside 100..699.
  static Data reasonPhraseFor(int code);

 protected:
  Data encodeStartLine() const override;
  void decodeStartLine(const Data& line) override;

 private:
  int statusCode_ = 0;
  Data reasonPhrase_;
  Data version_ = "2.0";
  Data protocol_ = "SIP";
};

}  // namespace vx
