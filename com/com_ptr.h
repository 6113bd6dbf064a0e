#pragma once
// An owned COM reference: released when it goes out of scope.
#include <utility>

#include "com/com_headers.h"

namespace vx4820cal::com {

template <class T>
class ComPtr {
 public:
  ComPtr() = default;
  // Takes a reference the caller already holds (an [out] pointer, a new object).
  static ComPtr Attach(T* raw) {
    ComPtr p;
    p.raw_ = raw;
    return p;
  }
  // Adds its own reference to one somebody else holds.
  static ComPtr Share(T* raw) {
    if (raw) raw->AddRef();
    return Attach(raw);
  }
  ComPtr(const ComPtr& other) : raw_(other.raw_) {
    if (raw_) raw_->AddRef();
  }
  ComPtr(ComPtr&& other) noexcept : raw_(std::exchange(other.raw_, nullptr)) {}
  ComPtr& operator=(ComPtr other) noexcept {
    std::swap(raw_, other.raw_);
    return *this;
  }
  ~ComPtr() {
    if (raw_) raw_->Release();
  }

  T* Get() const { return raw_; }
  T* operator->() const { return raw_; }
  explicit operator bool() const { return raw_ != nullptr; }
  // The place an [out] parameter writes to; drops what was held.
  T** Out() {
    *this = ComPtr();
    return &raw_;
  }
  // Hands the reference over to the caller ([out, retval] results).
  T* Detach() { return std::exchange(raw_, nullptr); }

  template <class U>
  ComPtr<U> As(REFIID iid) const {
    ComPtr<U> view;
    if (raw_) raw_->QueryInterface(iid, reinterpret_cast<void**>(view.Out()));
    return view;
  }

 private:
  T* raw_ = nullptr;
};

}  // namespace vx4820cal::com
