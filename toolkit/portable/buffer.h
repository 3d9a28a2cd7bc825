#pragma once
// An array of plain values whose memory is had without raising: where it cannot be had, the buffer is empty and
// says so. For the worker thread, which may raise nothing (see toolkit/system/worker.h), and for big arrays whose
// shortage is a plain answer.
#include <cstdlib>
#include <cstring>
#include <memory>
#include <span>
#include <type_traits>
#include <utility>

namespace toolkit {

template <class T>
class Buffer {
  static_assert(std::is_trivially_copyable_v<T>);

 public:
  Buffer() = default;
  Buffer(Buffer&& o) noexcept : at_(std::move(o.at_)), size_(std::exchange(o.size_, 0)) {}
  Buffer& operator=(Buffer&& o) noexcept {
    at_ = std::move(o.at_);
    size_ = std::exchange(o.size_, 0);
    return *this;
  }
  // n elements of zero bytes; empty where the memory cannot be had (and for n = 0).
  static Buffer Zeroed(std::size_t n) noexcept {
    Buffer b;
    if (n != 0 && n <= SIZE_MAX / sizeof(T) && (b.at_.reset(static_cast<T*>(std::calloc(n, sizeof(T)))), b.at_))
      b.size_ = n;
    return b;
  }
  // A copy of the values; empty where the memory cannot be had.
  static Buffer Copy_Of(std::span<const T> values) noexcept {
    Buffer b;
    if (!values.empty() && (b.at_.reset(static_cast<T*>(std::malloc(values.size_bytes()))), b.at_)) {
      std::memcpy(b.at_.get(), values.data(), values.size_bytes());
      b.size_ = values.size();
    }
    return b;
  }

  T* data() noexcept { return at_.get(); }
  const T* data() const noexcept { return at_.get(); }
  std::size_t size() const noexcept { return size_; }
  bool empty() const noexcept { return size_ == 0; }
  T& operator[](std::size_t i) noexcept { return at_.get()[i]; }
  const T& operator[](std::size_t i) const noexcept { return at_.get()[i]; }
  T* begin() noexcept { return data(); }
  T* end() noexcept { return data() + size_; }
  const T* begin() const noexcept { return data(); }
  const T* end() const noexcept { return data() + size_; }
  operator std::span<const T>() const noexcept { return {data(), size_}; }

 private:
  struct Free {
    void operator()(T* at) const noexcept { std::free(at); }
  };
  std::unique_ptr<T, Free> at_;
  std::size_t size_ = 0;
};

}  // namespace toolkit
