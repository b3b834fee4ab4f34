#include "control/ax/EventCatalogue.hpp"

#include <iterator>

#include "control/ax/Enums.hpp"
#include "runtime/log/Log.hpp"

namespace vx {
namespace {

constexpr const char* kChannel = "Base ActiveX";

// Event DISPIDs of _IVXBaseAxEvents.
enum EventId : DISPID {
  kOnCallStateChanged = 0x1,
  kOnDTMF = 0x2,
  kOnCallerId = 0x3,
  kOnRegistrationStateChanged = 0x6,
  kOnPhoneKey = 0x8,
  kOnPhoneOffHook = 0x9,
  kOnEndPlay = 0xb,
  kOnLevelMicro = 0xc,
  kOnLevelSpeakers = 0xd,
  kOnSilence = 0xf,
  kOnVideoSize = 0x11,
  kOnBalance = 0x12,
  kOnMessage = 0x17,
  kOnPhoneFunctionKey = 0x18,
  kOnPresenceStateChanged = 0x19,
  kOnCalledId = 0x1d,
  kOnNetworkChanged = 0x1e,
  kOnVideoPreviewSize = 0x1f,
  kOnInfo = 0x20,
  kOnMediaMode = 0x21,
  kOnMicroMeter = 0x22,
  kOnSpeakersMeter = 0x23,
  kOnMessagesWaiting = 0x24,
  kOnAlertInfo = 0x25,
  kOnConference = 0x26,
  kOnJoinConference = 0x27,
  kOnUpdateCall = 0x28,
  kOnUpgrade = 0x29,
  kOnRegistrationStateByAccountChanged = 0x2b,
};

// Parameter lists, named as the type library names them.
constexpr ParamInfo kLine[] = {{"LineNo", nullptr}};
const ParamInfo kCallState[] = {{"LineNo", nullptr}, {"dwCallState", &kCallStatesInfo}};
constexpr ParamInfo kDtmf[] = {{"LineNo", nullptr}, {"szDTMF", nullptr}};
constexpr ParamInfo kPartyId[] = {{"LineNo", nullptr}, {"szName", nullptr}, {"szAddress", nullptr}, {"szIP", nullptr}};
const ParamInfo kRegistration[] = {{"dwRegistrationState", &kRegistrationStatesInfo}};
constexpr ParamInfo kPhoneKey[] = {{"szEventDetected", nullptr}};
constexpr ParamInfo kOffHook[] = {{"LineNo", nullptr}, {"bHook", nullptr}};
constexpr ParamInfo kLevel[] = {{"lLevel", nullptr}};
constexpr ParamInfo kVideoSize[] = {{"LineNo", nullptr}, {"lWidth", nullptr}, {"lHeight", nullptr}};
constexpr ParamInfo kBalance[] = {{"szBalance", nullptr}};
constexpr ParamInfo kMessage[] = {{"szUrl", nullptr}, {"szMessage", nullptr}};
const ParamInfo kFunctionKey[] = {
    {"dwFunctionKey", &kHandsetFunctionKeyInfo}, {"lData", nullptr}, {"bPressed", nullptr}};
const ParamInfo kPresence[] = {{"No", nullptr}, {"dwPresenceState", &kPresenceStatesInfo}};
constexpr ParamInfo kNetwork[] = {{"bReInit", nullptr}};
constexpr ParamInfo kInfo[] = {{"LineNo", nullptr}, {"szContentType", nullptr}, {"szContent", nullptr}};
const ParamInfo kMediaMode[] = {
    {"LineNo", nullptr}, {"_MediaType", &kMediaTypeInfo}, {"_MediaMode", &kMediaModeInfo}};
const ParamInfo kWaiting[] = {{"dwType", &kMessagesWaitingTypeInfo}, {"lUrgentRead", nullptr},
                              {"lUrgentUnread", nullptr},           {"lRead", nullptr},
                              {"lUnread", nullptr}};
constexpr ParamInfo kAlertInfo[] = {{"_LineNo", nullptr}, {"_szInfo", nullptr}};
constexpr ParamInfo kLineUnderscore[] = {{"_LineNo", nullptr}};
constexpr ParamInfo kJoin[] = {{"_LineNo", nullptr}, {"_ConferenceLineNo", nullptr}};
constexpr ParamInfo kUpgrade[] = {{"_szUrl", nullptr}, {"_szComment", nullptr}, {"_bRequired", nullptr}};
const ParamInfo kRegistrationByAccount[] = {{"_AccountNo", nullptr},
                                            {"dwRegistrationState", &kRegistrationStatesInfo}};

template <std::size_t N>
constexpr EventInfo event(DISPID id, const char* name, const ParamInfo (&params)[N]) {
  return EventInfo{id, name, params, N};
}

const EventInfo kEvents[] = {
    event(kOnCallStateChanged, "OnCallStateChanged", kCallState),
    event(kOnDTMF, "OnDTMF", kDtmf),
    event(kOnCallerId, "OnCallerId", kPartyId),
    event(kOnRegistrationStateChanged, "OnRegistrationStateChanged", kRegistration),
    event(kOnPhoneKey, "OnPhoneKey", kPhoneKey),
    event(kOnPhoneOffHook, "OnPhoneOffHook", kOffHook),
    event(kOnEndPlay, "OnEndPlay", kLine),
    event(kOnLevelMicro, "OnLevelMicro", kLevel),
    event(kOnLevelSpeakers, "OnLevelSpeakers", kLevel),
    event(kOnSilence, "OnSilence", kLine),
    event(kOnVideoSize, "OnVideoSize", kVideoSize),
    event(kOnBalance, "OnBalance", kBalance),
    event(kOnMessage, "OnMessage", kMessage),
    event(kOnPhoneFunctionKey, "OnPhoneFunctionKey", kFunctionKey),
    event(kOnPresenceStateChanged, "OnPresenceStateChanged", kPresence),
    event(kOnCalledId, "OnCalledId", kPartyId),
    event(kOnNetworkChanged, "OnNetworkChanged", kNetwork),
    event(kOnVideoPreviewSize, "OnVideoPreviewSize", kVideoSize),
    event(kOnInfo, "OnInfo", kInfo),
    event(kOnMediaMode, "OnMediaMode", kMediaMode),
    event(kOnMicroMeter, "OnMicroMeter", kLevel),
    event(kOnSpeakersMeter, "OnSpeakersMeter", kLevel),
    event(kOnMessagesWaiting, "OnMessagesWaiting", kWaiting),
    event(kOnAlertInfo, "OnAlertInfo", kAlertInfo),
    event(kOnConference, "OnConference", kLineUnderscore),
    event(kOnJoinConference, "OnJoinConference", kJoin),
    event(kOnUpdateCall, "OnUpdateCall", kLineUnderscore),
    event(kOnUpgrade, "OnUpgrade", kUpgrade),
    event(kOnRegistrationStateByAccountChanged, "OnRegistrationStateByAccountChanged", kRegistrationByAccount),
};

const EnumInfo* const kEnums[] = {&kErrorsInfo,      &kCallStatesInfo,   &kRegistrationStatesInfo,
                                  &kPresenceStatesInfo, &kMessagesWaitingTypeInfo, &kHandsetFunctionKeyInfo,
                                  &kMediaTypeInfo,   &kMediaModeInfo};

const TypeInfo kTypeInfo{kEvents, std::size(kEvents), &DIID__IVXBaseAxEvents, kEnums, std::size(kEnums)};

Variant text(const std::string& s) { return Variant::String(s); }
Variant number(std::int32_t v) { return Variant::I4(v); }
Variant boolean(bool v) { return Variant::Bool(v); }
const char* yesNo(bool v) { return v ? "true" : "false"; }
long value(WPARAM w) { return static_cast<long>(static_cast<std::int32_t>(w)); }

// One route per message: it logs the entry line, raises the event and logs the exit line.
using RaiseFn = void (*)(EventSinks& sinks, WPARAM value, const NotifyRecord* r);
struct Route {
  UINT message;
  bool record;
  RaiseFn raise;
};

const Route kRoutes[] = {
    {WM_VX_CALLSTATECHANGED, true,
     [](EventSinks& s, WPARAM, const NotifyRecord* r) {
       Log(kChannel, LOG_TRACE, "-> TVXBaseAx(%li)::OnCallStateChanged(%hu)", long{r->line},
           static_cast<unsigned short>(r->state));
       s.Fire(kOnCallStateChanged, {number(r->line), number(r->state)});
       Log(kChannel, LOG_TRACE, "<- TVXBaseAx(%li)::OnCallStateChanged()", long{r->line});
     }},
    {WM_VX_NETWORKCHANGED, true,
     [](EventSinks& s, WPARAM, const NotifyRecord* r) {
       Log(kChannel, LOG_TRACE, "-> TVXBaseAx::OnNetworkChanged(%s)", yesNo(r->flag));
       s.Fire(kOnNetworkChanged, {boolean(r->flag)});
       Log(kChannel, LOG_TRACE, "<- TVXBaseAx::OnNetworkChanged()");
     }},
    {WM_VX_REGISTRATIONSTATECHANGED, false,
     [](EventSinks& s, WPARAM w, const NotifyRecord*) {
       Log(kChannel, LOG_TRACE, "-> TVXBaseAx::OnRegistrationStateChanged(%lu)", static_cast<unsigned long>(w));
       s.Fire(kOnRegistrationStateChanged, {number(static_cast<std::int32_t>(w))});
       Log(kChannel, LOG_TRACE, "<- TVXBaseAx::OnRegistrationStateChanged()");
     }},
    {WM_VX_REGISTRATIONSTATEBYACCOUNTCHANGED, true,
     [](EventSinks& s, WPARAM, const NotifyRecord* r) {
       Log(kChannel, LOG_TRACE, "-> TVXBaseAx::OnRegistrationStateByAccountChanged(%d, %lu)", r->account,
           static_cast<unsigned long>(r->state));
       s.Fire(kOnRegistrationStateByAccountChanged, {number(r->account), number(r->state)});
       Log(kChannel, LOG_TRACE, "<- TVXBaseAx::OnRegistrationStateByAccountChanged()");
     }},
    {WM_VX_DTMF, true,
     [](EventSinks& s, WPARAM, const NotifyRecord* r) {
       Log(kChannel, LOG_TRACE, "-> TVXBaseAx(%li)::OnDTMF(%c)", long{r->line}, r->character);
       s.Fire(kOnDTMF, {number(r->line), text(std::string(1, r->character))});
       Log(kChannel, LOG_TRACE, "<- TVXBaseAx(%li)::OnDTMF()", long{r->line});
     }},
    {WM_VX_CALLERID, true,
     [](EventSinks& s, WPARAM, const NotifyRecord* r) {
       Log(kChannel, LOG_TRACE, "-> TVXBaseAx(%li)::OnCallerId(%s, %s, %s)", long{r->line}, r->strings[0].c_str(),
           r->strings[1].c_str(), r->strings[2].c_str());
       s.Fire(kOnCallerId, {number(r->line), text(r->strings[0]), text(r->strings[1]), text(r->strings[2])});
       Log(kChannel, LOG_TRACE, "<- TVXBaseAx(%li)::OnCallerId()", long{r->line});
     }},
    {WM_VX_CALLEDID, true,
     [](EventSinks& s, WPARAM, const NotifyRecord* r) {
       Log(kChannel, LOG_TRACE, "-> TVXBaseAx(%li)::OnCalledId(%s, %s, %s)", long{r->line}, r->strings[0].c_str(),
           r->strings[1].c_str(), r->strings[2].c_str());
       s.Fire(kOnCalledId, {number(r->line), text(r->strings[0]), text(r->strings[1]), text(r->strings[2])});
       Log(kChannel, LOG_TRACE, "<- TVXBaseAx(%li)::OnCalledId()", long{r->line});
     }},
    {WM_VX_INFO, true,
     [](EventSinks& s, WPARAM, const NotifyRecord* r) {
       Log(kChannel, LOG_TRACE, "-> TVXBaseAx(%li)::OnInfo(%s, %s)", long{r->line}, r->strings[0].c_str(),
           r->strings[1].c_str());
       s.Fire(kOnInfo, {number(r->line), text(r->strings[0]), text(r->strings[1])});
       Log(kChannel, LOG_TRACE, "<- TVXBaseAx(%li)::OnInfo()", long{r->line});
     }},
    {WM_VX_MEDIAMODE, true,
     [](EventSinks& s, WPARAM, const NotifyRecord* r) {
       Log(kChannel, LOG_TRACE, "-> TVXBaseAx(%li)::OnMediaMode(%hu, %hu)", long{r->line},
           static_cast<unsigned short>(r->values[0]), static_cast<unsigned short>(r->values[1]));
       s.Fire(kOnMediaMode, {number(r->line), number(r->values[0]), number(r->values[1])});
       Log(kChannel, LOG_TRACE, "<- TVXBaseAx(%li)::OnMediaMode()", long{r->line});
     }},
    {WM_VX_MESSAGE, true,
     [](EventSinks& s, WPARAM, const NotifyRecord* r) {
       Log(kChannel, LOG_TRACE, "-> TVXBaseAx::OnMessage(%s, %s)", r->strings[0].c_str(), r->strings[1].c_str());
       s.Fire(kOnMessage, {text(r->strings[0]), text(r->strings[1])});
       Log(kChannel, LOG_TRACE, "<- TVXBaseAx::OnMessage()");
     }},
    {WM_VX_PRESENCESTATECHANGED, true,
     [](EventSinks& s, WPARAM, const NotifyRecord* r) {
       Log(kChannel, LOG_TRACE, "-> TVXBaseAx::OnPresenceStateChanged(%lu, %li)", static_cast<unsigned long>(r->line),
           long{r->state});
       s.Fire(kOnPresenceStateChanged, {number(r->line), number(r->state)});
       Log(kChannel, LOG_TRACE, "<- TVXBaseAx::OnPresenceStateChanged()");
     }},
    {WM_VX_MESSAGESWAITING, true,
     [](EventSinks& s, WPARAM, const NotifyRecord* r) {
       const auto& v = r->values;
       Log(kChannel, LOG_TRACE, "-> TVXBaseAx::OnMessageWaiting(%d, %d, %d, %d, %d)", v[0], v[1], v[2], v[3], v[4]);
       s.Fire(kOnMessagesWaiting, {number(v[0]), number(v[1]), number(v[2]), number(v[3]), number(v[4])});
       Log(kChannel, LOG_TRACE, "<- TVXBaseAx::OnMessageWaiting()");
     }},
    {WM_VX_PHONEKEY, false,
     [](EventSinks& s, WPARAM w, const NotifyRecord*) {
       char key = static_cast<char>(w);
       Log(kChannel, LOG_TRACE, "-> TVXBaseAx::OnPhoneKey(%c)", key);
       s.Fire(kOnPhoneKey, {text(std::string(1, key))});
       Log(kChannel, LOG_TRACE, "<- TVXBaseAx::OnPhoneKey()");
     }},
    {WM_VX_PHONEOFFHOOK, true,
     [](EventSinks& s, WPARAM, const NotifyRecord* r) {
       Log(kChannel, LOG_TRACE, "-> TVXBaseAx::OnPhoneOffHook(%lu, %s)", static_cast<unsigned long>(r->line),
           yesNo(r->flag));
       s.Fire(kOnPhoneOffHook, {number(r->line), boolean(r->flag)});
       Log(kChannel, LOG_TRACE, "<- TVXBaseAx::OnPhoneOffHook()");
     }},
    {WM_VX_PHONEFUNCTIONKEY, true,
     [](EventSinks& s, WPARAM, const NotifyRecord* r) {
       Log(kChannel, LOG_TRACE, "-> TVXBaseAx::OnPhoneFunctionKey(%lu, %lu, %s)",
           static_cast<unsigned long>(r->values[0]), static_cast<unsigned long>(r->values[1]), yesNo(r->flag));
       s.Fire(kOnPhoneFunctionKey, {number(r->values[0]), number(r->values[1]), boolean(r->flag)});
       Log(kChannel, LOG_TRACE, "<- TVXBaseAx::OnPhoneFunctionKey()");
     }},
    {WM_VX_ENDPLAY, false,
     [](EventSinks& s, WPARAM w, const NotifyRecord*) {
       Log(kChannel, LOG_TRACE, "-> TVXBaseAx(%li)::OnEndPlay()", value(w));
       s.Fire(kOnEndPlay, {number(static_cast<std::int32_t>(w))});
       Log(kChannel, LOG_TRACE, "<- TVXBaseAx(%li)::OnEndPlay()", value(w));
     }},
    {WM_VX_LEVELMICRO, false,
     [](EventSinks& s, WPARAM w, const NotifyRecord*) {
       Log(kChannel, LOG_TRACE, "-> TVXBaseAx::OnLevelMicro(0x%lx)", static_cast<unsigned long>(w));
       s.Fire(kOnLevelMicro, {number(static_cast<std::int32_t>(w))});
       Log(kChannel, LOG_TRACE, "<- TVXBaseAx::OnLevelMicro()");
     }},
    {WM_VX_LEVELSPEAKERS, false,
     [](EventSinks& s, WPARAM w, const NotifyRecord*) {
       Log(kChannel, LOG_TRACE, "-> TVXBaseAx::OnLevelSpeakers(0x%lx)", static_cast<unsigned long>(w));
       s.Fire(kOnLevelSpeakers, {number(static_cast<std::int32_t>(w))});
       Log(kChannel, LOG_TRACE, "<- TVXBaseAx::OnLevelSpeakers()");
     }},
    {WM_VX_SILENCE, false,
     [](EventSinks& s, WPARAM w, const NotifyRecord*) {
       Log(kChannel, LOG_TRACE, "-> TVXBaseAx(%hu)::OnSilence()", static_cast<unsigned short>(w));
       s.Fire(kOnSilence, {number(static_cast<std::int32_t>(w))});
       Log(kChannel, LOG_TRACE, "<- TVXBaseAx(%hu)::OnSilence()", static_cast<unsigned short>(w));
     }},
    {WM_VX_MICROMETER, false,
     [](EventSinks& s, WPARAM w, const NotifyRecord*) {
       Log(kChannel, LOG_TRACE, "-> TVXBaseAx::OnMicroMeter(%hu)", static_cast<unsigned short>(w));
       s.Fire(kOnMicroMeter, {number(static_cast<std::int32_t>(w))});
       Log(kChannel, LOG_TRACE, "<- TVXBaseAx::OnMicroMeter()");
     }},
    {WM_VX_SPEAKERSMETER, false,
     [](EventSinks& s, WPARAM w, const NotifyRecord*) {
       Log(kChannel, LOG_TRACE, "-> TVXBaseAx::OnSpeakersMeter(%hu)", static_cast<unsigned short>(w));
       s.Fire(kOnSpeakersMeter, {number(static_cast<std::int32_t>(w))});
       Log(kChannel, LOG_TRACE, "<- TVXBaseAx::OnSpeakersMeter()");
     }},
    {WM_VX_BALANCE, true,
     [](EventSinks& s, WPARAM, const NotifyRecord* r) {
       Log(kChannel, LOG_TRACE, "-> TVXBaseAx::OnBalance(%s)", r->strings[0].c_str());
       s.Fire(kOnBalance, {text(r->strings[0])});
       Log(kChannel, LOG_TRACE, "<- TVXBaseAx::OnBalance()");
     }},
    {WM_VX_ALERTINFO, true,
     [](EventSinks& s, WPARAM, const NotifyRecord* r) {
       Log(kChannel, LOG_TRACE, "-> TVXBaseAx(%li)::OnAlertInfo(%s)", long{r->line}, r->strings[0].c_str());
       s.Fire(kOnAlertInfo, {number(r->line), text(r->strings[0])});
       Log(kChannel, LOG_TRACE, "<- TVXBaseAx(%li)::OnAlertInfo()", long{r->line});
     }},
    {WM_VX_CONFERENCE, true,
     [](EventSinks& s, WPARAM, const NotifyRecord* r) {
       Log(kChannel, LOG_TRACE, "-> TVXBaseAx(%li)::OnConference()", long{r->line});
       s.Fire(kOnConference, {number(r->line)});
       Log(kChannel, LOG_TRACE, "<- TVXBaseAx(%li)::OnConference()", long{r->line});
     }},
    {WM_VX_JOINCONFERENCE, true,
     [](EventSinks& s, WPARAM, const NotifyRecord* r) {
       Log(kChannel, LOG_TRACE, "-> TVXBaseAx(%li)::OnJoinConference(%lu)", long{r->line},
           static_cast<unsigned long>(r->values[0]));
       s.Fire(kOnJoinConference, {number(r->line), number(r->values[0])});
       Log(kChannel, LOG_TRACE, "<- TVXBaseAx(%li)::OnJoinConference()", long{r->line});
     }},
    {WM_VX_UPDATECALL, true,
     [](EventSinks& s, WPARAM, const NotifyRecord* r) {
       Log(kChannel, LOG_TRACE, "-> TVXBaseAx(%li)::OnUpdateCall()", long{r->line});
       s.Fire(kOnUpdateCall, {number(r->line)});
       Log(kChannel, LOG_TRACE, "<- TVXBaseAx(%li)::OnUpdateCall()", long{r->line});
     }},
};

const Route* findRoute(UINT message) {
  for (const Route& route : kRoutes) {
    if (route.message == message) return &route;
  }
  return nullptr;
}

}  // namespace

bool CarriesRecord(UINT message) {
  const Route* route = findRoute(message);
  return route && route->record;
}

bool RaiseNotifyEvent(EventSinks& sinks, UINT message, WPARAM value, const NotifyRecord* record) {
  const Route* route = findRoute(message);
  if (!route) return false;
  if (route->record && !record) return false;
  route->raise(sinks, value, record);
  return true;
}

const TypeInfo& ControlTypeInfo() { return kTypeInfo; }

}  // namespace vx
