#pragma once
// Connection points: how a host connects its event sinks to an object, and the helper an
// object uses to raise events to every connected sink.
#include <mutex>
#include <utility>
#include <vector>

#include "platform/com/ComPtr.hpp"
#include "platform/com/Dispatch.hpp"

namespace vx {

inline const IID IID_IConnectionPointContainer = *parseGuid("{B196B284-BAB4-101A-B69C-00AA00341D07}");
inline const IID IID_IConnectionPoint = *parseGuid("{B196B286-BAB4-101A-B69C-00AA00341D07}");

struct VX_EXPORT IConnectionPoint : IUnknown {
  virtual HRESULT GetConnectionInterface(IID* iid) = 0;
  virtual HRESULT Advise(IDispatch* sink, DWORD* cookie) = 0;
  virtual HRESULT Unadvise(DWORD cookie) = 0;

 protected:
  ~IConnectionPoint() = default;
};

struct VX_EXPORT IConnectionPointContainer : IUnknown {
  virtual HRESULT FindConnectionPoint(const IID& iid, IConnectionPoint** point) = 0;

 protected:
  ~IConnectionPointContainer() = default;
};

// The sinks connected to one event interface. Raising an event calls each sink with a
// reference held, outside the lock, so a sink may disconnect or destroy the object meanwhile;
// after Clear no further sink hears the event being raised.
class VX_EXPORT EventSinks {
 public:
  HRESULT Advise(IDispatch* sink, DWORD* cookie);
  HRESULT Unadvise(DWORD cookie);
  void Fire(DISPID event, std::vector<Variant> args);
  void Clear();
  std::size_t Count() const;

 private:
  mutable std::mutex mutex_;
  std::vector<std::pair<DWORD, ComPtr<IDispatch>>> sinks_;  // guarded by mutex_
  DWORD nextCookie_ = 1;                                    // guarded by mutex_
  std::uint64_t clears_ = 0;                                // guarded by mutex_
};

}  // namespace vx
