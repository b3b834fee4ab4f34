#include "sip/header/SipWarning.hpp"

#include "sip/header/HeaderText.hpp"

namespace vx {
namespace {

constexpr int kMinCode = 100;
constexpr int kMaxCode = 999;

// Cuts the next blank-separated word off the text.
std::string_view nextWord(std::string_view& text) {
  text = detail::trimLws(text);
  std::size_t end = text.find_first_of(detail::kLws);
  std::string_view word = text.substr(0, end);
  text.remove_prefix(end == std::string_view::npos ? text.size() : end);
  return word;
}

}  // namespace

SipWarning::SipWarning(const Data& text) {
  std::string_view rest = text.view();
  code_ = Data(nextWord(rest));
  agent_ = Data(nextWord(rest));
  text_ = Data(detail::trimLws(rest));
  if (!code_.empty() && text_.empty()) detail::logParseError("Failed to Decode in Warning: code, agent and text expected");
}

SipWarning::SipWarning(int code, const Data& agent, const Data& text) {
  setCode(code);
  setAgent(agent);
  setText(text);
}

Data SipWarning::getText() const { return detail::unquote(text_.view()); }

bool SipWarning::setCode(int code) {
  if (code < kMinCode || code > kMaxCode) return false;
  code_ = Data(code);
  return true;
}

bool SipWarning::setAgent(const Data& agent) {
  if (!detail::acceptApiValue(agent.view(), "warning agent")) return false;
  agent_ = agent;
  return true;
}

bool SipWarning::setText(const Data& text) {
  if (!detail::acceptApiValue(text.view(), "warning text")) return false;
  text_.clear();
  detail::appendQuoted(text_, text.view());
  return true;
}

Data SipWarning::encode() const {
  if (code_.empty()) return Data();
  Data out = detail::startLine(kType, code_.length() + agent_.length() + text_.length() + 2);
  out += code_;
  // No trailing blank: a Warning is a list element, read back trimmed.
  if (!agent_.empty()) out.append(" ").append(agent_.view());
  if (!text_.empty()) out.append(" ").append(text_.view());
  return detail::endLine(kType, out);
}

bool SipWarning::areEqual(const SipHeader& other) const {
  auto* that = dynamic_cast<const SipWarning*>(&other);
  return that && that->code_ == code_ && that->agent_ == agent_ && that->text_ == text_;
}

SipHeaderFields SipWarning::getFields() const {
  SipHeaderFields fields;
  detail::addField(fields, "code", code_);
  detail::addField(fields, "agent", agent_);
  detail::addField(fields, "text", getText());
  return fields;
}

}  // namespace vx
