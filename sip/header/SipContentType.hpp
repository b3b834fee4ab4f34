#pragma once
// The body's description: Content-Type (media type, subtype and parameters) and
// Content-Disposition (disposition type and parameters, among them "handling").
#include <string_view>

#include "sip/data/Data.hpp"
#include "sip/header/SipParameterList.hpp"
#include "sip/message/SipHeader.hpp"

namespace vx {

class SipContentType final : public SipHeader {
 public:
  static constexpr SipHeaderType kType = SIP_CONTENT_TYPE_HDR;
  SipContentType() = default;
  explicit SipContentType(const Data& text);
  SipContentType(const Data& type, const Data& subtype);

  // Stored lower-cased.
  const Data& getType() const { return type_; }
  const Data& getSubType() const { return subtype_; }
  // Refuse text holding CR, LF or NUL.
  bool setType(const Data& type);
  bool setSubType(const Data& subtype);

  const SipParameterList& getParams() const { return params_; }
  Data getParam(std::string_view name) const { return params_.getValue(name); }
  bool setParam(std::string_view name, std::string_view value, bool quoted = false) {
    return params_.setValue(name, value, quoted);
  }
  // The multipart boundary without its quotes.
  Data getBoundary() const { return params_.getUnquotedValue("boundary"); }

  Data encode() const override;
  Sptr<SipHeader> duplicate() const override { return makeSptr<SipContentType>(*this); }
  bool areEqual(const SipHeader& other) const override;
  SipHeaderFields getFields() const override;

 private:
  Data type_;
  Data subtype_;
  SipParameterList params_{';'};
};

class SipContentDisposition final : public SipHeader {
 public:
  static constexpr SipHeaderType kType = SIP_CONTENT_DISPOSITION_HDR;
  SipContentDisposition() = default;
  explicit SipContentDisposition(const Data& text);

  const Data& getDispositionType() const { return type_; }
  bool setDispositionType(const Data& type);
  // "optional" or "required"; empty when not given.
  Data getHandling() const { return params_.getValue("handling"); }
  bool setHandling(const Data& handling);
  const SipParameterList& getParams() const { return params_; }

  Data encode() const override;
  Sptr<SipHeader> duplicate() const override { return makeSptr<SipContentDisposition>(*this); }
  bool areEqual(const SipHeader& other) const override;
  SipHeaderFields getFields() const override;

 private:
  Data type_;
  SipParameterList params_{';'};
};

}  // namespace vx
