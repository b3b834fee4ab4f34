#include "sip/header/SipGenericParameter.hpp"

#include "sip/header/HeaderText.hpp"

namespace vx {

SipGenericParameter::SipGenericParameter(const Data& text) {
  std::string_view value = text.view();
  std::size_t colon = value.find(':');
  if (colon == std::string_view::npos) return;
  set(Data(detail::trimLws(value.substr(0, colon))), Data(detail::trimLws(value.substr(colon + 1))));
}

SipGenericParameter::SipGenericParameter(const Data& name, const Data& value) { set(name, value); }

bool SipGenericParameter::set(const Data& name, const Data& value) {
  if (name.view().find_first_of(": \t") != std::string_view::npos || !detail::acceptApiValue(name.view(), "name") ||
      !detail::acceptApiValue(value.view(), "value")) {
    return false;
  }
  name_ = name;
  value_ = value;
  return true;
}

Data SipGenericParameter::encode() const {
  if (name_.empty() || value_.empty()) return Data();
  Data out;
  out.reserve(name_.length() + value_.length() + 4);
  out.append(name_.view()).append(": ").append(value_.view()).append("\r\n");
  return out;
}

bool SipGenericParameter::areEqual(const SipHeader& other) const {
  auto* that = dynamic_cast<const SipGenericParameter*>(&other);
  return that && Data::equalsNoCase(that->name_.view(), name_.view()) && that->value_ == value_;
}

SipHeaderFields SipGenericParameter::getFields() const {
  SipHeaderFields fields;
  detail::addField(fields, "name", name_);
  detail::addField(fields, "value", value_);
  return fields;
}

}  // namespace vx
