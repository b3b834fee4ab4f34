#include "sip/header/SipVia.hpp"

#include "runtime/log/Log.hpp"
#include "sip/data/CryptoRandom.hpp"
#include "sip/header/HeaderText.hpp"
#include "sip/url/BaseUrl.hpp"

namespace vx {
namespace {

constexpr std::size_t kBranchRandomBytes = 4;
constexpr int kMaxTtl = 255;
constexpr int kMaxPort = 65535;
// Whatever version was received, this one is written.
constexpr std::string_view kWrittenVersion = "2.0";

// A number of digits only within [0, high], or -1.
int readBounded(std::string_view text, int high) {
  if (text.empty() || text.size() > 5) return -1;
  int value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return -1;
    value = value * 10 + (c - '0');
  }
  return value <= high ? value : -1;
}

}  // namespace

SipVia::SipVia(const Data& text) {
  std::string_view rest = decodeProtocol(detail::trimLws(text.view()));
  // A trailing comment in parentheses belongs to the whole value.
  if (!rest.empty() && rest.back() == ')') {
    std::size_t open = rest.rfind('(');
    if (open == std::string_view::npos) {
      detail::logParseError("The ) closing of Pranthess is not Done :( ");
    } else {
      comment_ = Data(rest.substr(open + 1, rest.size() - open - 2));
      if (comment_.empty()) detail::logParseError("The  Comment Contains NULL :( ");
      rest = detail::trimLws(rest.substr(0, open));
    }
  } else if (rest.find('(') != std::string_view::npos) {
    detail::logParseError("The ) closing of Paranthesis is not Done :( ");
  }
  std::size_t semi = rest.find(';');
  if (semi == 0) detail::logParseError("The ; can't be first  :( ");
  decodeSentBy(rest.substr(0, semi));
  while (semi != std::string_view::npos) {
    rest.remove_prefix(semi + 1);
    // A quoted value may hold ';'.
    semi = detail::findUnquoted(rest, ';');
    decodeParam(detail::trimLws(rest.substr(0, semi)));
  }
}

// "SIP / 2.0 / UDP " and what follows it.
std::string_view SipVia::decodeProtocol(std::string_view text) {
  std::size_t slash = text.find('/');
  if (slash == std::string_view::npos) {
    detail::logParseError("Mandatory Item / is not present :( ");
    return text;
  }
  if (auto name = detail::trimLws(text.substr(0, slash)); !name.empty()) protocolName_ = Data(name);
  text.remove_prefix(slash + 1);
  slash = text.find('/');
  if (slash == std::string_view::npos) {
    detail::logParseError("Mandatory Item / is not present :( ");
    return text;
  }
  protocolVersion_ = Data(detail::trimLws(text.substr(0, slash)));
  text = detail::trimLws(text.substr(slash + 1));
  std::size_t blank = text.find_first_of(detail::kLws);
  if (blank == std::string_view::npos) {
    detail::logParseError("Mandatory Item SP is not present :( ");
    if (!text.empty()) transport_ = Data(text);
    return {};
  }
  if (blank > 0) transport_ = Data(text.substr(0, blank));
  return detail::trimLws(text.substr(blank));
}

void SipVia::decodeSentBy(std::string_view text) {
  text = detail::trimLws(text);
  std::string_view host = text;
  std::string_view port;
  // An IPv6 reference keeps its colons inside the brackets.
  std::size_t hostEnd = text.starts_with('[') ? text.find(']') : 0;
  std::size_t colon = text.find(':', hostEnd == std::string_view::npos ? 0 : hostEnd);
  if (colon != std::string_view::npos) {
    host = detail::trimLws(text.substr(0, colon));
    port = detail::trimLws(text.substr(colon + 1));
    port_ = Data(Data(port).toInt());
  }
  if (host.find_first_of(detail::kLws) != std::string_view::npos) {
    Log(kSipLogChannel, LOG_WARNING, "Spaces between Net Address");
    return;
  }
  host_ = Data(host);
}

void SipVia::decodeParam(std::string_view param) {
  if (param.empty()) return;
  if (Data::equalsNoCase(param, "hidden")) {
    hidden_ = true;
    return;
  }
  std::size_t eq = param.find('=');
  if (eq == 0) {
    detail::logParseError("not a valid Viaparm syntax  :( ");
    return;
  }
  std::string_view name = detail::trimLws(param.substr(0, eq));
  std::string_view value = eq == std::string_view::npos ? std::string_view() : detail::trimLws(param.substr(eq + 1));
  if (Data::equalsNoCase(name, "rport")) {
    rport_ = true;
    rportValue_ = Data(value);
  } else if (eq == std::string_view::npos) {
    // A flag of an extension (keep, alias, ...) travels on like any other parameter.
    others_.emplace_back(Data(name), Data());
  } else if (Data::equalsNoCase(name, "branch")) {
    branch_ = Data(value);
  } else if (Data::equalsNoCase(name, "received")) {
    received_ = Data(value);
  } else if (Data::equalsNoCase(name, "maddr")) {
    maddr_ = Data(value);
  } else if (Data::equalsNoCase(name, "ttl")) {
    if (readBounded(value, kMaxTtl) < 0) {
      detail::logParseError("not a valid Viaparm ttl syntax  :( ");
    } else {
      ttl_ = Data(value);
    }
  } else {
    others_.emplace_back(Data(name), Data(value));
  }
}

Data SipVia::makeBranch() {
  Data branch(kBranchPrefix);
  branch += CryptoRandom::hex(kBranchRandomBytes);
  return branch;
}

bool SipVia::setField(Data& field, const Data& value) {
  if (!detail::acceptApiValue(value.view(), "Via field")) return false;
  field = value;
  return true;
}

bool SipVia::setRport(bool present, const Data& value) {
  if (!setField(rportValue_, present ? value : Data())) return false;
  rport_ = present;
  return true;
}

bool SipVia::addOtherParam(const Data& name, const Data& value) {
  if (name.empty() || !detail::acceptApiValue(name.view(), "Via parameter") ||
      !detail::acceptApiValue(value.view(), "Via parameter")) {
    return false;
  }
  others_.emplace_back(name, value);
  return true;
}

Data SipVia::encode() const {
  if (host_.empty()) return Data();
  Data out = detail::startLine(kType, 96 + host_.length() + branch_.length());
  out.append(protocolName_.view()).append("/").append(kWrittenVersion).append("/");
  out.append(transport_.view()).append(" ").append(host_.view());
  int port = readBounded(port_.view(), kMaxPort);
  if (port > 0) out.append(":").append(port_.view());
  if (hidden_) out.append(";hidden");
  if (!ttl_.empty()) out.append(";ttl=").append(ttl_.view());
  if (rport_) {
    out.append(";rport");
    if (!rportValue_.empty()) out.append("=").append(rportValue_.view());
  }
  if (!maddr_.empty()) out.append(";maddr=").append(maddr_.view());
  if (!received_.empty()) out.append(";received=").append(received_.view());
  if (!branch_.empty()) out.append(";branch=").append(branch_.view());
  for (const auto& [name, value] : others_) {
    out.append(";").append(name.view());
    if (!value.empty()) out.append("=").append(value.view());
  }
  if (!comment_.empty()) out.append("(").append(comment_.view()).append(")");
  return detail::endLine(kType, out);
}

bool SipVia::areEqual(const SipHeader& other) const {
  auto* that = dynamic_cast<const SipVia*>(&other);
  return that && that->host_ == host_ && that->port_ == port_ && that->protocolName_ == protocolName_ &&
         that->protocolVersion_ == protocolVersion_ && that->transport_ == transport_ &&
         that->received_ == received_ && that->branch_ == branch_ && that->comment_ == comment_ &&
         that->ttl_ == ttl_ && that->maddr_ == maddr_ && that->others_ == others_ &&
         that->rportValue_ == rportValue_ && that->hidden_ == hidden_ && that->rport_ == rport_;
}

SipHeaderFields SipVia::getFields() const {
  SipHeaderFields fields;
  detail::addField(fields, "protocol", protocolName_ + "/" + protocolVersion_);
  detail::addField(fields, "transport", transport_);
  detail::addField(fields, "host", host_);
  detail::addField(fields, "port", port_);
  if (hidden_) fields.emplace_back("hidden", Data("yes"));
  detail::addField(fields, "ttl", ttl_);
  if (rport_) fields.emplace_back("rport", rportValue_.empty() ? Data("(asked)") : rportValue_);
  detail::addField(fields, "maddr", maddr_);
  detail::addField(fields, "received", received_);
  detail::addField(fields, "branch", branch_);
  detail::addField(fields, "comment", comment_);
  for (const auto& [name, value] : others_) fields.emplace_back("param", value.empty() ? name : name + "=" + value);
  return fields;
}

}  // namespace vx
