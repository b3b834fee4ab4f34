#pragma once
// The automation value: empty, 32-bit integers, boolean, double or BSTR.
//
// A BSTR is UTF-8 text that may also be null, a state distinct from the empty text:
// hosts and controls tell "no value" from "" by it.
#include <cstdint>
#include <optional>
#include <string>
#include <variant>

#include "platform/Export.hpp"
#include "platform/com/HResult.hpp"

namespace vx {

using VARTYPE = std::uint16_t;
inline constexpr VARTYPE VT_EMPTY = 0;
inline constexpr VARTYPE VT_I4 = 3;
inline constexpr VARTYPE VT_R8 = 5;
inline constexpr VARTYPE VT_BSTR = 8;
inline constexpr VARTYPE VT_BOOL = 11;
inline constexpr VARTYPE VT_UI4 = 19;

using VARIANT_BOOL = std::int16_t;
inline constexpr VARIANT_BOOL VARIANT_TRUE = -1;
inline constexpr VARIANT_BOOL VARIANT_FALSE = 0;

using Bstr = std::optional<std::string>;  // std::nullopt is the null BSTR

class VX_EXPORT Variant {
 public:
  Variant() = default;
  static Variant I4(std::int32_t value) { return Variant(Value(value)); }
  static Variant UI4(std::uint32_t value) { return Variant(Value(value)); }
  static Variant Bool(bool value) { return Variant(Value(value)); }
  static Variant R8(double value) { return Variant(Value(value)); }
  static Variant String(Bstr text) { return Variant(Value(std::move(text))); }

  VARTYPE type() const;
  bool isEmpty() const { return type() == VT_EMPTY; }

  // Coercions as automation performs them; DISP_E_TYPEMISMATCH when the value does not convert.
  HRESULT toI4(std::int32_t* out) const;
  HRESULT toUI4(std::uint32_t* out) const;
  HRESULT toBool(bool* out) const;
  HRESULT toR8(double* out) const;
  // Numbers become their decimal text, booleans "True"/"False", empty the null BSTR.
  HRESULT toBstr(Bstr* out) const;
  HRESULT changeType(VARTYPE type, Variant* out) const;

  // A readable form for logs and hosts: numbers in decimal, text as is, null BSTR as "(null)".
  std::string display() const;

  friend bool operator==(const Variant&, const Variant&) = default;

 private:
  using Value = std::variant<std::monostate, std::int32_t, std::uint32_t, bool, double, Bstr>;
  explicit Variant(Value value) : value_(std::move(value)) {}
  Value value_;
};

}  // namespace vx
