#pragma once
// SipCallId: local id "@" host. A default-constructed Call-ID is a new one: 32 random
// hexadecimal digits at the engine's local host.
#include "sip/data/Data.hpp"
#include "sip/message/SipHeader.hpp"

namespace vx {

class SipCallId final : public SipHeader {
 public:
  static constexpr SipHeaderType kType = SIP_CALL_ID_HDR;
  // A new Call-ID.
  SipCallId();
  // Received text; empty text gives an empty Call-ID, never a made-up one.
  explicit SipCallId(const Data& text);

  // The host new Call-IDs are made at (the user agent sets it).
  static void setLocalHost(const Data& host);
  static Data getLocalHost();

  const Data& getLocalId() const { return localId_; }
  bool setLocalId(const Data& id);
  const Data& getHost() const { return host_; }
  bool setHost(const Data& host);
  // local id "@" host, or the local id alone.
  Data getCallIdData() const;

  Data encode() const override;
  Sptr<SipHeader> duplicate() const override { return makeSptr<SipCallId>(*this); }
  bool areEqual(const SipHeader& other) const override;
  SipHeaderFields getFields() const override;

 private:
  Data localId_;
  Data host_;
};

}  // namespace vx
