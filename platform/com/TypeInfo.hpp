#pragma once
// What a type library tells a generic host: the object's events with their parameter names,
// and the enumerations those parameters use, so events can be shown by name.
#include <cstddef>
#include <cstdint>

#include "platform/com/Dispatch.hpp"

namespace vx {

struct EnumValueInfo {
  std::int32_t value;
  const char* name;
};

struct EnumInfo {
  const char* name;
  const EnumValueInfo* values;
  std::size_t count;
};

struct ParamInfo {
  const char* name;
  const EnumInfo* enumeration;  // null for a plain value
};

struct EventInfo {
  DISPID dispid;
  const char* name;
  const ParamInfo* params;
  std::size_t paramCount;
};

struct TypeInfo {
  const EventInfo* events;
  std::size_t eventCount;
  const IID* eventInterface;
  const EnumInfo* const* enums;  // every enumeration of the library, by name
  std::size_t enumCount;
};

inline const IID IID_IProvideTypeInfo = *parseGuid("{6D5140C1-7436-11CE-8034-00AA006009FA}");

struct VX_EXPORT IProvideTypeInfo : IUnknown {
  virtual const TypeInfo* GetTypeInfo() = 0;

 protected:
  ~IProvideTypeInfo() = default;
};

inline const EnumInfo* findEnum(const TypeInfo& info, const char* name) {
  for (std::size_t i = 0; i < info.enumCount; ++i) {
    const char* a = info.enums[i]->name;
    const char* b = name;
    while (*a && *a == *b) ++a, ++b;
    if (*a == *b) return info.enums[i];
  }
  return nullptr;
}

// The name of `value` in `enumeration`, or null when it has none.
inline const char* enumValueName(const EnumInfo& enumeration, std::int32_t value) {
  for (std::size_t i = 0; i < enumeration.count; ++i) {
    if (enumeration.values[i].value == value) return enumeration.values[i].name;
  }
  return nullptr;
}

}  // namespace vx
