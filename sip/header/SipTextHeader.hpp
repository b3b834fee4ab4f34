#pragma once
// The single-text family: headers whose value is kept as one text and written back as it is
// (Subject, Organization, Priority, Hide, Mime-Version, Timestamp, Encryption, Response-Key,
// OSP-Authorization-Token, Session, Event, Allow-Events, Alert-Info, Min-SE, User-Agent,
// Server). Some add getters that read parts of the text.
#include <string_view>

#include "sip/data/Data.hpp"
#include "sip/message/SipHeader.hpp"

namespace vx {

class SipTextHeader : public SipHeader {
 public:
  SipHeaderType getType() const { return type_; }
  const Data& getValue() const { return value_; }
  // Refuses text holding CR, LF or NUL.
  bool setValue(const Data& value);

  Data encode() const override;
  bool areEqual(const SipHeader& other) const override;
  SipHeaderFields getFields() const override;

 protected:
  explicit SipTextHeader(SipHeaderType type) : type_(type) {}
  SipTextHeader(SipHeaderType type, std::string_view text);

 private:
  SipHeaderType type_;
  Data value_;
};

template <typename Self, SipHeaderType Type>
class SipTextHeaderOf : public SipTextHeader {
 public:
  static constexpr SipHeaderType kType = Type;
  SipTextHeaderOf() : SipTextHeader(Type) {}
  explicit SipTextHeaderOf(const Data& text) : SipTextHeader(Type, text.view()) {}
  Sptr<SipHeader> duplicate() const override { return makeSptr<Self>(static_cast<const Self&>(*this)); }
};

class SipSubject final : public SipTextHeaderOf<SipSubject, SIP_SUBJECT_HDR> {
 public:
  using SipTextHeaderOf::SipTextHeaderOf;
};
class SipOrganization final : public SipTextHeaderOf<SipOrganization, SIP_ORGANIZATION_HDR> {
 public:
  using SipTextHeaderOf::SipTextHeaderOf;
};
class SipPriority final : public SipTextHeaderOf<SipPriority, SIP_PRIORITY_HDR> {
 public:
  using SipTextHeaderOf::SipTextHeaderOf;
};
class SipMimeVersion final : public SipTextHeaderOf<SipMimeVersion, SIP_MIME_VERSION_HDR> {
 public:
  using SipTextHeaderOf::SipTextHeaderOf;
};
class SipTimestamp final : public SipTextHeaderOf<SipTimestamp, SIP_TIMESTAMP_HDR> {
 public:
  using SipTextHeaderOf::SipTextHeaderOf;
};
class SipEncryption final : public SipTextHeaderOf<SipEncryption, SIP_ENCRYPTION_HDR> {
 public:
  using SipTextHeaderOf::SipTextHeaderOf;
};
class SipResponseKey final : public SipTextHeaderOf<SipResponseKey, SIP_RESPONSE_KEY_HDR> {
 public:
  using SipTextHeaderOf::SipTextHeaderOf;
};
class SipOspAuthorization final : public SipTextHeaderOf<SipOspAuthorization, SIP_OSP_AUTHORIZATION_HDR> {
 public:
  using SipTextHeaderOf::SipTextHeaderOf;
};
class SipAllowEvents final : public SipTextHeaderOf<SipAllowEvents, SIP_ALLOW_EVENTS_HDR> {
 public:
  using SipTextHeaderOf::SipTextHeaderOf;
};
class SipAlertInfo final : public SipTextHeaderOf<SipAlertInfo, SIP_ALERT_INFO_HDR> {
 public:
  using SipTextHeaderOf::SipTextHeaderOf;
};

// "route" or "hop"; another value is logged and kept.
class SipHide final : public SipTextHeaderOf<SipHide, SIP_HIDE_HDR> {
 public:
  SipHide() = default;
  explicit SipHide(const Data& text);
};

// The words Media, Qos and Security as three flags.
class SipSession final : public SipTextHeaderOf<SipSession, SIP_SESSION_HDR> {
 public:
  using SipTextHeaderOf::SipTextHeaderOf;
  bool isMedia() const { return hasWord("media"); }
  bool isQos() const { return hasWord("qos"); }
  bool isSecurity() const { return hasWord("security"); }
  bool setFlags(bool media, bool qos, bool security);

 private:
  bool hasWord(std::string_view word) const;
};

// The event package and its parameters, e.g. "presence;id=7".
class SipSubsNotifyEvent final : public SipTextHeaderOf<SipSubsNotifyEvent, SIP_EVENT_HDR> {
 public:
  using SipTextHeaderOf::SipTextHeaderOf;
  Data getEventType() const;
  Data getId() const;
};

class SipMinSE final : public SipTextHeaderOf<SipMinSE, SIP_MIN_SE_HDR> {
 public:
  using SipTextHeaderOf::SipTextHeaderOf;
  int getDelta() const { return getValue().toInt(); }
};

// User-Agent and Server: the first product, its version and its comment, read from the text.
class SipProductHeader : public SipTextHeader {
 public:
  Data getProduct() const;
  Data getVersion() const;
  Data getComment() const;
  // Writes product "/" version "(" comment ")", each part only when not empty.
  bool setProduct(const Data& product, const Data& version, const Data& comment);
  SipHeaderFields getFields() const override;

 protected:
  using SipTextHeader::SipTextHeader;
};

template <typename Self, SipHeaderType Type>
class SipProductHeaderOf : public SipProductHeader {
 public:
  static constexpr SipHeaderType kType = Type;
  SipProductHeaderOf() : SipProductHeader(Type) {}
  explicit SipProductHeaderOf(const Data& text) : SipProductHeader(Type, text.view()) {}
  Sptr<SipHeader> duplicate() const override { return makeSptr<Self>(static_cast<const Self&>(*this)); }
};

class SipUserAgent final : public SipProductHeaderOf<SipUserAgent, SIP_USER_AGENT_HDR> {
 public:
  using SipProductHeaderOf::SipProductHeaderOf;
};

class SipServer final : public SipProductHeaderOf<SipServer, SIP_SERVER_HDR> {
 public:
  using SipProductHeaderOf::SipProductHeaderOf;
};

}  // namespace vx
