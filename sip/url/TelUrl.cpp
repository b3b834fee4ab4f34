#include "sip/url/TelUrl.hpp"

#include <tuple>

#include "runtime/log/Log.hpp"

namespace vx {

TelUrl::TelUrl(const Data& text) {
  Data rest = text;
  bool noColon = false;
  Data scheme = rest.splitAtAnyOf(":", noColon);
  if (noColon || !Data::equalsNoCase(scheme.view(), "tel")) {
    Log(kSipLogChannel, LOG_TRACE, "parse failed: scheme not TEL");
    Log(kSipLogChannel, LOG_ERROR, "Failed in Decode (TEL_URL)");
    return;
  }
  scheme_ = scheme;
  subscriber_.decode(rest);
}

Data TelUrl::encode() const {
  Data out = scheme_ + ":" + subscriber_.getFullText();
  out.trimSpaces();  // the factory trims what it reads back
  return out;
}

bool TelUrl::areEqual(const BaseUrl& other) const {
  auto* url = dynamic_cast<const TelUrl*>(&other);
  return url && Data::equalsNoCase(scheme_.view(), url->scheme_.view()) && subscriber_.areEqual(url->subscriber_);
}

bool TelUrl::isLessThanSameKind(const BaseUrl& other) const {
  const auto& url = static_cast<const TelUrl&>(other);
  Data mine = scheme_;
  Data theirs = url.scheme_;
  mine.toLower();
  theirs.toLower();
  if (!(mine == theirs)) return mine < theirs;
  return subscriber_.isLessThan(url.subscriber_);
}

}  // namespace vx
