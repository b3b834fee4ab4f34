#include "sip/url/BaseUrl.hpp"

#include "runtime/log/Log.hpp"
#include "sip/url/ImpBaseUrl.hpp"
#include "sip/url/SipUrl.hpp"
#include "sip/url/TelUrl.hpp"
#include "sip/url/UnknownUrl.hpp"

namespace vx {
namespace {

struct SchemeKind {
  const char* scheme;
  Sptr<BaseUrl> (*make)(const Data& text);
};

// Schemes tried in this order, ignoring case.
constexpr SchemeKind kSchemes[] = {
    {"sip", [](const Data& t) -> Sptr<BaseUrl> { return makeSptr<SipUrl>(t); }},
    {"tel", [](const Data& t) -> Sptr<BaseUrl> { return makeSptr<TelUrl>(t); }},
    {"im", [](const Data& t) -> Sptr<BaseUrl> { return makeSptr<ImUrl>(t); }},
    {"pres", [](const Data& t) -> Sptr<BaseUrl> { return makeSptr<PresUrl>(t); }},
};

}  // namespace

Sptr<BaseUrl> BaseUrl::decode(const Data& text) {
  Data body = text;
  body.trimSpaces();
  Data scheme;
  if (body.findAndSplit(":", &scheme, false) != Data::kFound) {
    Log(kSipLogChannel, LOG_TRACE, "parse failed: could not find ':' separating URL type from body");
    Log(kSipLogChannel, LOG_TRACE, "bad data in BaseUrl::decode: <%s>", body.text());
    return makeSptr<UnknownUrl>(body);
  }
  for (const SchemeKind& kind : kSchemes) {
    if (Data::equalsNoCase(scheme.view(), kind.scheme)) return kind.make(body);
  }
  Log(kSipLogChannel, LOG_TRACE, "parse failed: scheme not SIP or TEL");
  return makeSptr<UnknownUrl>(body);
}

bool BaseUrl::isLessThan(const Sptr<BaseUrl>& other) const {
  if (!other) return false;
  if (getType() != other->getType()) return getType() < other->getType();
  return isLessThanSameKind(*other);
}

bool userEqual(const Sptr<BaseUser>& a, const Sptr<BaseUser>& b) {
  if (!a || !b) return !a && !b;
  return a->areEqual(*b);
}

bool userLess(const Sptr<BaseUser>& a, const Sptr<BaseUser>& b) {
  if (!a || !b) return !a && b;
  return a->isLessThan(*b);
}

}  // namespace vx
