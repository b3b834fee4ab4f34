#include "sip/header/SipAuthHeaders.hpp"

#include "sip/header/HeaderText.hpp"

namespace vx {

SipAuthHeader::SipAuthHeader(SipHeaderType type, std::string_view text) : type_(type) {
  text = detail::trimLws(text);
  if (text.empty()) return;
  std::size_t blank = text.find_first_of(detail::kLws);
  scheme_ = Data(text.substr(0, blank));
  if (blank == std::string_view::npos) {
    detail::logParseError("Failed to Decode in authentication header: no blank after the scheme");
    return;
  }
  std::string_view rest = detail::trimLws(text.substr(blank));
  if (isBasic()) {
    cookie_ = Data(rest);
  } else {
    params_.decode(rest, ',');
  }
}

bool SipAuthHeader::isCredentials() const {
  return type_ == SIP_AUTHORIZATION_HDR || type_ == SIP_PROXY_AUTHORIZATION_HDR;
}

bool SipAuthHeader::isBasic() const { return isCredentials() && Data::equalsNoCase(scheme_.view(), "Basic"); }

bool SipAuthHeader::setScheme(const Data& scheme) {
  if (!detail::acceptApiValue(scheme.view(), "authentication scheme")) return false;
  scheme_ = scheme;
  return true;
}

bool SipAuthHeader::setBasicCookie(const Data& cookie) {
  if (!detail::acceptApiValue(cookie.view(), "Basic cookie")) return false;
  cookie_ = cookie;
  return true;
}

Data SipAuthHeader::encode() const {
  if (scheme_.empty()) return Data();
  Data rest = isBasic() ? cookie_ : params_.encode(", ");
  Data out = detail::startLine(type_, scheme_.length() + rest.length() + 1);
  out += scheme_;
  if (!rest.empty()) out.append(" ").append(rest.view());
  return detail::endLine(type_, out);
}

bool SipAuthHeader::areEqual(const SipHeader& other) const {
  auto* that = dynamic_cast<const SipAuthHeader*>(&other);
  return that && that->type_ == type_ && that->scheme_ == scheme_ && that->cookie_ == cookie_ &&
         that->params_ == params_;
}

SipHeaderFields SipAuthHeader::getFields() const {
  SipHeaderFields fields;
  detail::addField(fields, "scheme", scheme_);
  detail::addField(fields, "cookie", cookie_);
  detail::addParamFields(fields, params_);
  return fields;
}

}  // namespace vx
