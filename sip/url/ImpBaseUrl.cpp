#include "sip/url/ImpBaseUrl.hpp"

#include <tuple>

#include "runtime/log/Log.hpp"

namespace vx {

ImpBaseUrl::ImpBaseUrl(const char* scheme, const Data& text) : scheme_(scheme) {
  if (!decode(scheme, text)) Log(kSipLogChannel, LOG_ERROR, "Failed in Decode (%s) URL", scheme);
}

bool ImpBaseUrl::decode(const char* scheme, const Data& text) {
  Data rest = text;
  bool noColon = false;
  Data written = rest.splitAtAnyOf(":", noColon);
  if (noColon || !Data::equalsNoCase(written.view(), scheme)) {
    Log(kSipLogChannel, LOG_INFO, "parse failed: scheme not %s", scheme);
    return false;
  }
  scheme_ = written;
  char matched = 0;
  Data user = rest.splitAtFirstOf("@", matched);
  if (matched) user_ = user;
  std::size_t semicolon = rest.view().find(';');
  host_ = rest.substring(0, semicolon == std::string_view::npos ? -1 : static_cast<long>(semicolon));
  if (!matched || semicolon != std::string_view::npos) {
    Log(kSipLogChannel, LOG_INFO, "Failed to parse (%s) URL", scheme);
    return false;
  }
  return true;
}

Data ImpBaseUrl::encode() const {
  Data out = scheme_ + ":" + user_ + "@" + host_;
  out.trimSpaces();  // the factory trims what it reads back
  return out;
}

namespace {
auto lowered(const Data& d) {
  Data copy = d;
  copy.toLower();
  return copy;
}
}  // namespace

bool ImpBaseUrl::areEqual(const BaseUrl& other) const {
  auto* url = dynamic_cast<const ImpBaseUrl*>(&other);
  return url && getType() == other.getType() && Data::equalsNoCase(scheme_.view(), url->scheme_.view()) &&
         user_ == url->user_ && Data::equalsNoCase(host_.view(), url->host_.view());
}

bool ImpBaseUrl::isLessThanSameKind(const BaseUrl& other) const {
  const auto& url = static_cast<const ImpBaseUrl&>(other);
  return std::make_tuple(lowered(scheme_), user_, lowered(host_)) <
         std::make_tuple(lowered(url.scheme_), url.user_, lowered(url.host_));
}

}  // namespace vx
