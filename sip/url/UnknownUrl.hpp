#pragma once
// UnknownUrl keeps text of any other scheme exactly as given; NullUrl is the absent URL.
#include "sip/url/BaseUrl.hpp"

namespace vx {

class UnknownUrl : public BaseUrl {
 public:
  explicit UnknownUrl(const Data& text) : text_(text) {}
  Data encode() const override { return text_; }
  Data getNameAddr() const override { return text_; }
  UrlType getType() const override { return UNKNOWN_URL; }
  Sptr<BaseUrl> duplicate() const override { return makeSptr<UnknownUrl>(*this); }
  bool areEqual(const BaseUrl& other) const override {
    auto* url = dynamic_cast<const UnknownUrl*>(&other);
    return url && url->text_ == text_;
  }

 protected:
  bool isLessThanSameKind(const BaseUrl& other) const override {
    return text_ < static_cast<const UnknownUrl&>(other).text_;
  }

 private:
  Data text_;
};

class NullUrl : public BaseUrl {
 public:
  Data encode() const override { return Data(); }
  Data getNameAddr() const override { return Data("null-url"); }
  UrlType getType() const override { return NULL_URL; }
  Sptr<BaseUrl> duplicate() const override { return makeSptr<NullUrl>(); }
  bool areEqual(const BaseUrl& other) const override { return other.getType() == NULL_URL; }

 protected:
  bool isLessThanSameKind(const BaseUrl&) const override { return false; }
};

}  // namespace vx
