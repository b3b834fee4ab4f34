#include "sip/header/SipNumeric.hpp"

#include "runtime/log/Log.hpp"
#include "sip/header/HeaderText.hpp"
#include "sip/url/BaseUrl.hpp"

namespace vx {
namespace {

constexpr std::string_view kRefreshers[] = {"uac", "uas"};

bool isRefresher(std::string_view text) {
  for (std::string_view r : kRefreshers) {
    if (text == r) return true;
  }
  return false;
}

}  // namespace

SipMaxForwards::SipMaxForwards(const Data& text) {
  std::string_view value = detail::trimLws(text.view());
  if (value.empty()) return;
  bool digits = value.size() <= 3 && value.find_first_not_of("0123456789") == std::string_view::npos;
  int hops = digits ? Data(value).toInt() : -1;
  if (hops < 0 || hops > kMax) {
    detail::logParseError("Failed in parsing token  : ( ");
    return;
  }
  hops_ = hops;
}

bool SipMaxForwards::set(int hops) {
  if (hops < 0 || hops > kMax) {
    Log(kSipLogChannel, LOG_ERROR, "Max-Forwards %d refused: outside 0..%d", hops, kMax);
    return false;
  }
  hops_ = hops;
  return true;
}

int SipMaxForwards::decrement() {
  if (hops_ > 0) --hops_;
  return hops_;
}

Data SipMaxForwards::encode() const {
  Data out = detail::startLine(kType, 3);
  out += Data(hops_);
  return detail::endLine(kType, out);
}

bool SipMaxForwards::areEqual(const SipHeader& other) const {
  auto* that = dynamic_cast<const SipMaxForwards*>(&other);
  return that && that->hops_ == hops_;
}

SipHeaderFields SipMaxForwards::getFields() const { return {{"hops", Data(hops_)}}; }

SipContentLength::SipContentLength(const Data& text) {
  if (!detail::trimLws(text.view()).empty()) length_ = Data(text.toInt());
}

Data SipContentLength::encode() const {
  Data out = detail::startLine(kType, length_.length() + 1);
  out += length_.empty() ? Data("0") : length_;
  return detail::endLine(kType, out);
}

bool SipContentLength::areEqual(const SipHeader& other) const {
  auto* that = dynamic_cast<const SipContentLength*>(&other);
  return that && that->length_ == length_;
}

SipHeaderFields SipContentLength::getFields() const { return {{"length", length_.empty() ? Data("0") : length_}}; }

SipSessionExpires::SipSessionExpires(const Data& text) {
  std::string_view value = text.view();
  std::size_t semi = value.find(';');
  if (semi == 0) detail::logParseError("Failed to Decode Session-Expires in scanSipSessionExpire");
  delta_ = Data(detail::trimLws(value.substr(0, semi)));
  if (semi != std::string_view::npos) decodeParams(value.substr(semi + 1));
}

void SipSessionExpires::decodeParams(std::string_view params) {
  std::size_t semi = params.find(';');
  std::string_view param = params.substr(0, semi);
  std::size_t eq = param.find('=');
  if (eq == std::string_view::npos) {
    detail::logParseError("Malformed Session-Expires:");
  } else if (detail::trimLws(param.substr(0, eq)) != "refresher") {
    detail::logParseError("Unknown parameter in Session-Expires:");
  } else if (std::string_view value = detail::trimLws(param.substr(eq + 1)); isRefresher(value)) {
    refresher_ = Data(value);
  } else {
    detail::logParseError("Failed to Decode Session-Expires:");
  }
  if (semi != std::string_view::npos) detail::logParseError("Invalid Session-Expires: header");
}

bool SipSessionExpires::setDelta(const Data& delta) {
  if (!detail::acceptApiValue(delta.view(), "Session-Expires")) return false;
  delta_ = delta;
  return true;
}

bool SipSessionExpires::setRefresher(const Data& refresher) {
  if (!refresher.empty() && !isRefresher(refresher.view())) return false;
  refresher_ = refresher;
  return true;
}

Data SipSessionExpires::encode() const {
  if (delta_.empty()) return Data();
  Data out = detail::startLine(kType, delta_.length() + 16);
  out += delta_;
  if (!refresher_.empty()) out.append(";refresher=").append(refresher_.view());
  return detail::endLine(kType, out);
}

bool SipSessionExpires::areEqual(const SipHeader& other) const {
  auto* that = dynamic_cast<const SipSessionExpires*>(&other);
  return that && that->delta_ == delta_ && that->refresher_ == refresher_;
}

SipHeaderFields SipSessionExpires::getFields() const {
  SipHeaderFields fields;
  detail::addField(fields, "delta", delta_);
  detail::addField(fields, "refresher", refresher_);
  return fields;
}

}  // namespace vx
