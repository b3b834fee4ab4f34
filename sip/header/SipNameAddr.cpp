#include "sip/header/SipNameAddr.hpp"

#include <algorithm>

#include "runtime/log/Log.hpp"
#include "sip/data/TextCodec.hpp"
#include "sip/header/HeaderText.hpp"
#include "sip/url/SipUrl.hpp"

namespace vx {
namespace {

// What sets the members of the family apart.
struct NameAddrShape {
  SipHeaderType type;
  const char* name;         // in log lines
  bool sortedParams;        // the tag first, then the others by name
  bool bracketsWhenNeeded;  // a plain URL is written without angle brackets
  bool wildcard;            // "*" alone is a value of its own
};

// clang-format off
constexpr NameAddrShape kShapes[] = {
  // type                  name              sorted brackets-when-needed wildcard
  {SIP_TO_HDR,             "SipTo",          true,  false,               false},
  {SIP_FROM_HDR,           "SipFrom",        true,  false,               false},
  {SIP_CONTACT_HDR,        "SipContact",     false, false,               true},
  {SIP_REFERRED_BY_HDR,    "SipReferredBy",  false, false,               false},
  {SIP_DIVERSION_HDR,      "SipDiversion",   false, false,               false},
  {SIP_ALSO_HDR,           "SipAlso",        false, false,               false},
  {SIP_ROUTE_HDR,          "SipRoute",       false, false,               false},
  {SIP_RECORD_ROUTE_HDR,   "SipRecordRoute", false, false,               false},
  {SIP_REFER_TO_HDR,       "SipReferTo",     false, true,                false},
};
// clang-format on

const NameAddrShape& shapeOf(SipHeaderType type) {
  for (const NameAddrShape& shape : kShapes) {
    if (shape.type == type) return shape;
  }
  return kShapes[0];
}

void logShapeError(SipHeaderType type, const char* what) {
  Log(kSipLogChannel, LOG_ERROR, "Failed to Decode in %s: %s", shapeOf(type).name, what);
}

// Bytes that make a bare URL read back differently, so the URL needs its brackets (as does a
// leading ':', which the framing takes for part of the name).
constexpr std::string_view kNeedsBrackets = "?;,<>\" \t";

// Refer-To's embedded Replaces is %-escaped except for these.
constexpr std::string_view kReplacesPlain =
    "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ-_.!~*'()[]/?:+$";

}  // namespace

SipNameAddrHeader::SipNameAddrHeader(SipHeaderType type, std::string_view text) : type_(type) { decode(text); }

SipNameAddrHeader::SipNameAddrHeader(const SipNameAddrHeader& other)
    : SipHeader(other),
      type_(other.type_),
      displayName_(other.displayName_),
      url_(other.url_ ? other.url_->duplicate() : nullptr),
      params_(other.params_),
      wildcard_(other.wildcard_) {}

void SipNameAddrHeader::decode(std::string_view text) {
  text = detail::trimLws(text);
  if (text.empty()) return;
  if (shapeOf(type_).wildcard && text == "*") {
    wildcard_ = true;
    return;
  }
  std::size_t open = detail::findUnquoted(text, '<');
  // An unterminated quote hides the bracket; the bracket still marks the address.
  if (open == std::string_view::npos) open = text.find('<');
  if (open == std::string_view::npos) {
    // addr-spec: the URL runs to the first ';', the header's parameters follow.
    std::size_t semi = text.find(';');
    std::string_view address = text.substr(0, semi);
    if (semi == 0) {
      logShapeError(type_, "no address before ';'");
    } else if (address.find('>') != std::string_view::npos) {
      // Inside the brackets it is written with, the '>' would end the address early.
      logShapeError(type_, "'>' in an address without brackets");
    } else {
      url_ = BaseUrl::decode(Data(address));
    }
    if (semi != std::string_view::npos) params_.decode(text.substr(semi + 1), ';');
    return;
  }
  displayName_ = detail::unquote(detail::trimLws(text.substr(0, open)));
  std::string_view rest = text.substr(open + 1);
  std::size_t close = rest.find('>');
  if (close == std::string_view::npos) {
    logShapeError(type_, "no '>' after the address");
    url_ = BaseUrl::decode(Data(rest));
    return;
  }
  url_ = BaseUrl::decode(Data(rest.substr(0, close)));
  decodeParams(detail::trimLws(rest.substr(close + 1)));
}

void SipNameAddrHeader::decodeParams(std::string_view afterAddress) {
  if (afterAddress.empty()) return;
  if (afterAddress.front() != ';') {
    logShapeError(type_, "text between '>' and the parameters");
    std::size_t semi = afterAddress.find(';');
    if (semi == std::string_view::npos) return;
    afterAddress.remove_prefix(semi);
  }
  params_.decode(afterAddress.substr(1), ';');
}

bool SipNameAddrHeader::setDisplayName(const Data& name) {
  if (!detail::acceptApiValue(name.view(), "display name")) return false;
  displayName_ = detail::asUtf8(name.view());
  return true;
}

bool SipNameAddrHeader::setUrl(const Sptr<BaseUrl>& url) {
  if (url && !detail::acceptApiValue(url->encode().view(), "URL")) return false;
  url_ = url;
  return true;
}

Data SipNameAddrHeader::encode() const {
  if (wildcard_) {
    Data out = detail::startLine(type_, 1);
    out += '*';
    return detail::endLine(type_, out);
  }
  if (!url_) return Data();
  Data urlText = url_->encode();
  if (urlText.empty()) return Data();
  // A URL changed through its own setters after it was set here is checked once more; a '>'
  // would end it early inside its brackets.
  if (detail::holdsLineBreakOrNul(urlText.view()) || urlText.view().find('>') != std::string_view::npos) {
    Log(kSipLogChannel, LOG_ERROR, "%s not written: its URL holds CR, LF, NUL or '>'", shapeOf(type_).name);
    return Data();
  }
  const NameAddrShape& shape = shapeOf(type_);
  Data out = detail::startLine(type_, displayName_.length() + urlText.length() + 32);
  if (!displayName_.empty()) {
    detail::appendQuoted(out, displayName_.view());
    out += ' ';
  }
  bool brackets = !shape.bracketsWhenNeeded || !displayName_.empty() || !params_.empty() ||
                  urlText.view().find_first_of(kNeedsBrackets) != std::string_view::npos ||
                  urlText.view().front() == ':';
  if (brackets) out += '<';
  out += urlText;
  if (brackets) out += '>';
  if (shape.sortedParams) {
    std::vector<SipParameterList::Param> params = params_.getParams();
    std::stable_sort(params.begin(), params.end(), [](const auto& a, const auto& b) {
      bool aTag = a.first == "tag";
      bool bTag = b.first == "tag";
      return aTag != bTag ? aTag : a.first < b.first;
    });
    for (const auto& [name, value] : params) {
      out.append(";").append(name.view());
      if (!value.empty()) out.append("=").append(value.view());
    }
  } else if (!params_.empty()) {
    out += ';';
    params_.encodeTo(out, type_ == SIP_CONTACT_HDR ? "; " : ";");
  }
  return detail::endLine(type_, out);
}

bool SipNameAddrHeader::areEqual(const SipHeader& other) const {
  auto* that = dynamic_cast<const SipNameAddrHeader*>(&other);
  if (!that || that->type_ != type_ || that->wildcard_ != wildcard_) return false;
  bool urlsEqual = url_ ? url_->isEqual(that->url_) : !that->url_;
  if (!urlsEqual) return false;
  return shapeOf(type_).sortedParams ? params_.sameSetAs(that->params_) : params_ == that->params_;
}

SipHeaderFields SipNameAddrHeader::getFields() const {
  SipHeaderFields fields;
  if (wildcard_) fields.emplace_back("wildcard", Data("*"));
  detail::addField(fields, "display-name", displayName_);
  if (url_) detail::addField(fields, "url", url_->encode());
  detail::addParamFields(fields, params_);
  return fields;
}

bool SipContact::setExpires(const Data& expires) {
  // A date holds a comma and a blank, so it travels as a quoted string.
  bool isDate = expires.view().find(',') != std::string_view::npos;
  return setParam("expires", expires.view(), isDate);
}

SipParameterList SipReferTo::getEmbeddedHeaders() const {
  auto url = Sptr<SipUrl>::cast(getUrl());
  return url ? SipParameterList(url->getHeaders().view(), '&') : SipParameterList('&');
}

Data SipReferTo::getReplaces() const { return percentDecode(getEmbeddedHeaders().getValue("replaces").view()); }

bool SipReferTo::setReplaces(const Data& replaces) {
  auto url = Sptr<SipUrl>::cast(getUrl());
  if (!url || !detail::acceptApiValue(replaces.view(), "Replaces")) return false;
  SipParameterList headers = getEmbeddedHeaders();
  headers.setValue("Replaces", detail::percentEncode(replaces.view(), kReplacesPlain).view());
  url->setHeaders(headers.encode("&"));
  return true;
}

}  // namespace vx
