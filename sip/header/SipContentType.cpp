#include "sip/header/SipContentType.hpp"

#include "sip/header/HeaderText.hpp"

namespace vx {
namespace {

constexpr std::string_view kHandlings[] = {"optional", "required"};

bool isHandling(std::string_view text) {
  for (std::string_view h : kHandlings) {
    if (Data::equalsNoCase(text, h)) return true;
  }
  return false;
}

Data lowered(std::string_view text) {
  Data out(text);
  out.toLower();
  return out;
}

}  // namespace

SipContentType::SipContentType(const Data& text) {
  std::string_view value = text.view();
  std::size_t semi = detail::findUnquoted(value, ';');
  std::string_view media = detail::trimLws(value.substr(0, semi));
  std::size_t slash = media.find('/');
  if (slash == std::string_view::npos && !media.empty()) {
    detail::logParseError("Failed to Decode in Content-Type: no '/' between type and subtype");
  }
  type_ = lowered(detail::trimLws(media.substr(0, slash)));
  if (slash != std::string_view::npos) subtype_ = lowered(detail::trimLws(media.substr(slash + 1)));
  if (semi != std::string_view::npos) params_.decode(value.substr(semi + 1), ';');
}

SipContentType::SipContentType(const Data& type, const Data& subtype) {
  setType(type);
  setSubType(subtype);
}

bool SipContentType::setType(const Data& type) {
  if (!detail::acceptApiValue(type.view(), "content type")) return false;
  type_ = lowered(type.view());
  return true;
}

bool SipContentType::setSubType(const Data& subtype) {
  if (!detail::acceptApiValue(subtype.view(), "content subtype")) return false;
  subtype_ = lowered(subtype.view());
  return true;
}

Data SipContentType::encode() const {
  if (type_.empty()) return Data();
  Data out = detail::startLine(kType, type_.length() + subtype_.length() + 32);
  out.append(type_.view()).append("/").append(subtype_.view());
  if (!params_.empty()) {
    out += ';';
    params_.encodeTo(out, "; ");
  }
  return detail::endLine(kType, out);
}

bool SipContentType::areEqual(const SipHeader& other) const {
  auto* that = dynamic_cast<const SipContentType*>(&other);
  return that && that->type_ == type_ && that->subtype_ == subtype_ && that->params_ == params_;
}

SipHeaderFields SipContentType::getFields() const {
  SipHeaderFields fields;
  detail::addField(fields, "type", type_);
  detail::addField(fields, "subtype", subtype_);
  detail::addParamFields(fields, params_);
  return fields;
}

SipContentDisposition::SipContentDisposition(const Data& text) {
  std::string_view value = text.view();
  std::size_t semi = detail::findUnquoted(value, ';');
  type_ = Data(detail::trimLws(value.substr(0, semi)));
  if (semi == std::string_view::npos) return;
  params_.decode(value.substr(semi + 1), ';');
  if (params_.has("handling") && !isHandling(params_.getValue("handling").view())) {
    detail::logParseError("Failed to Decode in parseFinParms Handle Parm is not (optional | required) :o(");
  }
}

bool SipContentDisposition::setDispositionType(const Data& type) {
  if (!detail::acceptApiValue(type.view(), "disposition type")) return false;
  type_ = type;
  return true;
}

bool SipContentDisposition::setHandling(const Data& handling) {
  if (!isHandling(handling.view())) return false;
  return params_.setValue("handling", handling.view());
}

Data SipContentDisposition::encode() const {
  if (type_.empty()) return Data();
  Data out = detail::startLine(kType, type_.length() + 32);
  out += type_;
  if (!params_.empty()) {
    out += ';';
    params_.encodeTo(out, ";");
  }
  return detail::endLine(kType, out);
}

bool SipContentDisposition::areEqual(const SipHeader& other) const {
  auto* that = dynamic_cast<const SipContentDisposition*>(&other);
  return that && that->type_ == type_ && that->params_ == params_;
}

SipHeaderFields SipContentDisposition::getFields() const {
  SipHeaderFields fields;
  detail::addField(fields, "type", type_);
  detail::addParamFields(fields, params_);
  return fields;
}

}  // namespace vx
