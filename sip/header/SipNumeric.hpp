#pragma once
// Headers that carry a number: Max-Forwards, Content-Length and Session-Expires.
#include "sip/data/Data.hpp"
#include "sip/message/SipHeader.hpp"

namespace vx {

class SipMaxForwards final : public SipHeader {
 public:
  static constexpr SipHeaderType kType = SIP_MAX_FORWARDS_HDR;
  static constexpr int kDefault = 70;
  // The value a request may carry at most; more is read as an error.
  static constexpr int kMax = 255;

  SipMaxForwards() = default;
  // Digits only, at most kMax; anything else is logged and leaves the default.
  explicit SipMaxForwards(const Data& text);

  int get() const { return hops_; }
  // Refuses a value outside 0..kMax.
  bool set(int hops);
  // One hop less, never below 0; returns the new value.
  int decrement();

  // Always written: a value of 0 tells the next hop not to forward the request.
  Data encode() const override;
  Sptr<SipHeader> duplicate() const override { return makeSptr<SipMaxForwards>(*this); }
  bool areEqual(const SipHeader& other) const override;
  SipHeaderFields getFields() const override;

 private:
  int hops_ = kDefault;
};

class SipContentLength final : public SipHeader {
 public:
  static constexpr SipHeaderType kType = SIP_CONTENT_LENGTH_HDR;
  SipContentLength() = default;
  explicit SipContentLength(const Data& text);

  int get() const { return length_.toInt(); }
  const Data& getLength() const { return length_; }
  void set(int length) { length_ = Data(length); }

  // The number, or 0 when none was given.
  Data encode() const override;
  Sptr<SipHeader> duplicate() const override { return makeSptr<SipContentLength>(*this); }
  bool areEqual(const SipHeader& other) const override;
  SipHeaderFields getFields() const override;

 private:
  Data length_;
};

class SipSessionExpires final : public SipHeader {
 public:
  static constexpr SipHeaderType kType = SIP_SESSION_EXPIRES_HDR;
  SipSessionExpires() = default;
  explicit SipSessionExpires(const Data& text);

  const Data& getDelta() const { return delta_; }
  bool setDelta(const Data& delta);
  // "uac" or "uas"; empty when the header names no refresher.
  const Data& getRefresher() const { return refresher_; }
  // Refuses anything but "uac", "uas" and empty text.
  bool setRefresher(const Data& refresher);

  Data encode() const override;
  Sptr<SipHeader> duplicate() const override { return makeSptr<SipSessionExpires>(*this); }
  bool areEqual(const SipHeader& other) const override;
  SipHeaderFields getFields() const override;

 private:
  void decodeParams(std::string_view params);

  Data delta_;
  Data refresher_;
};

}  // namespace vx
