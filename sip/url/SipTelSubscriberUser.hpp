#pragma once
// A telephone subscriber as the user part of a SIP URL (user=phone) or the body of a TEL URL:
// global flag, number, the four known parameters and any further parameters in order.
#include <utility>
#include <vector>

#include "sip/url/BaseUser.hpp"

namespace vx {

class SipTelSubscriberUser : public BaseUser {
 public:
  using Param = std::pair<Data, Data>;

  SipTelSubscriberUser() = default;
  explicit SipTelSubscriberUser(const Data& text) { decode(text); }

  bool decode(const Data& text) override;
  // "+" when global, then the number.
  Data encode() const override;
  // The parameters as ";name=value" pairs: isub, postd, phone-context, tsp, then the others.
  Data encodeParams() const;
  // encode() followed by encodeParams(), the body of a TEL URL.
  Data getFullText() const { return encode() + encodeParams(); }
  Sptr<BaseUser> duplicate() const override { return makeSptr<SipTelSubscriberUser>(*this); }
  UserType getType() const override { return TEL_SUBSCRIBER_USER; }
  bool areEqual(const BaseUser& other) const override;
  bool isLessThan(const BaseUser& other) const override;

  bool isGlobal() const { return global_; }
  void setGlobal(bool global) { global_ = global; }
  const Data& getNumber() const { return number_; }
  void setNumber(const Data& number) { number_ = number; }
  const Data& getIsub() const { return isub_; }
  void setIsub(const Data& value) { isub_ = value; }
  const Data& getPostd() const { return postd_; }
  void setPostd(const Data& value) { postd_ = value; }
  const Data& getPhoneContext() const { return phoneContext_; }
  void setPhoneContext(const Data& value) { phoneContext_ = value; }
  const Data& getTsp() const { return tsp_; }
  void setTsp(const Data& value) { tsp_ = value; }
  // The last further pair; all of them are kept and encoded.
  Data getOtherName() const { return others_.empty() ? Data() : others_.back().first; }
  Data getOtherValue() const { return others_.empty() ? Data() : others_.back().second; }
  const std::vector<Param>& getOtherParams() const { return others_; }
  void addOtherParam(const Data& name, const Data& value) { others_.emplace_back(name, value); }

 private:
  bool global_ = false;
  Data number_;
  Data isub_;
  Data postd_;
  Data phoneContext_;
  Data tsp_;
  std::vector<Param> others_;
};

}  // namespace vx
