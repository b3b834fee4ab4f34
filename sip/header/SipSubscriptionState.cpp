#include "sip/header/SipSubscriptionState.hpp"

#include "sip/header/HeaderText.hpp"

namespace vx {

SipSubscriptionState::SipSubscriptionState(const Data& text) {
  std::string_view value = text.view();
  std::size_t semi = value.find(';');
  if (semi == 0) detail::logParseError("Failed to Decode in Subscription-State: no state before ';'");
  state_ = Data(detail::trimLws(value.substr(0, semi)));
  if (semi != std::string_view::npos) params_.decode(value.substr(semi + 1), ';');
}

bool SipSubscriptionState::setState(const Data& state) {
  if (!detail::acceptApiValue(state.view(), "subscription state")) return false;
  state_ = state;
  return true;
}

Data SipSubscriptionState::encode() const {
  if (state_.empty()) return Data();
  Data out = detail::startLine(kType, state_.length() + 32);
  out += state_;
  if (!params_.empty()) {
    out += ';';
    params_.encodeTo(out, ";");
  }
  return detail::endLine(kType, out);
}

bool SipSubscriptionState::areEqual(const SipHeader& other) const {
  auto* that = dynamic_cast<const SipSubscriptionState*>(&other);
  return that && that->state_ == state_ && that->params_ == params_;
}

SipHeaderFields SipSubscriptionState::getFields() const {
  SipHeaderFields fields;
  detail::addField(fields, "state", state_);
  detail::addParamFields(fields, params_);
  return fields;
}

}  // namespace vx
