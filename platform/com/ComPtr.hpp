#pragma once
// Owns one reference to a COM interface.
#include <utility>

#include "platform/com/Unknown.hpp"

namespace vx {

template <typename T>
class ComPtr {
 public:
  ComPtr() = default;
  ComPtr(T* p) : p_(p) {  // NOLINT: adopting a new reference is the common case
    if (p_) p_->AddRef();
  }
  ComPtr(const ComPtr& other) : ComPtr(other.p_) {}
  ComPtr(ComPtr&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
  ComPtr& operator=(ComPtr other) noexcept {
    std::swap(p_, other.p_);
    return *this;
  }
  ~ComPtr() {
    if (p_) p_->Release();
  }

  // For out-parameters that hand over a reference already counted.
  T** put() {
    reset();
    return &p_;
  }
  void** putVoid() { return reinterpret_cast<void**>(put()); }
  void reset() {
    if (p_) std::exchange(p_, nullptr)->Release();
  }

  T* get() const { return p_; }
  T* operator->() const { return p_; }
  explicit operator bool() const { return p_ != nullptr; }

 private:
  T* p_ = nullptr;
};

}  // namespace vx
