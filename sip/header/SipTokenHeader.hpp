#pragma once
// The token-list family: one element of Accept, Accept-Encoding, Accept-Language, Allow,
// Content-Encoding, Content-Language, In-Reply-To, Proxy-Require, Require, Supported and
// Unsupported. Each element is a token with optional ';' parameters (q and the like).
#include <string_view>

#include "sip/data/Data.hpp"
#include "sip/header/SipParameterList.hpp"
#include "sip/message/SipHeader.hpp"

namespace vx {

class SipTokenHeader : public SipHeader {
 public:
  SipHeaderType getType() const { return type_; }

  const Data& getToken() const { return token_; }
  bool setToken(const Data& token);
  const SipParameterList& getParams() const { return params_; }
  bool setParam(std::string_view name, std::string_view value) { return params_.setValue(name, value); }

  Data getQValue() const { return params_.getValue("q"); }
  bool setQValue(const Data& q) { return params_.setValue("q", q.view()); }
  // Accept: type "/" subtype ("*/*" for any).
  Data getMediaType() const;
  Data getMediaSubtype() const;
  // Accept-Language and Content-Language: primary tag "-" subtag.
  Data getPrimaryTag() const;
  Data getSubtag() const;

  Data encode() const override;
  bool areEqual(const SipHeader& other) const override;
  SipHeaderFields getFields() const override;

 protected:
  explicit SipTokenHeader(SipHeaderType type) : type_(type) {}
  SipTokenHeader(SipHeaderType type, std::string_view text);

 private:
  SipHeaderType type_;
  Data token_;
  SipParameterList params_{';'};
};

template <typename Self, SipHeaderType Type>
class SipTokenHeaderOf : public SipTokenHeader {
 public:
  static constexpr SipHeaderType kType = Type;
  SipTokenHeaderOf() : SipTokenHeader(Type) {}
  explicit SipTokenHeaderOf(const Data& text) : SipTokenHeader(Type, text.view()) {}
  Sptr<SipHeader> duplicate() const override { return makeSptr<Self>(static_cast<const Self&>(*this)); }
};

class SipAccept final : public SipTokenHeaderOf<SipAccept, SIP_ACCEPT_HDR> {
 public:
  using SipTokenHeaderOf::SipTokenHeaderOf;
};
class SipAcceptEncoding final : public SipTokenHeaderOf<SipAcceptEncoding, SIP_ACCEPT_ENCODING_HDR> {
 public:
  using SipTokenHeaderOf::SipTokenHeaderOf;
};
class SipAcceptLanguage final : public SipTokenHeaderOf<SipAcceptLanguage, SIP_ACCEPT_LANGUAGE_HDR> {
 public:
  using SipTokenHeaderOf::SipTokenHeaderOf;
};
class SipAllow final : public SipTokenHeaderOf<SipAllow, SIP_ALLOW_HDR> {
 public:
  using SipTokenHeaderOf::SipTokenHeaderOf;
};
class SipContentEncoding final : public SipTokenHeaderOf<SipContentEncoding, SIP_CONTENT_ENCODING_HDR> {
 public:
  using SipTokenHeaderOf::SipTokenHeaderOf;
};
class SipContentLanguage final : public SipTokenHeaderOf<SipContentLanguage, SIP_CONTENT_LANGUAGE_HDR> {
 public:
  using SipTokenHeaderOf::SipTokenHeaderOf;
};
class SipInReplyTo final : public SipTokenHeaderOf<SipInReplyTo, SIP_IN_REPLY_TO_HDR> {
 public:
  using SipTokenHeaderOf::SipTokenHeaderOf;
};
class SipProxyRequire final : public SipTokenHeaderOf<SipProxyRequire, SIP_PROXY_REQUIRE_HDR> {
 public:
  using SipTokenHeaderOf::SipTokenHeaderOf;
};
class SipRequire final : public SipTokenHeaderOf<SipRequire, SIP_REQUIRE_HDR> {
 public:
  using SipTokenHeaderOf::SipTokenHeaderOf;
};
class SipSupported final : public SipTokenHeaderOf<SipSupported, SIP_SUPPORTED_HDR> {
 public:
  using SipTokenHeaderOf::SipTokenHeaderOf;
};
class SipUnsupported final : public SipTokenHeaderOf<SipUnsupported, SIP_UNSUPPORTED_HDR> {
 public:
  using SipTokenHeaderOf::SipTokenHeaderOf;
};

}  // namespace vx
