#include "sip/url/BaseUser.hpp"

#include <tuple>

#include "sip/url/SipTelSubscriberUser.hpp"

namespace vx {

bool SipUser::areEqual(const BaseUser& other) const {
  auto* user = dynamic_cast<const SipUser*>(&other);
  return user && text_ == user->text_;
}

bool SipUser::isLessThan(const BaseUser& other) const {
  auto* user = dynamic_cast<const SipUser*>(&other);
  if (!user) return SIP_USER < other.getType();
  return text_ < user->text_;
}

bool SipTelSubscriberUser::decode(const Data& text) {
  Data rest = text;
  // Only a "+" in the number makes it global; one inside a parameter is the parameter's.
  std::size_t plus = rest.view().find('+');
  global_ = plus != std::string_view::npos && plus < rest.view().find(';');
  if (global_) {
    bool notFound = false;
    rest.splitAtAnyOf("+", notFound);
  }
  char matched = 0;
  number_ = rest.splitAtFirstOf(";", matched);
  if (!matched) {
    number_ = rest;
    return true;
  }
  while (!rest.empty()) {
    Data value = rest.splitAtFirstOf(";", matched);
    if (!matched) {
      value = rest;
      rest.clear();
    }
    // A parameter without "=" is kept by its name alone.
    Data name = value.splitAtFirstOf("=", matched);
    if (!matched) {
      name = value;
      value.clear();
    }
    if (name == "isub") {
      isub_ = value;
    } else if (name == "postd") {
      postd_ = value;
    } else if (name == "phone-context") {
      phoneContext_ = value;
    } else if (name == "tsp") {
      tsp_ = value;
    } else if (!name.empty() || !value.empty()) {
      others_.emplace_back(name, value);
    }
  }
  return true;
}

Data SipTelSubscriberUser::encode() const { return global_ ? Data("+") + number_ : number_; }

Data SipTelSubscriberUser::encodeParams() const {
  struct Named {
    const char* name;
    const Data& value;
  };
  const Named known[] = {{"isub", isub_}, {"postd", postd_}, {"phone-context", phoneContext_}, {"tsp", tsp_}};
  Data out;
  for (const Named& param : known) {
    if (param.value.empty()) continue;
    out.append(";").append(param.name).append("=").append(param.value.view());
  }
  for (const Param& param : others_) {
    out.append(";").append(param.first.view());
    if (!param.second.empty()) out.append("=").append(param.second.view());
  }
  return out;
}

namespace {
auto fields(const SipTelSubscriberUser& u) {
  return std::make_tuple(u.isGlobal(), u.getNumber(), u.getIsub(), u.getPostd(), u.getPhoneContext(), u.getTsp(),
                         u.getOtherParams());
}
}  // namespace

bool SipTelSubscriberUser::areEqual(const BaseUser& other) const {
  auto* user = dynamic_cast<const SipTelSubscriberUser*>(&other);
  return user && fields(*this) == fields(*user);
}

bool SipTelSubscriberUser::isLessThan(const BaseUser& other) const {
  auto* user = dynamic_cast<const SipTelSubscriberUser*>(&other);
  if (!user) return TEL_SUBSCRIBER_USER < other.getType();
  return fields(*this) < fields(*user);
}

}  // namespace vx
