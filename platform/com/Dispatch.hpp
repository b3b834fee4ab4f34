#pragma once
// IDispatch: late-bound calls by dispatch id, names resolved from the object's own table.
#include <string>
#include <vector>

#include "platform/com/Unknown.hpp"
#include "platform/com/Variant.hpp"

namespace vx {

using DISPID = std::int32_t;
using WORD = std::uint16_t;

inline constexpr WORD DISPATCH_METHOD = 1;
inline constexpr WORD DISPATCH_PROPERTYGET = 2;
inline constexpr WORD DISPATCH_PROPERTYPUT = 4;

inline const IID IID_IDispatch = *parseGuid("{00020400-0000-0000-C000-000000000046}");

struct VX_EXPORT IDispatch : IUnknown {
  // Case-insensitive, as automation hosts expect.
  virtual HRESULT GetIDsOfNames(const std::string& name, DISPID* dispid) = 0;
  // Arguments in declaration order (not reversed as on the wire of the original ABI); members with
  // out-parameters write them back into `args`. A property put takes its value as the last argument.
  virtual HRESULT Invoke(DISPID dispid, WORD flags, std::vector<Variant>& args, Variant* result) = 0;

 protected:
  ~IDispatch() = default;
};

}  // namespace vx
