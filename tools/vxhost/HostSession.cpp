#include "tools/vxhost/HostSession.hpp"

#include <atomic>
#include <chrono>
#include <cstdlib>

#include "control/ax/IVXDiagnostics.hpp"
#include "platform/com/ComObject.hpp"
#include "platform/com/ComRuntime.hpp"
#include "platform/com/ConnectionPoint.hpp"
#include "platform/messages/MessageQueue.hpp"

namespace vx::host {
namespace {

using Clock = std::chrono::steady_clock;
constexpr const char* kNullWord = "@null";
constexpr DWORD kPumpSliceMs = 50;
constexpr long long kMaxWaitMs = 24LL * 3600 * 1000;  // longer waits are clamped to a day
constexpr std::size_t kMaxUnclaimedEvents = 10000;    // a long sleep keeps only the latest

// The event sink: hands every event to the session on the host's thread.
class EventSink final : public ComObject<IDispatch> {
 public:
  explicit EventSink(HostSession* session) : ComObject(IID_IDispatch, 0), session_(session) {}

  HRESULT GetIDsOfNames(const std::string&, DISPID*) override { return DISP_E_UNKNOWNNAME; }
  HRESULT Invoke(DISPID dispid, WORD, std::vector<Variant>& args, Variant*) override {
    if (session_) session_->OnEvent(dispid, args);
    return S_OK;
  }
  void Detach() { session_ = nullptr; }

 private:
  HostSession* session_;
};

Variant wordValue(const std::string& word) {
  return word == kNullWord ? Variant::String(std::nullopt) : Variant::String(word);
}

// Pumps the queue until `done` says so or the deadline passes.
template <typename Done>
bool pumpUntil(Clock::time_point deadline, Done done) {
  while (!done()) {
    auto now = Clock::now();
    if (now >= deadline) return false;
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - now).count();
    PumpMessage(static_cast<DWORD>(std::min<long long>(left, kPumpSliceMs)));
  }
  return true;
}

bool parseNumber(const std::string& text, long long* value) {
  if (text.empty()) return false;
  char* end = nullptr;
  *value = std::strtoll(text.c_str(), &end, 10);
  return *end == '\0';
}

}  // namespace

std::vector<std::string> SplitWords(const std::string& line) {
  std::vector<std::string> words;
  std::string word;
  bool inWord = false;
  bool quoted = false;
  for (size_t i = 0; i < line.size(); ++i) {
    char c = line[i];
    if (quoted) {
      if (c == '\\' && i + 1 < line.size()) {
        word += line[++i];
      } else if (c == '"') {
        quoted = false;
      } else {
        word += c;
      }
    } else if (c == '"') {
      quoted = inWord = true;
    } else if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
      if (inWord) words.push_back(std::move(word));
      word.clear();
      inWord = false;
    } else {
      word += c;
      inWord = true;
    }
  }
  if (inWord) words.push_back(std::move(word));
  return words;
}

HostSession::~HostSession() {
  if (sink_) static_cast<EventSink*>(sink_.get())->Detach();
  ComPtr<IConnectionPointContainer> container;
  if (control_ && SUCCEEDED(control_->QueryInterface(IID_IConnectionPointContainer, container.putVoid())) &&
      typeInfo_) {
    ComPtr<IConnectionPoint> point;
    if (SUCCEEDED(container->FindConnectionPoint(*typeInfo_->eventInterface, point.put()))) point->Unadvise(cookie_);
  }
}

int HostSession::Create(const std::string& progId, const std::string& clsidText) {
  CLSID clsid;
  if (!clsidText.empty()) {
    auto parsed = parseGuid(clsidText);
    if (!parsed) {
      std::fprintf(out_, "error: %s is not a class id\n", clsidText.c_str());
      return kExitUsage;
    }
    clsid = *parsed;
  } else if (FAILED(CLSIDFromProgID(progId, &clsid))) {
    std::fprintf(out_, "error: %s is not registered (run vxregsvr on its library)\n", progId.c_str());
    return kExitUsage;
  }
  HRESULT hr = CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch, control_.putVoid());
  if (FAILED(hr)) {
    std::fprintf(out_, "error: creating %s failed with 0x%08x\n", formatGuid(clsid).c_str(), static_cast<unsigned>(hr));
    return kExitUsage;
  }
  ComPtr<IProvideTypeInfo> provider;
  if (SUCCEEDED(control_->QueryInterface(IID_IProvideTypeInfo, provider.putVoid()))) typeInfo_ = provider->GetTypeInfo();
  ComPtr<IConnectionPointContainer> container;
  ComPtr<IConnectionPoint> point;
  if (typeInfo_ && SUCCEEDED(control_->QueryInterface(IID_IConnectionPointContainer, container.putVoid())) &&
      SUCCEEDED(container->FindConnectionPoint(*typeInfo_->eventInterface, point.put()))) {
    sink_ = ComPtr<IDispatch>(new EventSink(this));
    point->Advise(sink_.get(), &cookie_);
  }
  return kExitOk;
}

int HostSession::Run(const std::string& line) {
  std::vector<std::string> words = SplitWords(line);
  if (words.empty() || words[0].starts_with('#')) return kExitOk;
  return RunWords(std::move(words), false);
}

int HostSession::RunWords(std::vector<std::string> words, bool tolerant) {
  const std::string verb = words[0];
  int code = kExitUsage;
  if (verb == "try" && words.size() > 1) {
    RunWords(std::vector<std::string>(words.begin() + 1, words.end()), true);
    return kExitOk;
  }
  if ((verb == "get" || verb == "call") && words.size() >= 2) code = Invoke(verb, words);
  if (verb == "put" && words.size() >= 3) code = Invoke(verb, words);
  if (verb == "wait" && words.size() >= 3) code = Wait(words);
  if (verb == "sleep" && words.size() == 2) code = Sleep(words);
  if (verb == "params" && words.size() <= 2) code = Params(words);
  if (code == kExitUsage) std::fprintf(out_, "error: cannot read command: %s\n", verb.c_str());
  std::fflush(out_);
  return tolerant ? kExitOk : code;
}

int HostSession::ApplyConfiguration(const std::string& path) {
  return Invoke("call", {"call", "SetConfigurationFile", path});
}

int HostSession::Params(const std::vector<std::string>& words) {
  ComPtr<IVXDiagnostics> diagnostics;
  if (FAILED(control_->QueryInterface(IID_IVXDiagnostics, diagnostics.putVoid()))) {
    std::fprintf(out_, "params: this control does not list its parameters\n");
    return kExitMemberFailed;
  }
  std::vector<std::string> lines = diagnostics->ListParameters(words.size() == 2 ? words[1] : "");
  if (lines.empty()) {
    std::string groups;
    for (const std::string& name : diagnostics->ParameterGroupNames()) groups += " " + name;
    std::fprintf(out_, "params: no group %s (groups:%s)\n", words.size() == 2 ? words[1].c_str() : "",
                 groups.c_str());
    return kExitMemberFailed;
  }
  for (const std::string& line : lines) std::fprintf(out_, "%s\n", line.c_str());
  return kExitOk;
}

int HostSession::Invoke(const std::string& verb, const std::vector<std::string>& words) {
  const std::string& name = words[1];
  DISPID dispid = 0;
  if (FAILED(control_->GetIDsOfNames(name, &dispid))) {
    std::fprintf(out_, "%s: no such member\n", name.c_str());
    return kExitMemberFailed;
  }
  std::vector<Variant> args;
  for (size_t i = 2; i < words.size(); ++i) args.push_back(wordValue(words[i]));
  WORD kind = verb == "get" ? DISPATCH_PROPERTYGET : verb == "put" ? DISPATCH_PROPERTYPUT : DISPATCH_METHOD;
  Variant result;
  HRESULT hr = control_->Invoke(dispid, kind, args, &result);
  if (FAILED(hr)) return ReportFailure(name, hr);
  if (!result.isEmpty()) {
    std::fprintf(out_, "%s = %s\n", name.c_str(), result.display().c_str());
  } else {
    std::fprintf(out_, "%s ok\n", name.c_str());
  }
  return kExitOk;
}

int HostSession::ReportFailure(const std::string& member, HRESULT hr) {
  std::string detail;
  DISPID errorId = 0;
  DISPID textId = 0;
  if (SUCCEEDED(control_->GetIDsOfNames("Error", &errorId)) && SUCCEEDED(control_->GetIDsOfNames("ErrorString", &textId))) {
    std::vector<Variant> none;
    Variant code, text;
    control_->Invoke(errorId, DISPATCH_PROPERTYGET, none, &code);
    control_->Invoke(textId, DISPATCH_PROPERTYGET, none, &text);
    const EnumInfo* errors = typeInfo_ ? findEnum(*typeInfo_, "tErrors") : nullptr;
    detail = " " + Show(code, errors) + " (" + code.display() + "): " + text.display();
  }
  std::fprintf(out_, "%s failed: 0x%08x%s\n", member.c_str(), static_cast<unsigned>(hr), detail.c_str());
  return kExitMemberFailed;
}

std::string HostSession::Show(const Variant& value, const EnumInfo* enumeration) const {
  std::int32_t number = 0;
  if (enumeration && SUCCEEDED(value.toI4(&number))) {
    if (const char* name = enumValueName(*enumeration, number)) return name;
  }
  return value.display();
}

void HostSession::OnEvent(DISPID dispid, const std::vector<Variant>& args) {
  ReceivedEvent event;
  const EventInfo* info = nullptr;
  for (size_t i = 0; typeInfo_ && i < typeInfo_->eventCount; ++i) {
    if (typeInfo_->events[i].dispid == dispid) info = &typeInfo_->events[i];
  }
  event.name = info ? info->name : "DISPID" + std::to_string(dispid);
  std::string line = "event " + event.name + "(";
  for (size_t i = 0; i < args.size(); ++i) {
    bool named = info && i < info->paramCount;
    event.paramNames.push_back(named ? info->params[i].name : "arg" + std::to_string(i));
    event.values.push_back(Show(args[i], named ? info->params[i].enumeration : nullptr));
    line += (i ? ", " : "") + event.paramNames.back() + "=" + event.values.back();
  }
  std::fprintf(out_, "%s)\n", line.c_str());
  std::fflush(out_);
  unclaimed_.push_back(std::move(event));
  if (unclaimed_.size() > kMaxUnclaimedEvents) unclaimed_.pop_front();
}

bool HostSession::TakeMatchingEvent(const std::string& name, const std::vector<std::string>& conditions) {
  for (auto it = unclaimed_.begin(); it != unclaimed_.end(); ++it) {
    if (it->name != name) continue;
    bool all = true;
    for (const std::string& condition : conditions) {
      size_t eq = condition.find('=');
      std::string param = condition.substr(0, eq);
      std::string wanted = eq == std::string::npos ? "" : condition.substr(eq + 1);
      bool found = false;
      for (size_t i = 0; i < it->paramNames.size(); ++i) {
        if (it->paramNames[i] == param) found = it->values[i] == wanted;
      }
      all = all && found;
    }
    if (all) {
      unclaimed_.erase(unclaimed_.begin(), it + 1);  // what came before it has been seen
      return true;
    }
  }
  return false;
}

int HostSession::Wait(const std::vector<std::string>& words) {
  long long seconds = 0;
  if (!parseNumber(words.back(), &seconds) || seconds < 0) return kExitUsage;
  std::vector<std::string> conditions(words.begin() + 2, words.end() - 1);
  auto deadline = Clock::now() + std::chrono::milliseconds(std::min(seconds, kMaxWaitMs / 1000) * 1000);
  if (pumpUntil(deadline, [&] { return TakeMatchingEvent(words[1], conditions); })) return kExitOk;
  std::fprintf(out_, "wait %s: timed out after %lld s\n", words[1].c_str(), seconds);
  return kExitWaitTimedOut;
}

int HostSession::Sleep(const std::vector<std::string>& words) {
  long long ms = 0;
  if (!parseNumber(words[1], &ms) || ms < 0) return kExitUsage;
  pumpUntil(Clock::now() + std::chrono::milliseconds(std::min(ms, kMaxWaitMs)), [] { return false; });
  return kExitOk;
}

}  // namespace vx::host
