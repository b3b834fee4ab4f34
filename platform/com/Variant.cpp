#include "platform/com/Variant.hpp"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace vx {
namespace {

bool equalsNoCase(const std::string& a, const char* b) {
  size_t i = 0;
  for (; i < a.size() && b[i]; ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) return false;
  }
  return i == a.size() && !b[i];
}

// Reads the whole text as a number: decimal, or hex with 0x.
std::optional<double> parseNumber(const Bstr& text) {
  if (!text || text->empty()) return std::nullopt;
  const char* begin = text->c_str();
  char* end = nullptr;
  errno = 0;
  if (text->size() > 2 && (*text)[0] == '0' && ((*text)[1] == 'x' || (*text)[1] == 'X')) {
    unsigned long long v = std::strtoull(begin, &end, 16);
    if (*end || errno) return std::nullopt;
    return static_cast<double>(v);
  }
  double v = std::strtod(begin, &end);
  if (*end || errno || !std::isfinite(v)) return std::nullopt;
  return v;
}

}  // namespace

VARTYPE Variant::type() const {
  static constexpr VARTYPE kTypes[] = {VT_EMPTY, VT_I4, VT_UI4, VT_BOOL, VT_R8, VT_BSTR};
  return kTypes[value_.index()];
}

HRESULT Variant::toR8(double* out) const {
  if (auto p = std::get_if<std::int32_t>(&value_)) return *out = *p, S_OK;
  if (auto p = std::get_if<std::uint32_t>(&value_)) return *out = *p, S_OK;
  if (auto p = std::get_if<bool>(&value_)) return *out = *p ? -1 : 0, S_OK;
  if (auto p = std::get_if<double>(&value_)) return *out = *p, S_OK;
  if (std::holds_alternative<std::monostate>(value_)) return *out = 0, S_OK;
  const Bstr& text = std::get<Bstr>(value_);
  if (text && equalsNoCase(*text, "true")) return *out = -1, S_OK;
  if (text && equalsNoCase(*text, "false")) return *out = 0, S_OK;
  auto number = parseNumber(text);
  if (!number) return DISP_E_TYPEMISMATCH;
  *out = *number;
  return S_OK;
}

HRESULT Variant::toI4(std::int32_t* out) const {
  if (auto p = std::get_if<std::uint32_t>(&value_)) return *out = static_cast<std::int32_t>(*p), S_OK;
  double v = 0;
  if (HRESULT hr = toR8(&v); FAILED(hr)) return hr;
  v = std::nearbyint(v);
  // Hex text names a bit pattern, so 0xFFFFFFFF is -1 as an automation host writes it.
  if (v > std::numeric_limits<std::int32_t>::max() && v <= std::numeric_limits<std::uint32_t>::max()) {
    return *out = static_cast<std::int32_t>(static_cast<std::uint32_t>(v)), S_OK;
  }
  if (v < std::numeric_limits<std::int32_t>::min() || v > std::numeric_limits<std::int32_t>::max()) {
    return DISP_E_TYPEMISMATCH;
  }
  *out = static_cast<std::int32_t>(v);
  return S_OK;
}

HRESULT Variant::toUI4(std::uint32_t* out) const {
  if (auto p = std::get_if<std::int32_t>(&value_)) return *out = static_cast<std::uint32_t>(*p), S_OK;
  double v = 0;
  if (HRESULT hr = toR8(&v); FAILED(hr)) return hr;
  v = std::nearbyint(v);
  if (v < std::numeric_limits<std::int32_t>::min() || v > std::numeric_limits<std::uint32_t>::max()) {
    return DISP_E_TYPEMISMATCH;
  }
  *out = v < 0 ? static_cast<std::uint32_t>(static_cast<std::int32_t>(v)) : static_cast<std::uint32_t>(v);
  return S_OK;
}

HRESULT Variant::toBool(bool* out) const {
  double v = 0;
  if (HRESULT hr = toR8(&v); FAILED(hr)) return hr;
  *out = v != 0;
  return S_OK;
}

HRESULT Variant::toBstr(Bstr* out) const {
  if (auto p = std::get_if<Bstr>(&value_)) return *out = *p, S_OK;
  if (std::holds_alternative<std::monostate>(value_)) return *out = std::nullopt, S_OK;
  *out = display();
  return S_OK;
}

HRESULT Variant::changeType(VARTYPE target, Variant* out) const {
  HRESULT hr = S_OK;
  switch (target) {
    case VT_I4: {
      std::int32_t v = 0;
      hr = toI4(&v);
      *out = I4(v);
      break;
    }
    case VT_UI4: {
      std::uint32_t v = 0;
      hr = toUI4(&v);
      *out = UI4(v);
      break;
    }
    case VT_BOOL: {
      bool v = false;
      hr = toBool(&v);
      *out = Bool(v);
      break;
    }
    case VT_R8: {
      double v = 0;
      hr = toR8(&v);
      *out = R8(v);
      break;
    }
    case VT_BSTR: {
      Bstr v;
      hr = toBstr(&v);
      *out = String(std::move(v));
      break;
    }
    case VT_EMPTY:
      *out = Variant();
      break;
    default:
      return DISP_E_TYPEMISMATCH;
  }
  return hr;
}

std::string Variant::display() const {
  if (auto p = std::get_if<std::int32_t>(&value_)) return std::to_string(*p);
  if (auto p = std::get_if<std::uint32_t>(&value_)) return std::to_string(*p);
  if (auto p = std::get_if<bool>(&value_)) return *p ? "True" : "False";
  if (auto p = std::get_if<double>(&value_)) {
    char text[32];
    std::snprintf(text, sizeof text, "%.15g", *p);
    return text;
  }
  if (auto p = std::get_if<Bstr>(&value_)) return *p ? **p : "(null)";
  return "";
}

}  // namespace vx
