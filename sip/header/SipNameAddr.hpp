#pragma once
// The name-address family: To, From, Contact, Referred-By, Diversion, Also, Route,
// Record-Route and Refer-To. Each holds a display name, a URL and ';' parameters; the
// classes differ only in the few rules of their shape table (SipNameAddr.cpp).
#include <string_view>

#include "sip/data/Data.hpp"
#include "sip/data/Sptr.hpp"
#include "sip/header/SipParameterList.hpp"
#include "sip/message/SipHeader.hpp"
#include "sip/url/BaseUrl.hpp"

namespace vx {

class SipNameAddrHeader : public SipHeader {
 public:
  SipHeaderType getType() const { return type_; }

  // The display name as UTF-8 text, quotes removed and escapes undone.
  const Data& getDisplayName() const { return displayName_; }
  // Text that is not valid UTF-8 is taken as Latin-1 and converted; CR, LF and NUL are refused.
  bool setDisplayName(const Data& name);

  // Null when the header has no address (it then writes nothing).
  const Sptr<BaseUrl>& getUrl() const { return url_; }
  // Refuses a URL whose text holds CR, LF or NUL.
  bool setUrl(const Sptr<BaseUrl>& url);

  const SipParameterList& getParams() const { return params_; }
  Data getParam(std::string_view name) const { return params_.getValue(name); }
  bool setParam(std::string_view name, std::string_view value, bool quoted = false) {
    return params_.setValue(name, value, quoted);
  }
  bool removeParam(std::string_view name) { return params_.remove(name); }

  Data getTag() const { return params_.getValue("tag"); }
  bool setTag(const Data& tag) { return params_.setValue("tag", tag.view()); }

  Data encode() const override;
  bool areEqual(const SipHeader& other) const override;
  SipHeaderFields getFields() const override;

 protected:
  explicit SipNameAddrHeader(SipHeaderType type) : type_(type) {}
  SipNameAddrHeader(SipHeaderType type, std::string_view text);
  SipNameAddrHeader(const SipNameAddrHeader& other);
  SipNameAddrHeader& operator=(const SipNameAddrHeader&) = delete;

  bool isWildcard() const { return wildcard_; }
  void setWildcard(bool wildcard) { wildcard_ = wildcard; }

 private:
  void decode(std::string_view text);
  void decodeParams(std::string_view afterAddress);

  SipHeaderType type_;
  Data displayName_;
  Sptr<BaseUrl> url_;
  SipParameterList params_{';'};
  bool wildcard_ = false;  // "Contact: *"
};

// Gives each class of the family its type, constructors and copy.
template <typename Self, SipHeaderType Type>
class SipNameAddrOf : public SipNameAddrHeader {
 public:
  static constexpr SipHeaderType kType = Type;
  SipNameAddrOf() : SipNameAddrHeader(Type) {}
  explicit SipNameAddrOf(const Data& text) : SipNameAddrHeader(Type, text.view()) {}
  Sptr<SipHeader> duplicate() const override { return makeSptr<Self>(static_cast<const Self&>(*this)); }
};

class SipTo final : public SipNameAddrOf<SipTo, SIP_TO_HDR> {
 public:
  using SipNameAddrOf::SipNameAddrOf;
};
class SipFrom final : public SipNameAddrOf<SipFrom, SIP_FROM_HDR> {
 public:
  using SipNameAddrOf::SipNameAddrOf;
};
class SipReferredBy final : public SipNameAddrOf<SipReferredBy, SIP_REFERRED_BY_HDR> {
 public:
  using SipNameAddrOf::SipNameAddrOf;
};
class SipAlso final : public SipNameAddrOf<SipAlso, SIP_ALSO_HDR> {
 public:
  using SipNameAddrOf::SipNameAddrOf;
};
class SipRoute final : public SipNameAddrOf<SipRoute, SIP_ROUTE_HDR> {
 public:
  using SipNameAddrOf::SipNameAddrOf;
};
class SipRecordRoute final : public SipNameAddrOf<SipRecordRoute, SIP_RECORD_ROUTE_HDR> {
 public:
  using SipNameAddrOf::SipNameAddrOf;
};

class SipContact final : public SipNameAddrOf<SipContact, SIP_CONTACT_HDR> {
 public:
  using SipNameAddrOf::SipNameAddrOf;

  // "Contact: *", the address of every binding in a REGISTER.
  bool isWildcard() const { return SipNameAddrHeader::isWildcard(); }
  void setWildcard(bool wildcard) { SipNameAddrHeader::setWildcard(wildcard); }

  // The expires parameter: seconds, or a date (written quoted).
  bool hasExpires() const { return getParams().has("expires"); }
  Data getExpires() const { return getParams().getUnquotedValue("expires"); }
  bool setExpires(const Data& expires);
  // A conference focus marks its Contact with "isfocus".
  bool isFocus() const { return getParams().has("isfocus"); }
};

class SipDiversion final : public SipNameAddrOf<SipDiversion, SIP_DIVERSION_HDR> {
 public:
  using SipNameAddrOf::SipNameAddrOf;
  Data getReason() const { return getParam("reason"); }
  Data getCounter() const { return getParam("counter"); }
  Data getLimit() const { return getParam("limit"); }
};

class SipReferTo final : public SipNameAddrOf<SipReferTo, SIP_REFER_TO_HDR> {
 public:
  using SipNameAddrOf::SipNameAddrOf;

  // The headers embedded in a SIP URL after "?", as "&" pairs (names lower-cased).
  SipParameterList getEmbeddedHeaders() const;
  // The embedded Replaces value with its %-escapes undone; empty when there is none.
  Data getReplaces() const;
  // Embeds a Replaces value, %-escaped; false when the address is not a SIP URL.
  bool setReplaces(const Data& replaces);
};

}  // namespace vx
