#include "control/ax/CVXSIP.hpp"

#include <algorithm>
#include <atomic>

#include "locale/VXLocale.hpp"

namespace vx {
namespace {

constexpr const char* kSipChannel = "SIP";

std::atomic<UserAgentFactory> gUserAgentFactory{CreateUserAgent};

const char* orEmpty(const char* text) { return text ? text : ""; }

std::unique_ptr<NotifyRecord> lineRecord(std::int32_t line) {
  auto record = std::make_unique<NotifyRecord>();
  record->line = line;
  return record;
}

}  // namespace

CVXSIP::CVXSIP() {
  Log(kSipChannel, LOG_TRACE, "->CVXSIP::CVXSIP()");
  VXLocaleSetLanguage(settings::SipLanguage());
  Log(kSipChannel, LOG_TRACE, "<-CVXSIP::CVXSIP()");
}

CVXSIP::~CVXSIP() {
  Log(kSipChannel, LOG_TRACE, "->CVXSIP::~CVXSIP()");
  DoShutdown();
  Log(kSipChannel, LOG_TRACE, "<-CVXSIP::~CVXSIP()");
}

void CVXSIP::SetUserAgentFactory(UserAgentFactory factory) {
  gUserAgentFactory.store(factory ? factory : CreateUserAgent);
}

std::shared_ptr<IVXUserAgent> CVXSIP::UserAgent() const {
  std::lock_guard guard(userAgentMutex_);
  return userAgent_;
}

HRESULT CVXSIP::DoInitialize(tConfigurePage* page) {
  DoUninitialize();
  settings::ApplyConfiguredFile();
  VXLocaleSetLanguage(settings::SipLanguage());
  auto userAgent = gUserAgentFactory.load()(this);
  VX_ASSERT(userAgent != nullptr);
  if (!userAgent) return E_FAIL;
  {
    std::lock_guard guard(userAgentMutex_);
    userAgent_ = userAgent;
  }
  lines_.ResetCallStates(control::kInitialCallStates);
  if (!userAgent->Initialize(page)) {
    DoUninitialize();
    return E_FAIL;
  }
  initialized_ = true;
  std::int32_t flags = InitFlags();
  if (flags & INITFLAG_SIGNALS) userAgent->SetSignals(true);
  if (flags & INITFLAG_NORING) userAgent->SetNoRing(true);
  lines_.ResetAll(static_cast<std::size_t>(std::max(userAgent->GetNumLines(), control::kMinLines) + 1));
  lines_.SetBit(LineBit::UsesAudioDevice, 0, true);
  return S_OK;
}

HRESULT CVXSIP::DoUninitialize() {
  initialized_ = false;
  std::shared_ptr<IVXUserAgent> released;
  {
    std::lock_guard guard(userAgentMutex_);
    released.swap(userAgent_);
  }
  // Engine threads may hold their own references: stop them before letting go of ours.
  if (released) released->Shutdown();
  released.reset();
  lines_.Clear();
  return S_OK;
}

// The power and network monitors join here once they exist; for now the engine is the user agent.
void CVXSIP::DoShutdown() { DoUninitialize(); }

HRESULT CVXSIP::DoConfigure(std::int32_t page, const std::string& title) {
  std::string caption = title.empty() ? FormatLocaleString(control::kTextConfigurationCaption, control::kProduct) : title;
  return RunConfigurationSheet(page, caption) == SheetResult::Cancelled ? E_ABORT : S_OK;
}

std::int32_t CVXSIP::DoGetNumLines() {
  auto userAgent = UserAgent();
  return IsInitialized() && userAgent ? userAgent->GetNumLines() : 0;
}

HRESULT CVXSIP::DoCall(std::int32_t line, const std::string& address, std::int32_t flags, std::int32_t media) {
  if (!RequireInitialized()) return E_FAIL;
  std::string target = address.substr(0, control::kMaxCallAddress);
  if (!UserAgent()->Call(line, target, flags, static_cast<tMediaType>(media))) return E_FAIL;
  ApplyLineAudioSettings(line);
  return S_OK;
}

HRESULT CVXSIP::DoAnswer(std::int32_t line, std::int32_t media) {
  if (!RequireInitialized()) return E_FAIL;
  if (!UserAgent()->Answer(line, static_cast<tMediaType>(media))) return E_FAIL;
  ApplyLineAudioSettings(line);
  return S_OK;
}

HRESULT CVXSIP::DoDrop(std::int32_t line, std::int32_t reasonCode, const std::string& reason) {
  if (!RequireInitialized()) return E_FAIL;
  if (reasonCode != 0 && (reasonCode < 400 || reasonCode > 699)) {
    SetError(ERROR_INVALIDVALUE, control::kTextInvalidValues);
    return E_FAIL;
  }
  return UserAgent()->Drop(line, reasonCode, reason) ? S_OK : E_FAIL;
}

// --- Notifications ---

void CVXSIP::SetError(std::int32_t code, const char* text) { SetErrorFields(code, orEmpty(text)); }

bool CVXSIP::AssertLine(std::int32_t line) {
  VX_ASSERT(line >= 0);
  return line >= 0;
}

void CVXSIP::PostLineRecord(UINT message, std::int32_t line) { PostNotify(message, 0, lineRecord(line)); }

void CVXSIP::PostPartyId(UINT message, std::int32_t line, const char* name, const char* address, const char* ip) {
  AssertLine(line);
  auto record = lineRecord(line);
  record->strings[0] = orEmpty(name);
  record->strings[1] = orEmpty(address);
  record->strings[2] = orEmpty(ip);
  PostNotify(message, 0, std::move(record));
}

void CVXSIP::OnNetworkChanged(bool reinit) {
  auto record = std::make_unique<NotifyRecord>();
  record->flag = reinit;
  PostNotify(WM_VX_NETWORKCHANGED, 0, std::move(record));
}

void CVXSIP::OnCallStateChanged(std::int32_t line, tCallStates state) {
  AssertLine(line);
  if (!lines_.ChangeCallState(line, state)) return;
  auto record = lineRecord(line);
  record->state = state;
  PostNotify(WM_VX_CALLSTATECHANGED, 0, std::move(record));
  if (line != 0) return;
  auto userAgent = UserAgent();
  bool known = state >= CALLSTATE_OFFERING && state <= CALLSTATE_DIALING;
  if (userAgent) userAgent->SetHandsetCallState(known ? state : CALLSTATE_IDLE);
}

void CVXSIP::OnRegistrationStateChanged(tRegistrationStates state) {
  PostNotify(WM_VX_REGISTRATIONSTATECHANGED, static_cast<WPARAM>(state));
}

void CVXSIP::OnRegistrationStateByAccountChanged(std::int32_t account, tRegistrationStates state) {
  auto record = std::make_unique<NotifyRecord>();
  record->account = account;
  record->state = state;
  PostNotify(WM_VX_REGISTRATIONSTATEBYACCOUNTCHANGED, 0, std::move(record));
}

void CVXSIP::OnDTMF(std::int32_t line, char digit) {
  AssertLine(line);
  auto record = lineRecord(line);
  record->character = digit;
  PostNotify(WM_VX_DTMF, 0, std::move(record));
}

void CVXSIP::OnCallerId(std::int32_t line, const char* name, const char* address, const char* ip) {
  PostPartyId(WM_VX_CALLERID, line, name, address, ip);
}

void CVXSIP::OnCalledId(std::int32_t line, const char* name, const char* address, const char* ip) {
  PostPartyId(WM_VX_CALLEDID, line, name, address, ip);
}

void CVXSIP::OnInfo(std::int32_t line, const char* contentType, const char* content) {
  AssertLine(line);
  auto record = lineRecord(line);
  record->strings[0] = orEmpty(contentType);
  record->strings[1] = orEmpty(content);
  PostNotify(WM_VX_INFO, 0, std::move(record));
}

void CVXSIP::OnMediaMode(std::int32_t line, tMediaType type, tMediaMode mode) {
  AssertLine(line);
  auto record = lineRecord(line);
  record->values[0] = type;
  record->values[1] = mode;
  PostNotify(WM_VX_MEDIAMODE, 0, std::move(record));
}

void CVXSIP::OnMessage(const char* url, const char* message) {
  auto record = std::make_unique<NotifyRecord>();
  record->strings[0] = orEmpty(url);
  record->strings[1] = orEmpty(message);
  PostNotify(WM_VX_MESSAGE, 0, std::move(record));
}

void CVXSIP::OnPresenceStateChanged(std::int32_t index, tPresenceStates state) {
  auto record = lineRecord(index);
  record->state = state;
  PostNotify(WM_VX_PRESENCESTATECHANGED, 0, std::move(record));
}

void CVXSIP::OnMessagesWaiting(tMessagesWaitingType type, std::int32_t urgentRead, std::int32_t urgentUnread,
                               std::int32_t read, std::int32_t unread) {
  auto record = std::make_unique<NotifyRecord>();
  record->values = {type, urgentRead, urgentUnread, read, unread};
  PostNotify(WM_VX_MESSAGESWAITING, 0, std::move(record));
}

void CVXSIP::OnPhoneKey(char key) {
  PostNotify(WM_VX_PHONEKEY, static_cast<WPARAM>(static_cast<unsigned char>(key)));
  if (!(InitFlags() & INITFLAG_PHONE)) return;
  if (auto userAgent = UserAgent()) userAgent->Dial(0, std::string(1, key));
}

void CVXSIP::OnPhoneOffHook(std::int32_t line, bool offHook) {
  auto record = lineRecord(line);
  record->flag = offHook;
  PostNotify(WM_VX_PHONEOFFHOOK, 0, std::move(record));
  auto userAgent = UserAgent();
  if (!(InitFlags() & INITFLAG_PHONE) || !userAgent) return;
  if (line == -1) line = 0;
  tCallStates state = lines_.CallState(line);
  if (offHook) {
    if (state == CALLSTATE_OFFERING) {
      userAgent->Answer(line, MEDIATYPE_ALL);
    } else if (state != CALLSTATE_IDLE) {
      userAgent->Dial(line, "");
    } else {
      userAgent->Call(line, "", 0, MEDIATYPE_ALL);
    }
  } else if (state != CALLSTATE_OFFERING) {
    userAgent->Drop(line, 0, "");
  }
}

void CVXSIP::OnPhoneFunctionKey(tHandsetFunctionKey key, std::int32_t data, bool pressed) {
  auto record = std::make_unique<NotifyRecord>();
  record->values[0] = key;
  record->values[1] = data;
  record->flag = pressed;
  PostNotify(WM_VX_PHONEFUNCTIONKEY, 0, std::move(record));
  auto userAgent = UserAgent();
  if (!(InitFlags() & INITFLAG_PHONE) || !userAgent) return;
  switch (key) {
    case FUNCTIONKEY_MUTE:
      lines_.SetBit(LineBit::MicroMuted, 0, pressed);
      userAgent->SetMicroMute(0, pressed);
      break;
    case FUNCTIONKEY_VOLUME: {
      std::int32_t level = 0;
      if (data != 0 || !userAgent->GetLevelSpeakers(&level)) break;
      level = std::clamp(level + (pressed ? control::kVolumeStep : -control::kVolumeStep), 0, control::kMaxLevel);
      userAgent->SetLevelSpeakers(level);
      OnLevelSpeakers(level);
      break;
    }
    case FUNCTIONKEY_SEND:
      userAgent->Dial(0, "");
      break;
    default:
      break;
  }
}

void CVXSIP::OnEndPlay(std::int32_t line) {
  AssertLine(line);
  PostNotify(WM_VX_ENDPLAY, static_cast<WPARAM>(static_cast<std::uint32_t>(line)));
}

void CVXSIP::OnLevelMicro(std::int32_t level) {
  PostNotify(WM_VX_LEVELMICRO, static_cast<WPARAM>(static_cast<std::uint32_t>(level)));
}

void CVXSIP::OnLevelSpeakers(std::int32_t level) {
  PostNotify(WM_VX_LEVELSPEAKERS, static_cast<WPARAM>(static_cast<std::uint32_t>(level)));
}

void CVXSIP::OnSilence(std::int32_t line) {
  if (!AssertLine(line)) return;
  PostNotify(WM_VX_SILENCE, static_cast<WPARAM>(line));
}

void CVXSIP::OnMicroMeter(std::int32_t level) {
  PostNotify(WM_VX_MICROMETER, static_cast<WPARAM>(static_cast<std::uint32_t>(level)));
}

void CVXSIP::OnSpeakersMeter(std::int32_t level) {
  PostNotify(WM_VX_SPEAKERSMETER, static_cast<WPARAM>(static_cast<std::uint32_t>(level)));
}

void CVXSIP::OnBalance(const char* text) {
  auto record = std::make_unique<NotifyRecord>();
  record->strings[0] = orEmpty(text);
  PostNotify(WM_VX_BALANCE, 0, std::move(record));
}

void CVXSIP::OnAlertInfo(std::int32_t line, const char* text) {
  AssertLine(line);
  auto record = lineRecord(line);
  record->strings[0] = orEmpty(text);
  PostNotify(WM_VX_ALERTINFO, 0, std::move(record));
}

void CVXSIP::OnConference(std::int32_t line) {
  AssertLine(line);
  PostLineRecord(WM_VX_CONFERENCE, line);
}

void CVXSIP::OnJoinConference(std::int32_t line, std::int32_t conferenceLine) {
  AssertLine(line);
  auto record = lineRecord(line);
  record->values[0] = conferenceLine;
  PostNotify(WM_VX_JOINCONFERENCE, 0, std::move(record));
}

void CVXSIP::OnUpdateCall(std::int32_t line) {
  AssertLine(line);
  PostLineRecord(WM_VX_UPDATECALL, line);
}

void CVXSIP::ApplyLineAudioSettings(std::int32_t line) {
  auto userAgent = UserAgent();
  if (!userAgent) return;
  userAgent->SetUseAudioDevice(line, lines_.Bit(LineBit::UsesAudioDevice, line));
  userAgent->SetMicroMute(line, lines_.Bit(LineBit::MicroMuted, line));
  userAgent->SetSpeakersMute(line, lines_.Bit(LineBit::SpeakersMuted, line));
}

}  // namespace vx
