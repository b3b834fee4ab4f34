#pragma once
// TelUrl: a 'tel:' URL, a telephone subscriber behind the scheme.
#include "sip/url/BaseUrl.hpp"
#include "sip/url/SipTelSubscriberUser.hpp"

namespace vx {

class TelUrl : public BaseUrl {
 public:
  TelUrl() = default;
  // Never raises: a failure is logged and keeps what was read.
  explicit TelUrl(const Data& text);

  Data encode() const override;
  Sptr<BaseUser> getUser() const override { return subscriber_.duplicate(); }
  Data getUserValue() const override { return subscriber_.encode(); }
  Data getNameAddr() const override { return encode(); }
  UrlType getType() const override { return TEL_URL; }
  Sptr<BaseUrl> duplicate() const override { return makeSptr<TelUrl>(*this); }
  bool areEqual(const BaseUrl& other) const override;

  const Data& getScheme() const { return scheme_; }
  const SipTelSubscriberUser& getSubscriber() const { return subscriber_; }
  SipTelSubscriberUser& getSubscriber() { return subscriber_; }

 protected:
  bool isLessThanSameKind(const BaseUrl& other) const override;

 private:
  Data scheme_ = "tel";
  SipTelSubscriberUser subscriber_;
};

}  // namespace vx
