#pragma once
// The authentication headers: the challenges WWW-Authenticate and Proxy-Authenticate, and the
// credentials Authorization and Proxy-Authorization. Each is a scheme and a ',' parameter
// list; credentials of the Basic scheme carry a cookie instead.
#include <string_view>

#include "sip/data/Data.hpp"
#include "sip/header/SipParameterList.hpp"
#include "sip/message/SipHeader.hpp"

namespace vx {

class SipAuthHeader : public SipHeader {
 public:
  SipHeaderType getType() const { return type_; }
  // Authorization and Proxy-Authorization.
  bool isCredentials() const;

  const Data& getScheme() const { return scheme_; }
  bool setScheme(const Data& scheme);
  // The value of a parameter, name ignoring case, with one pair of quotes removed.
  Data getParam(std::string_view name) const { return params_.getUnquotedValue(name); }
  bool setParam(std::string_view name, std::string_view value, bool quoted) {
    return params_.setValue(name, value, quoted);
  }
  const SipParameterList& getParams() const { return params_; }
  // The cookie of Basic credentials.
  const Data& getBasicCookie() const { return cookie_; }
  bool setBasicCookie(const Data& cookie);

  Data encode() const override;
  bool areEqual(const SipHeader& other) const override;
  SipHeaderFields getFields() const override;

 protected:
  explicit SipAuthHeader(SipHeaderType type) : type_(type) {}
  SipAuthHeader(SipHeaderType type, std::string_view text);

 private:
  bool isBasic() const;

  SipHeaderType type_;
  Data scheme_;
  Data cookie_;
  SipParameterList params_{','};
};

template <typename Self, SipHeaderType Type>
class SipAuthHeaderOf : public SipAuthHeader {
 public:
  static constexpr SipHeaderType kType = Type;
  SipAuthHeaderOf() : SipAuthHeader(Type) {}
  explicit SipAuthHeaderOf(const Data& text) : SipAuthHeader(Type, text.view()) {}
  Sptr<SipHeader> duplicate() const override { return makeSptr<Self>(static_cast<const Self&>(*this)); }
};

class SipWwwAuthenticate final : public SipAuthHeaderOf<SipWwwAuthenticate, SIP_WWW_AUTHENTICATE_HDR> {
 public:
  using SipAuthHeaderOf::SipAuthHeaderOf;
};
class SipProxyAuthenticate final : public SipAuthHeaderOf<SipProxyAuthenticate, SIP_PROXY_AUTHENTICATE_HDR> {
 public:
  using SipAuthHeaderOf::SipAuthHeaderOf;
};
class SipAuthorization final : public SipAuthHeaderOf<SipAuthorization, SIP_AUTHORIZATION_HDR> {
 public:
  using SipAuthHeaderOf::SipAuthHeaderOf;
};
class SipProxyAuthorization final : public SipAuthHeaderOf<SipProxyAuthorization, SIP_PROXY_AUTHORIZATION_HDR> {
 public:
  using SipAuthHeaderOf::SipAuthHeaderOf;
};

}  // namespace vx
