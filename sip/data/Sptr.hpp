#pragma once
// Sptr: the engine's reference-counted shared pointer. Messages, headers, URLs and bodies
// travel between threads in it; only the count is thread-safe, never the object.
#include <cstddef>
#include <memory>
#include <type_traits>
#include <utility>

namespace vx {

template <typename T>
class Sptr {
 public:
  Sptr() = default;
  Sptr(std::nullptr_t) {}  // NOLINT: null converts freely
  // Takes ownership of a freshly made object; the last release deletes it.
  explicit Sptr(T* object) : ptr_(object) {}
  explicit Sptr(std::shared_ptr<T> ptr) : ptr_(std::move(ptr)) {}

  // Up-cast copy (derived to base), implicit like a raw pointer conversion.
  template <typename U, typename = std::enable_if_t<std::is_convertible_v<U*, T*>>>
  Sptr(const Sptr<U>& other) : ptr_(other.shared()) {}  // NOLINT

  // Down-cast copy: shares the count of the source, null when the object is not a T.
  template <typename U>
  static Sptr cast(const Sptr<U>& other) {
    return Sptr(std::dynamic_pointer_cast<T>(other.shared()));
  }

  T* get() const { return ptr_.get(); }
  T* operator->() const { return ptr_.get(); }
  T& operator*() const { return *ptr_; }
  explicit operator bool() const { return ptr_ != nullptr; }
  void reset() { ptr_.reset(); }
  long useCount() const { return ptr_.use_count(); }
  const std::shared_ptr<T>& shared() const { return ptr_; }

  template <typename U>
  bool operator==(const Sptr<U>& other) const {
    return ptr_ == other.shared();
  }
  bool operator==(std::nullptr_t) const { return ptr_ == nullptr; }

 private:
  std::shared_ptr<T> ptr_;
};

template <typename T, typename... Args>
Sptr<T> makeSptr(Args&&... args) {
  return Sptr<T>(std::make_shared<T>(std::forward<Args>(args)...));
}

}  // namespace vx
