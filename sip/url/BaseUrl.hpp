#pragma once
// BaseUrl: every address in a message. The factory decode() picks the kind from the scheme;
// each kind parses, encodes, compares and copies itself.
#include "sip/data/Data.hpp"
#include "sip/data/Sptr.hpp"
#include "sip/url/BaseUser.hpp"

namespace vx {

enum UrlType { SIP_URL = 0, TEL_URL = 1, IM_URL = 2, PRES_URL = 3, UNKNOWN_URL = 4, NULL_URL = 5 };

// The log channel of the SIP message model.
inline constexpr const char* kSipLogChannel = "SIP";

class BaseUrl {
 public:
  virtual ~BaseUrl() = default;
  virtual Data encode() const = 0;
  virtual Sptr<BaseUser> getUser() const { return nullptr; }
  virtual Data getUserValue() const { return Data(); }
  virtual Data getNameAddr() const = 0;
  virtual void setUser(Sptr<BaseUser>) {}
  virtual void setUserValue(const Data&, const Data&) {}
  virtual UrlType getType() const = 0;
  virtual bool isLooseRouterPresent() const { return false; }
  virtual Sptr<BaseUrl> duplicate() const = 0;
  // False when the other URL is of another kind.
  virtual bool areEqual(const BaseUrl& other) const = 0;
  bool isEqual(const Sptr<BaseUrl>& other) const { return other && areEqual(*other); }
  // A strict weak order consistent with areEqual: by kind, then within the kind.
  bool isLessThan(const Sptr<BaseUrl>& other) const;

  // Never fails: text it cannot read becomes an UnknownUrl.
  static Sptr<BaseUrl> decode(const Data& text);

 protected:
  // Only called with a URL of the same kind.
  virtual bool isLessThanSameKind(const BaseUrl& other) const = 0;
};

// Order of two optional users: absent first, then by the users' own order.
bool userLess(const Sptr<BaseUser>& a, const Sptr<BaseUser>& b);
bool userEqual(const Sptr<BaseUser>& a, const Sptr<BaseUser>& b);

}  // namespace vx
