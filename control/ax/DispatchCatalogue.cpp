// The dispatch interface IVXBaseAx as a table: one row per member.
#include <iterator>

#include "control/ax/CVXSIP.hpp"

namespace vx {
namespace {

using Args = std::vector<Variant>;
using Member = DispatchMember<CVXSIP>;

std::int32_t i4(const Args& a, std::size_t i) {
  std::int32_t v = 0;
  a[i].toI4(&v);
  return v;
}
Bstr text(const Args& a, std::size_t i) {
  Bstr v;
  a[i].toBstr(&v);
  return v;
}

// Runs a getter with one out-value and hands the value back as the result.
template <typename Value, typename Get>
HRESULT getValue(Variant* result, Get get) {
  Value value{};
  HRESULT hr = get(&value);
  if constexpr (std::is_same_v<Value, Bstr>) {
    *result = Variant::String(std::move(value));
  } else {
    *result = Variant::I4(value);
  }
  return hr;
}

constexpr WORD kMethod = DISPATCH_METHOD;
constexpr WORD kGet = DISPATCH_PROPERTYGET;
constexpr WORD kPut = DISPATCH_PROPERTYPUT;

const Member kMembers[] = {
    {0x1, "Initialize", kMethod, 1, {VT_I4}, [](CVXSIP& o, Args& a, Variant*) { return o.Initialize(i4(a, 0)); }},
    {0x2, "Uninitialize", kMethod, 0, {}, [](CVXSIP& o, Args&, Variant*) { return o.Uninitialize(); }},
    {0xc2, "Destroy", kMethod, 0, {}, [](CVXSIP& o, Args&, Variant*) { return o.Destroy(); }},
    {0x3, "Configure", kMethod, 2, {VT_I4, VT_BSTR},
     [](CVXSIP& o, Args& a, Variant*) { return o.Configure(i4(a, 0), text(a, 1)); }},
    {0x7c, "SetConfiguration", kMethod, 1, {VT_BSTR},
     [](CVXSIP& o, Args& a, Variant*) { return o.SetConfiguration(text(a, 0)); }},
    {0x7d, "SetConfigurationFile", kMethod, 1, {VT_BSTR},
     [](CVXSIP& o, Args& a, Variant*) { return o.SetConfigurationFile(text(a, 0)); }},
    {0x34, "Error", kGet, 0, {},
     [](CVXSIP& o, Args&, Variant* r) { return getValue<std::int32_t>(r, [&](auto* v) { return o.get_Error(v); }); }},
    {0x35, "ErrorString", kGet, 0, {},
     [](CVXSIP& o, Args&, Variant* r) { return getValue<Bstr>(r, [&](auto* v) { return o.get_ErrorString(v); }); }},
    {0x57, "Version", kGet, 0, {},
     [](CVXSIP& o, Args&, Variant* r) { return getValue<Bstr>(r, [&](auto* v) { return o.get_Version(v); }); }},
    {0x8b, "VersionNumber", kGet, 0, {},
     [](CVXSIP& o, Args&, Variant* r) { return getValue<Bstr>(r, [&](auto* v) { return o.get_VersionNumber(v); }); }},
    {0x4, "GetNumLines", kMethod, 0, {},
     [](CVXSIP& o, Args&, Variant* r) { return getValue<std::int32_t>(r, [&](auto* v) { return o.GetNumLines(v); }); }},
    {0x5, "Call", kMethod, 4, {VT_I4, VT_BSTR, VT_I4, VT_I4},
     [](CVXSIP& o, Args& a, Variant*) { return o.Call(i4(a, 0), text(a, 1), i4(a, 2), i4(a, 3)); }},
    {0x6, "Drop", kMethod, 3, {VT_I4, VT_I4, VT_BSTR},
     [](CVXSIP& o, Args& a, Variant*) { return o.Drop(i4(a, 0), i4(a, 1), text(a, 2)); }},
    {0x7, "Answer", kMethod, 2, {VT_I4, VT_I4},
     [](CVXSIP& o, Args& a, Variant*) { return o.Answer(i4(a, 0), i4(a, 1)); }},
    {0x9, "CallState", kGet, 1, {VT_I4},
     [](CVXSIP& o, Args& a, Variant* r) {
       return getValue<std::int32_t>(r, [&](auto* v) { return o.get_CallState(i4(a, 0), v); });
     }},
    {0x97, "LoginName", kGet, 0, {},
     [](CVXSIP& o, Args&, Variant* r) { return getValue<Bstr>(r, [&](auto* v) { return o.get_LoginName(v); }); }},
    {0x97, "LoginName", kPut, 1, {VT_BSTR}, [](CVXSIP& o, Args& a, Variant*) { return o.put_LoginName(text(a, 0)); }},
    {0x98, "LoginPassword", kGet, 0, {},
     [](CVXSIP& o, Args&, Variant* r) { return getValue<Bstr>(r, [&](auto* v) { return o.get_LoginPassword(v); }); }},
    {0x98, "LoginPassword", kPut, 1, {VT_BSTR},
     [](CVXSIP& o, Args& a, Variant*) { return o.put_LoginPassword(text(a, 0)); }},
};

const DispatchTable<CVXSIP> kTable{kMembers};

}  // namespace

template <>
const DispatchTable<CVXSIP>& ControlDispatchTable<CVXSIP>() {
  return kTable;
}

}  // namespace vx
