#pragma once
// Owner of one COM interface pointer: releases it once.
#include <utility>

namespace toolkit {

template <class T>
class Com_Ptr {
 public:
  Com_Ptr() = default;
  ~Com_Ptr() { Reset(); }
  Com_Ptr(const Com_Ptr& o) : p_(o.p_) {
    if (p_) p_->AddRef();
  }
  Com_Ptr(Com_Ptr&& o) noexcept : p_(std::exchange(o.p_, nullptr)) {}
  Com_Ptr& operator=(Com_Ptr o) noexcept {
    std::swap(p_, o.p_);
    return *this;
  }
  void Reset() {
    if (p_) std::exchange(p_, nullptr)->Release();
  }
  T* Get() const { return p_; }
  T* operator->() const { return p_; }
  explicit operator bool() const { return p_ != nullptr; }
  // The reference, which now belongs to whoever took it.
  T* Detach() { return std::exchange(p_, nullptr); }
  // For calls that hand back a new reference through an out-parameter.
  T** Put() {
    Reset();
    return &p_;
  }

 private:
  T* p_ = nullptr;
};

}  // namespace toolkit
