#include "sip/header/SipParameterList.hpp"

#include <algorithm>

#include "sip/header/HeaderText.hpp"

namespace vx {
namespace {


bool namesEqual(const Data& a, const Data& b) { return Data::equalsNoCase(a.view(), b.view()); }

bool pairLess(const SipParameterList::Param& a, const SipParameterList::Param& b) {
  return a.first < b.first || (a.first == b.first && a.second < b.second);
}

}  // namespace

SipParameterList::SipParameterList(const SipParameterList& other) : delimiter_(other.delimiter_) {
  params_ = other.getParams();
}

SipParameterList& SipParameterList::operator=(const SipParameterList& other) {
  if (this == &other) return *this;
  std::vector<Param> copy = other.getParams();
  VXLockHolder hold(lock_);
  delimiter_ = other.delimiter_;
  params_ = std::move(copy);
  return *this;
}

void SipParameterList::decode(std::string_view text, char delimiter) {
  const char stops[] = {'=', delimiter, '\0'};
  const std::string_view delimiterSet(&stops[1], 1);
  std::vector<Param> params;
  while (!text.empty()) {
    std::size_t at = text.find_first_of(std::string_view(stops, 2));
    std::string_view name = detail::trimLws(text.substr(0, at));
    std::string_view value;
    if (at == std::string_view::npos) {
      text = {};
    } else if (text[at] == delimiter) {
      text.remove_prefix(at + 1);
    } else {
      text.remove_prefix(at + 1);
      bool leftOpen = false;
      std::size_t end = cut::findOutside(text, delimiterSet, true, false, leftOpen);
      value = detail::trimLws(text.substr(0, end));
      text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    if (name.empty()) continue;
    Data lower(name);
    lower.toLower();
    params.emplace_back(std::move(lower), Data(value));
  }
  VXLockHolder hold(lock_);
  delimiter_ = delimiter;
  params_ = std::move(params);
}

Data SipParameterList::encode() const {
  // Header parameters read better with a blank after the delimiter; embedded headers inside a
  // URL may not hold one.
  switch (delimiter_) {
    case ';': return encode("; ");
    case ',': return encode(", ");
    default: return encode(std::string_view(&delimiter_, 1));
  }
}

Data SipParameterList::encode(std::string_view joiner) const {
  Data out;
  encodeTo(out, joiner);
  return out;
}

void SipParameterList::encodeTo(Data& out, std::string_view joiner) const {
  VXLockHolder hold(lock_);
  bool first = true;
  for (const Param& p : params_) {
    if (p.first.empty()) continue;
    if (!first) out.append(joiner);
    first = false;
    out += p.first;
    if (!p.second.empty()) {
      out += '=';
      out += p.second;
    }
  }
}

bool SipParameterList::empty() const {
  VXLockHolder hold(lock_);
  return params_.empty();
}

std::size_t SipParameterList::size() const {
  VXLockHolder hold(lock_);
  return params_.size();
}

std::vector<SipParameterList::Param> SipParameterList::getParams() const {
  VXLockHolder hold(lock_);
  return params_;
}

std::vector<SipParameterList::Param>::const_iterator SipParameterList::find(std::string_view name) const {
  return std::find_if(params_.begin(), params_.end(),
                      [&](const Param& p) { return Data::equalsNoCase(p.first.view(), name); });
}

bool SipParameterList::has(std::string_view name) const {
  VXLockHolder hold(lock_);
  return find(name) != params_.end();
}

Data SipParameterList::getValue(std::string_view name) const {
  VXLockHolder hold(lock_);
  auto it = find(name);
  return it == params_.end() ? Data() : it->second;
}

Data SipParameterList::getUnquotedValue(std::string_view name) const { return detail::unquote(getValue(name).view()); }

bool SipParameterList::setValue(std::string_view name, std::string_view value, bool quoted) {
  if (name.empty() || !detail::acceptApiValue(name, "parameter name") ||
      !detail::acceptApiValue(value, "parameter value")) {
    return false;
  }
  Data stored;
  if (quoted) {
    detail::appendQuoted(stored, value);
  } else {
    stored = Data(value);
  }
  VXLockHolder hold(lock_);
  auto it = find(name);
  if (it == params_.end()) {
    params_.emplace_back(Data(name), std::move(stored));
  } else {
    params_[static_cast<std::size_t>(it - params_.begin())].second = std::move(stored);
  }
  return true;
}

bool SipParameterList::remove(std::string_view name) {
  VXLockHolder hold(lock_);
  auto it = find(name);
  if (it == params_.end()) return false;
  params_.erase(it);
  return true;
}

void SipParameterList::clear() {
  VXLockHolder hold(lock_);
  params_.clear();
}

bool SipParameterList::operator==(const SipParameterList& other) const {
  if (this == &other) return true;
  std::vector<Param> theirs = other.getParams();
  VXLockHolder hold(lock_);
  return std::equal(params_.begin(), params_.end(), theirs.begin(), theirs.end(),
                    [](const Param& a, const Param& b) { return namesEqual(a.first, b.first) && a.second == b.second; });
}

bool SipParameterList::sameSetAs(const SipParameterList& other) const {
  auto normalised = [](std::vector<Param> params) {
    for (Param& p : params) p.first.toLower();
    std::sort(params.begin(), params.end(), pairLess);
    return params;
  };
  return normalised(getParams()) == normalised(other.getParams());
}

}  // namespace vx
