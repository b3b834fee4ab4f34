#include "sip/url/SipUrl.hpp"

#include <tuple>

#include "runtime/log/Log.hpp"
#include "sip/url/SipTelSubscriberUser.hpp"

namespace vx {
namespace {

Data lowered(const Data& d) {
  Data copy = d;
  copy.toLower();
  return copy;
}

void appendParam(Data& out, const char* name, const Data& value) {
  if (value.empty()) return;
  out.append(";").append(name).append("=").append(value.view());
}

}  // namespace

SipUrl::SipUrl(const Data& text) { decode(text); }

SipUrl::SipUrl(const std::string& text) {
  if (!decode(Data(text))) throw SipUrlParserException("SipUrl: " + text);
}

bool SipUrl::decode(const Data& text) {
  Data rest = text;
  bool notFound = false;
  Data scheme = rest.splitAtAnyOf(":", notFound);
  if (notFound || !Data::equalsNoCase(scheme.view(), "sip")) {
    Log(kSipLogChannel, LOG_TRACE, notFound ? "parse failed: could not find ':' separating URL type from body"
                                            : "parse failed: scheme not SIP");
    Log(kSipLogChannel, LOG_ERROR, "Failed in SipUrl::decode(%s)", text.text());
    return false;
  }
  scheme_ = scheme;

  Data beforeHeaders = rest.splitAtAnyOf("?", notFound);
  if (!notFound) {
    headers_ = rest;
    rest = beforeHeaders;
  }

  Data userText;
  bool hasUser = false;
  char delimiter = 0;
  Data token = rest.splitAtFirstOf("@:;", delimiter);
  std::string_view tail = rest.view();
  std::size_t at = tail.find('@');
  bool passwordFollows = delimiter == ':' && at != std::string_view::npos && at < tail.find(';');
  if (delimiter == 0) {
    host_ = rest;
    rest.clear();
  } else if (delimiter == '@') {
    userText = token;
    hasUser = true;
    parseHostPort(rest);
  } else if (passwordFollows) {
    // "user:password@host": the colon before the "@" opens the password, not the port.
    userText = token;
    hasUser = true;
    rest.findAndSplit("@", &password_, true);
    parseHostPort(rest);
  } else {
    host_ = token;
    if (delimiter == ':') parsePort(rest);
  }

  parseParams(rest, userText, hasUser);

  if (!hasUser) return true;
  if (!userParam_.empty() && !(userParam_ == "ip")) {
    user_ = makeSptr<SipTelSubscriberUser>(userText);
  } else {
    user_ = makeSptr<SipUser>(userText);
  }
  return true;
}

void SipUrl::parseHostPort(Data& rest) {
  char delimiter = 0;
  Data host = rest.splitAtFirstOf(":;", delimiter);
  if (delimiter == 0) {
    host_ = rest;
    rest.clear();
    return;
  }
  host_ = host;
  if (delimiter == ':') parsePort(rest);
}

void SipUrl::parsePort(Data& rest) {
  char delimiter = 0;
  Data port = rest.splitAtFirstOf(";", delimiter);
  if (delimiter == 0) {
    port_ = rest;
    rest.clear();
  } else {
    port_ = port;
  }
}

void SipUrl::parseParams(Data& rest, Data& userText, bool hasUser) {
  struct Known {
    const char* name;
    Data SipUrl::*field;
  };
  static constexpr Known kKnown[] = {{"user", &SipUrl::userParam_}, {"transport", &SipUrl::transport_},
                                     {"ttl", &SipUrl::ttl_},        {"maddr", &SipUrl::maddr_},
                                     {"method", &SipUrl::method_}};
  while (!rest.empty()) {
    char delimiter = 0;
    Data piece = rest.splitAtFirstOf(";", delimiter);
    if (!delimiter) {
      piece = rest;
      rest.clear();
    }
    Data name = piece.splitAtFirstOf("=", delimiter);
    if (!delimiter) {
      name = piece;
      piece.clear();
    }
    name.trimSpaces();
    const Data& value = piece;

    bool known = false;
    for (const Known& k : kKnown) {
      if (name == k.name) {
        this->*k.field = value;
        known = true;
        break;
      }
    }
    if (known) continue;
    if (name == "lr") {
      lr_ = true;
    } else {
      others_.emplace_back(name, value);
    }
  }
  // With user=phone the other parameters are the subscriber's, wherever they stood.
  if (!hasUser || !(userParam_ == "phone")) return;
  for (const Param& param : others_) {
    userText.append(";").append(param.first.view());
    if (!param.second.empty()) userText.append("=").append(param.second.view());
  }
  others_.clear();
}

void SipUrl::setUserValue(const Data& user, const Data& userParam) {
  userParam_ = userParam;
  if (!userParam.empty() && !(userParam == "ip")) {
    user_ = makeSptr<SipTelSubscriberUser>(user);
  } else {
    user_ = makeSptr<SipUser>(user);
  }
}

void SipUrl::setOtherParam(const Data& name, const Data& value) {
  for (auto it = others_.rbegin(); it != others_.rend(); ++it) {
    if (it->first == name) {
      it->second = value;
      return;
    }
  }
  others_.emplace_back(name, value);
}

Data SipUrl::getNameAddr() const {
  Data out;
  out.append(scheme_.view()).append(":");
  if (user_) {
    out.append(user_->encode().view());
    if (!password_.empty()) out.append(":").append(password_.view());
    out.append("@");
  }
  out.append(host_.view());
  return out;
}

Data SipUrl::encode() const {
  Data out;
  if (!scheme_.empty()) out.append(scheme_.view()).append(":");
  if (user_) {
    out.append(user_->encode().view());
    if (!password_.empty()) out.append(":").append(password_.view());
    out.append("@");
  }
  out.append(host_.view());
  if (!port_.empty()) out.append(":").append(port_.view());
  appendParam(out, "transport", transport_);
  appendParam(out, "ttl", ttl_);
  appendParam(out, "maddr", maddr_);
  appendParam(out, "user", userParam_);
  appendParam(out, "method", method_);
  if (lr_) out.append(";lr");
  for (const Param& param : others_) {
    if (param.first.empty() && param.second.empty()) continue;
    out.append(";").append(param.first.view());
    if (!param.second.empty()) out.append("=").append(param.second.view());
  }
  // Subscriber parameters go before the headers so that they stay part of the URL.
  if (user_ && user_->getType() == TEL_SUBSCRIBER_USER) {
    out.append(static_cast<const SipTelSubscriberUser&>(*user_).encodeParams().view());
  }
  if (!headers_.empty()) out.append("?").append(headers_.view());
  // A field that ended in a blank may now end the text, where reading it back would trim it.
  out.trimSpaces();
  return out;
}

Sptr<BaseUrl> SipUrl::duplicate() const {
  auto copy = makeSptr<SipUrl>(*this);
  if (user_) copy->user_ = user_->duplicate();
  return copy;
}

bool SipUrl::areEqual(const BaseUrl& other) const {
  auto* url = dynamic_cast<const SipUrl*>(&other);
  if (!url) return false;
  auto same = [](const Data& a, const Data& b) { return Data::equalsNoCase(a.view(), b.view()); };
  return userEqual(user_, url->user_) && same(scheme_, url->scheme_) && password_ == url->password_ &&
         same(host_, url->host_) && same(ttl_, url->ttl_) && maddr_ == url->maddr_ &&
         same(userParam_, url->userParam_) && method_ == url->method_ && port_ == url->port_ &&
         transport_ == url->transport_ && same(getOtherValue(), url->getOtherValue()) &&
         same(headers_, url->headers_);
}

bool SipUrl::isLessThanSameKind(const BaseUrl& other) const {
  const auto& url = static_cast<const SipUrl&>(other);
  if (!userEqual(user_, url.user_)) return userLess(user_, url.user_);
  auto key = [](const SipUrl& u) {
    return std::make_tuple(lowered(u.scheme_), u.password_, lowered(u.host_), lowered(u.ttl_), u.maddr_,
                           lowered(u.userParam_), u.method_, u.port_, u.transport_, lowered(u.getOtherValue()),
                           lowered(u.headers_));
  };
  return key(*this) < key(url);
}

}  // namespace vx
