#include "sip/header/SipTokenHeader.hpp"

#include "sip/header/HeaderText.hpp"

namespace vx {
namespace {

// The part of the token before or after the first separator (empty after when there is none).
Data tokenPart(const Data& token, char separator, bool before) {
  std::string_view text = token.view();
  std::size_t at = text.find(separator);
  if (at == std::string_view::npos) return before ? token : Data();
  return Data(before ? text.substr(0, at) : text.substr(at + 1));
}

}  // namespace

SipTokenHeader::SipTokenHeader(SipHeaderType type, std::string_view text) : type_(type) {
  std::size_t semi = detail::findUnquoted(text, ';');
  token_ = Data(detail::trimLws(text.substr(0, semi)));
  if (semi != std::string_view::npos) params_.decode(text.substr(semi + 1), ';');
}

bool SipTokenHeader::setToken(const Data& token) {
  if (!detail::acceptApiValue(token.view(), "token")) return false;
  token_ = token;
  return true;
}

Data SipTokenHeader::getMediaType() const { return tokenPart(token_, '/', true); }
Data SipTokenHeader::getMediaSubtype() const { return tokenPart(token_, '/', false); }
Data SipTokenHeader::getPrimaryTag() const { return tokenPart(token_, '-', true); }
Data SipTokenHeader::getSubtag() const { return tokenPart(token_, '-', false); }

Data SipTokenHeader::encode() const {
  if (token_.empty()) return Data();
  Data out = detail::startLine(type_, token_.length() + 16);
  out += token_;
  if (!params_.empty()) {
    out += ';';
    params_.encodeTo(out, ";");
  }
  return detail::endLine(type_, out);
}

bool SipTokenHeader::areEqual(const SipHeader& other) const {
  auto* that = dynamic_cast<const SipTokenHeader*>(&other);
  return that && that->type_ == type_ && that->token_ == token_ && that->params_ == params_;
}

SipHeaderFields SipTokenHeader::getFields() const {
  SipHeaderFields fields;
  detail::addField(fields, "token", token_);
  detail::addParamFields(fields, params_);
  return fields;
}

}  // namespace vx
