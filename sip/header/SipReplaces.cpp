#include "sip/header/SipReplaces.hpp"

#include "sip/header/HeaderText.hpp"

namespace vx {
namespace {

// A tag is a token: a quote in it would open a quoted string that swallows the parameters
// written after it, so such a value is dropped as unreadable.
Data tokenOrEmpty(const Data& value) {
  if (value.view().find_first_of("\";") == std::string_view::npos) return value;
  detail::logParseError("Replaces tag is not a token");
  return Data();
}

bool setChecked(Data& field, const Data& value, const char* what) {
  if (!detail::acceptApiValue(value.view(), what)) return false;
  field = value;
  return true;
}

}  // namespace

SipReplaces::SipReplaces(const Data& text) {
  std::string_view value = text.view();
  std::size_t semi = value.find(';');
  callId_ = Data(detail::trimLws(value.substr(0, semi)));
  if (semi == std::string_view::npos) return;
  others_.decode(value.substr(semi + 1), ';');
  toTag_ = tokenOrEmpty(others_.getValue("to-tag"));
  fromTag_ = tokenOrEmpty(others_.getValue("from-tag"));
  while (others_.remove("to-tag") || others_.remove("from-tag")) {
  }
}

bool SipReplaces::setCallId(const Data& callId) { return setChecked(callId_, callId, "Replaces call id"); }
bool SipReplaces::setToTag(const Data& tag) { return setChecked(toTag_, tag, "Replaces to-tag"); }
bool SipReplaces::setFromTag(const Data& tag) { return setChecked(fromTag_, tag, "Replaces from-tag"); }

Data SipReplaces::encodeValue() const {
  Data out;
  out.reserve(callId_.length() + toTag_.length() + fromTag_.length() + 24);
  out.append(callId_.view()).append(";to-tag=").append(toTag_.view()).append(";from-tag=").append(fromTag_.view());
  if (!others_.empty()) {
    out += ';';
    others_.encodeTo(out, ";");
  }
  return out;
}

Data SipReplaces::encode() const {
  if (callId_.empty()) return Data();
  Data out = detail::startLine(kType, callId_.length() + 48);
  out += encodeValue();
  return detail::endLine(kType, out);
}

bool SipReplaces::areEqual(const SipHeader& other) const {
  auto* that = dynamic_cast<const SipReplaces*>(&other);
  return that && that->callId_ == callId_ && that->toTag_ == toTag_ && that->fromTag_ == fromTag_ &&
         that->others_ == others_;
}

SipHeaderFields SipReplaces::getFields() const {
  SipHeaderFields fields;
  detail::addField(fields, "call-id", callId_);
  detail::addField(fields, "to-tag", toTag_);
  detail::addField(fields, "from-tag", fromTag_);
  detail::addParamFields(fields, others_);
  return fields;
}

}  // namespace vx
