#include "platform/com/ConnectionPoint.hpp"

namespace vx {

HRESULT EventSinks::Advise(IDispatch* sink, DWORD* cookie) {
  if (!sink || !cookie) return E_POINTER;
  std::lock_guard guard(mutex_);
  *cookie = nextCookie_++;
  sinks_.emplace_back(*cookie, ComPtr<IDispatch>(sink));
  return S_OK;
}

HRESULT EventSinks::Unadvise(DWORD cookie) {
  ComPtr<IDispatch> released;  // released after the lock: the sink's destructor may call back
  std::lock_guard guard(mutex_);
  for (auto it = sinks_.begin(); it != sinks_.end(); ++it) {
    if (it->first == cookie) {
      released = std::move(it->second);
      sinks_.erase(it);
      return S_OK;
    }
  }
  return CONNECT_E_NOCONNECTION;
}

void EventSinks::Fire(DISPID event, std::vector<Variant> args) {
  std::vector<ComPtr<IDispatch>> targets;
  std::uint64_t clears;
  {
    std::lock_guard guard(mutex_);
    for (auto& entry : sinks_) targets.push_back(entry.second);
    clears = clears_;
  }
  for (auto& sink : targets) {
    {
      std::lock_guard guard(mutex_);
      if (clears_ != clears) return;  // a sink cleared the list, e.g. by destroying the object
    }
    std::vector<Variant> copy = args;  // each sink sees the event's own arguments
    sink->Invoke(event, DISPATCH_METHOD, copy, nullptr);
  }
}

void EventSinks::Clear() {
  std::vector<std::pair<DWORD, ComPtr<IDispatch>>> released;
  std::lock_guard guard(mutex_);
  released.swap(sinks_);
  ++clears_;
}

std::size_t EventSinks::Count() const {
  std::lock_guard guard(mutex_);
  return sinks_.size();
}

}  // namespace vx
