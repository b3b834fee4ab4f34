#include "sip/header/SipCallId.hpp"

#include <mutex>

#include "sip/data/CryptoRandom.hpp"
#include "sip/header/HeaderText.hpp"

namespace vx {
namespace {

constexpr std::size_t kCallIdRandomBytes = 16;

std::mutex& localHostLock() {
  static std::mutex lock;
  return lock;
}

Data& localHost() {
  static Data host;  // guarded by localHostLock()
  return host;
}

}  // namespace

SipCallId::SipCallId() : localId_(CryptoRandom::hex(kCallIdRandomBytes)), host_(getLocalHost()) {}

SipCallId::SipCallId(const Data& text) {
  std::string_view value = detail::trimLws(text.view());
  std::size_t at = value.find('@');
  if (at == 0) detail::logParseError("Mandatory item @ not present  :o( ");
  localId_ = Data(value.substr(0, at));
  if (at != std::string_view::npos) host_ = Data(value.substr(at + 1));
}

void SipCallId::setLocalHost(const Data& host) {
  if (!detail::acceptApiValue(host.view(), "Call-ID host")) return;
  std::lock_guard<std::mutex> hold(localHostLock());
  localHost() = host;
}

Data SipCallId::getLocalHost() {
  std::lock_guard<std::mutex> hold(localHostLock());
  return localHost();
}

bool SipCallId::setLocalId(const Data& id) {
  if (!detail::acceptApiValue(id.view(), "Call-ID")) return false;
  localId_ = id;
  return true;
}

bool SipCallId::setHost(const Data& host) {
  if (!detail::acceptApiValue(host.view(), "Call-ID host")) return false;
  host_ = host;
  return true;
}

Data SipCallId::getCallIdData() const { return host_.empty() ? localId_ : localId_ + "@" + host_; }

Data SipCallId::encode() const {
  if (localId_.empty()) return Data();
  Data out = detail::startLine(kType, localId_.length() + host_.length() + 1);
  out += localId_;
  if (!host_.empty()) out.append("@").append(host_.view());
  return detail::endLine(kType, out);
}

bool SipCallId::areEqual(const SipHeader& other) const {
  auto* that = dynamic_cast<const SipCallId*>(&other);
  return that && that->localId_ == localId_ && that->host_ == host_;
}

SipHeaderFields SipCallId::getFields() const {
  SipHeaderFields fields;
  detail::addField(fields, "local-id", localId_);
  detail::addField(fields, "host", host_);
  return fields;
}

}  // namespace vx
