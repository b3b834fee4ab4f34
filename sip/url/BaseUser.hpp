#pragma once
// The user part of a URL: a plain user, a telephone subscriber, or none.
#include "sip/data/Data.hpp"
#include "sip/data/Sptr.hpp"

namespace vx {

enum UserType { SIP_USER = 0, TEL_SUBSCRIBER_USER = 1, NULL_USER = 2 };

class BaseUser {
 public:
  virtual ~BaseUser() = default;
  virtual bool decode(const Data& text) = 0;
  virtual Data encode() const = 0;
  virtual Sptr<BaseUser> duplicate() const = 0;
  virtual UserType getType() const = 0;
  // Users of different kinds are never equal and order by kind.
  virtual bool areEqual(const BaseUser& other) const = 0;
  virtual bool isLessThan(const BaseUser& other) const = 0;
};

// The user text exactly as written before "@".
class SipUser : public BaseUser {
 public:
  SipUser() = default;
  explicit SipUser(const Data& text) : text_(text) {}
  bool decode(const Data& text) override {
    text_ = text;
    return true;
  }
  Data encode() const override { return text_; }
  Sptr<BaseUser> duplicate() const override { return makeSptr<SipUser>(*this); }
  UserType getType() const override { return SIP_USER; }
  bool areEqual(const BaseUser& other) const override;
  bool isLessThan(const BaseUser& other) const override;

 private:
  Data text_;
};

class NullUser : public BaseUser {
 public:
  bool decode(const Data&) override { return true; }
  Data encode() const override { return Data(); }
  Sptr<BaseUser> duplicate() const override { return makeSptr<NullUser>(); }
  UserType getType() const override { return NULL_USER; }
  bool areEqual(const BaseUser& other) const override { return other.getType() == NULL_USER; }
  bool isLessThan(const BaseUser& other) const override { return NULL_USER < other.getType(); }
};

}  // namespace vx
