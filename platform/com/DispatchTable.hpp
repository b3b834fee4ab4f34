#pragma once
// A dispatch interface as data: one row per member (DISPID, name, kind, argument types,
// handler). Invoke finds the row, checks the argument count, coerces each argument to its
// declared type and calls the handler.
#include <cstdint>
#include <span>
#include <string>
#include <strings.h>
#include <vector>

#include "platform/com/Dispatch.hpp"

namespace vx {

inline constexpr std::size_t kMaxDispatchArgs = 6;

template <typename Object>
struct DispatchMember {
  using Handler = HRESULT (*)(Object& object, std::vector<Variant>& args, Variant* result);

  DISPID dispid;
  const char* name;
  WORD kind;  // DISPATCH_METHOD, DISPATCH_PROPERTYGET or DISPATCH_PROPERTYPUT
  std::uint8_t argCount;
  VARTYPE argTypes[kMaxDispatchArgs];  // a put's value is its last argument
  Handler handler;
};

template <typename Object>
class DispatchTable {
 public:
  using Member = DispatchMember<Object>;
  constexpr explicit DispatchTable(std::span<const Member> members) : members_(members) {}

  HRESULT idOfName(const std::string& name, DISPID* dispid) const {
    if (!dispid) return E_POINTER;
    for (const Member& m : members_) {
      if (::strcasecmp(m.name, name.c_str()) == 0) {
        *dispid = m.dispid;
        return S_OK;
      }
    }
    return DISP_E_UNKNOWNNAME;
  }

  const Member* find(DISPID dispid, WORD flags) const {
    for (const Member& m : members_) {
      if (m.dispid == dispid && (m.kind & flags)) return &m;
    }
    return nullptr;
  }

  HRESULT invoke(Object& object, DISPID dispid, WORD flags, std::vector<Variant>& args, Variant* result) const {
    const Member* member = find(dispid, flags);
    if (!member) return DISP_E_MEMBERNOTFOUND;
    if (args.size() != member->argCount) return DISP_E_BADPARAMCOUNT;
    for (std::size_t i = 0; i < args.size(); ++i) {
      Variant coerced;
      if (FAILED(args[i].changeType(member->argTypes[i], &coerced))) return DISP_E_TYPEMISMATCH;
      args[i] = std::move(coerced);
    }
    Variant ignored;
    return member->handler(object, args, result ? result : &ignored);
  }

  std::span<const Member> members() const { return members_; }

 private:
  std::span<const Member> members_;
};

}  // namespace vx
