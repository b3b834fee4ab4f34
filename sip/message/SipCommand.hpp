#pragma once
// SipCommand: a request, a SipMsg with its request line.
#include "sip/message/SipMsg.hpp"
#include "sip/url/BaseUrl.hpp"

namespace vx {

class SipCommand : public SipMsg {
 public:
  explicit SipCommand(SipMethodType type = SIP_UNKNOWN) : type_(type) {}
  SipCommand(const SipCommand& other);

  SipMethodType getType() const override { return type_; }
  bool expectsReply() const override { return type_ != SIP_ACK; }
  Sptr<SipMsg> duplicate() const override { return makeSptr<SipCommand>(*this); }

  const Sptr<BaseUrl>& getRequestUri() const { return requestUri_; }
  void setRequestUri(const Sptr<BaseUrl>& uri) { requestUri_ = uri; }
  const Data& getMethodText() const { return methodText_; }
  void setMethodText(const Data& text) { methodText_ = text; }
  const Data& getVersion() const { return version_; }
  void setVersion(const Data& version) { version_ = version; }
  const Data& getProtocol() const { return protocol_; }
  void setProtocol(const Data& protocol) { protocol_ = protocol; }

 protected:
  Data encodeStartLine() const override;
  void decodeStartLine(const Data& line) override;

 private:
  SipMethodType type_;
  Sptr<BaseUrl> requestUri_;
  Data methodText_ = "UNKNOWN";
  Data version_ = "2.0";
  Data protocol_ = "SIP";
};

}  // namespace vx
