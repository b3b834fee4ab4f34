#include "sip/header/SipTextHeader.hpp"

#include "sip/header/HeaderText.hpp"
#include "sip/header/SipParameterList.hpp"

namespace vx {
namespace {

constexpr std::string_view kHideValues[] = {"route", "hop"};
constexpr std::string_view kProductEnd = "/( \t";

}  // namespace

SipTextHeader::SipTextHeader(SipHeaderType type, std::string_view text) : type_(type), value_(detail::trimLws(text)) {}

bool SipTextHeader::setValue(const Data& value) {
  if (!detail::acceptApiValue(value.view(), "header value")) return false;
  value_ = Data(detail::trimLws(value.view()));
  return true;
}

Data SipTextHeader::encode() const {
  if (value_.empty()) return Data();
  Data out = detail::startLine(type_, value_.length());
  out += value_;
  return detail::endLine(type_, out);
}

bool SipTextHeader::areEqual(const SipHeader& other) const {
  auto* that = dynamic_cast<const SipTextHeader*>(&other);
  return that && that->type_ == type_ && that->value_ == value_;
}

SipHeaderFields SipTextHeader::getFields() const {
  SipHeaderFields fields;
  detail::addField(fields, "value", value_);
  return fields;
}

SipHide::SipHide(const Data& text) : SipTextHeaderOf(text) {
  for (std::string_view allowed : kHideValues) {
    if (Data::equalsNoCase(getValue().view(), allowed)) return;
  }
  if (!getValue().empty()) detail::logParseError("Value out of Range in HIDE it Should be Route|Hop : (");
}

bool SipSession::hasWord(std::string_view word) const {
  std::string_view text = getValue().view();
  while (!text.empty()) {
    std::size_t end = text.find_first_of(" \t,");
    if (Data::equalsNoCase(text.substr(0, end), word)) return true;
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return false;
}

bool SipSession::setFlags(bool media, bool qos, bool security) {
  Data words;
  for (auto [on, word] : {std::pair{media, "Media"}, std::pair{qos, "Qos"}, std::pair{security, "Security"}}) {
    if (!on) continue;
    if (!words.empty()) words += ' ';
    words += word;
  }
  return setValue(words);
}

Data SipSubsNotifyEvent::getEventType() const {
  std::string_view text = getValue().view();
  return Data(detail::trimLws(text.substr(0, text.find(';'))));
}

Data SipSubsNotifyEvent::getId() const {
  std::string_view text = getValue().view();
  std::size_t semi = text.find(';');
  if (semi == std::string_view::npos) return Data();
  return SipParameterList(text.substr(semi + 1), ';').getValue("id");
}

Data SipProductHeader::getProduct() const {
  std::string_view text = getValue().view();
  return Data(text.substr(0, text.find_first_of(kProductEnd)));
}

Data SipProductHeader::getVersion() const {
  std::string_view text = getValue().view();
  std::size_t end = text.find_first_of(kProductEnd);
  if (end == std::string_view::npos || text[end] != '/') return Data();
  text.remove_prefix(end + 1);
  return Data(text.substr(0, text.find_first_of("( \t")));
}

Data SipProductHeader::getComment() const {
  std::string_view text = getValue().view();
  std::size_t open = text.find('(');
  if (open == std::string_view::npos) return Data();
  std::size_t close = text.find(')', open);
  return Data(text.substr(open + 1, close == std::string_view::npos ? std::string_view::npos : close - open - 1));
}

bool SipProductHeader::setProduct(const Data& product, const Data& version, const Data& comment) {
  Data text = product;
  if (!version.empty()) text += "/" + version;
  if (!comment.empty()) text += "(" + comment + ")";
  return setValue(text);
}

SipHeaderFields SipProductHeader::getFields() const {
  SipHeaderFields fields;
  detail::addField(fields, "product", getProduct());
  detail::addField(fields, "version", getVersion());
  detail::addField(fields, "comment", getComment());
  detail::addField(fields, "value", getValue());
  return fields;
}

}  // namespace vx
