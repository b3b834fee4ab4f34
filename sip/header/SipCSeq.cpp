#include "sip/header/SipCSeq.hpp"

#include <limits>

#include "sip/header/HeaderText.hpp"

namespace vx {

SipCSeq::SipCSeq(const Data& text) {
  std::string_view value = detail::trimLws(text.view());
  if (value.empty()) return;
  std::size_t blank = value.find_first_of(detail::kLws);
  if (blank == std::string_view::npos) {
    detail::logParseError("Failed to Decode in CSeq Constructor scanSipCSeq :( ");
    number_ = Data(value);
    return;
  }
  number_ = Data(value.substr(0, blank));
  method_ = Data(detail::trimLws(value.substr(blank)));
}

SipCSeq::SipCSeq(SipMethodType method, const Data& number) : method_(methodToText(method)) { setCSeq(number); }

bool SipCSeq::setCSeq(const Data& number) {
  if (!detail::acceptApiValue(number.view(), "CSeq number")) return false;
  number_ = number;
  return true;
}

bool SipCSeq::setMethod(const Data& method) {
  if (!detail::acceptApiValue(method.view(), "CSeq method")) return false;
  method_ = method;
  return true;
}

int SipCSeq::getNextCSeq() const {
  int current = number_.toInt();
  if (current < 0) {
    detail::logParseError("next seqnum is out of range, defaulting to 2**31 - 1");
    return std::numeric_limits<int>::max();
  }
  return current + 1;
}

Data SipCSeq::encode() const {
  if (number_.empty()) return Data();
  Data out = detail::startLine(kType, number_.length() + method_.length() + 1);
  out.append(number_.view()).append(" ").append(method_.view());
  return detail::endLine(kType, out);
}

bool SipCSeq::areEqual(const SipHeader& other) const {
  auto* that = dynamic_cast<const SipCSeq*>(&other);
  return that && that->number_ == number_ && that->method_ == method_;
}

SipHeaderFields SipCSeq::getFields() const {
  SipHeaderFields fields;
  detail::addField(fields, "number", number_);
  detail::addField(fields, "method", method_);
  return fields;
}

}  // namespace vx
