#pragma once
// The two instant-messaging URL kinds, 'im:' and 'pres:': scheme, user "@" host.
#include "sip/url/BaseUrl.hpp"

namespace vx {

class ImpBaseUrl : public BaseUrl {
 public:
  Data encode() const override;
  Sptr<BaseUser> getUser() const override { return makeSptr<SipUser>(user_); }
  Data getUserValue() const override { return user_; }
  Data getNameAddr() const override { return encode(); }
  bool areEqual(const BaseUrl& other) const override;

  const Data& getScheme() const { return scheme_; }
  const Data& getUserText() const { return user_; }
  const Data& getHost() const { return host_; }

 protected:
  ImpBaseUrl(const char* scheme, const Data& text);
  bool isLessThanSameKind(const BaseUrl& other) const override;

 private:
  bool decode(const char* scheme, const Data& text);

  Data scheme_;
  Data user_;
  Data host_;
};

class ImUrl : public ImpBaseUrl {
 public:
  explicit ImUrl(const Data& text) : ImpBaseUrl("im", text) {}
  UrlType getType() const override { return IM_URL; }
  Sptr<BaseUrl> duplicate() const override { return makeSptr<ImUrl>(*this); }
};

class PresUrl : public ImpBaseUrl {
 public:
  explicit PresUrl(const Data& text) : ImpBaseUrl("pres", text) {}
  UrlType getType() const override { return PRES_URL; }
  Sptr<BaseUrl> duplicate() const override { return makeSptr<PresUrl>(*this); }
};

}  // namespace vx
