#pragma once
// COM result codes with their real values.
#include <cstdint>

namespace vx {

using HRESULT = std::int32_t;

inline constexpr HRESULT hresult(std::uint32_t bits) { return static_cast<HRESULT>(bits); }

inline constexpr HRESULT S_OK = 0;
inline constexpr HRESULT S_FALSE = 1;
inline constexpr HRESULT E_NOTIMPL = hresult(0x80004001);
inline constexpr HRESULT E_NOINTERFACE = hresult(0x80004002);
inline constexpr HRESULT E_POINTER = hresult(0x80004003);
inline constexpr HRESULT E_ABORT = hresult(0x80004004);
inline constexpr HRESULT E_FAIL = hresult(0x80004005);
inline constexpr HRESULT E_ACCESSDENIED = hresult(0x80070005);
inline constexpr HRESULT E_OUTOFMEMORY = hresult(0x8007000E);
inline constexpr HRESULT E_INVALIDARG = hresult(0x80070057);
inline constexpr HRESULT DISP_E_MEMBERNOTFOUND = hresult(0x80020003);
inline constexpr HRESULT DISP_E_TYPEMISMATCH = hresult(0x80020005);
inline constexpr HRESULT DISP_E_UNKNOWNNAME = hresult(0x80020006);
inline constexpr HRESULT DISP_E_BADPARAMCOUNT = hresult(0x8002000E);
inline constexpr HRESULT CLASS_E_NOAGGREGATION = hresult(0x80040110);
inline constexpr HRESULT CLASS_E_CLASSNOTAVAILABLE = hresult(0x80040111);
inline constexpr HRESULT REGDB_E_CLASSNOTREG = hresult(0x80040154);
inline constexpr HRESULT CO_E_CLASSSTRING = hresult(0x800401F3);
inline constexpr HRESULT CO_E_DLLNOTFOUND = hresult(0x800401F8);
inline constexpr HRESULT CONNECT_E_NOCONNECTION = hresult(0x80040200);
inline constexpr HRESULT SELFREG_E_CLASS = hresult(0x80040201);

inline constexpr bool SUCCEEDED(HRESULT hr) { return hr >= 0; }
inline constexpr bool FAILED(HRESULT hr) { return hr < 0; }

}  // namespace vx
