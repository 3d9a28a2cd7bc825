#pragma once
// Owners of handles and memory: each releases what it holds once.
#include <windows.h>

#include <utility>

namespace toolkit {

template <class Handle>
constexpr bool Not_Null(Handle h) {
  return h != nullptr;
}
inline bool Open_Handle(HANDLE h) { return h != nullptr && h != INVALID_HANDLE_VALUE; }

// Holds one handle of the kind that Free releases, or a value that holds nothing (Holds tells them apart).
template <class Handle, auto Free, bool (*Holds)(Handle) = Not_Null<Handle>>
class Owner {
 public:
  Owner() = default;
  explicit Owner(Handle h) : h_(h) {}
  ~Owner() { Reset(); }
  Owner(const Owner&) = delete;
  Owner& operator=(const Owner&) = delete;
  Owner(Owner&& o) noexcept : h_(o.Release()) {}
  Owner& operator=(Owner&& o) noexcept {
    if (this != &o) Reset(o.Release());
    return *this;
  }
  void Reset(Handle h = Handle{}) {
    if (Holds(h_)) Free(h_);
    h_ = h;
  }
  Handle Get() const { return h_; }
  explicit operator bool() const { return Holds(h_); }
  // What it held now belongs to whoever took it.
  Handle Release() { return std::exchange(h_, Handle{}); }

 private:
  Handle h_{};
};

using File_Handle = Owner<HANDLE, CloseHandle, Open_Handle>;
using Find_Handle = Owner<HANDLE, FindClose, Open_Handle>;
using Global_Memory = Owner<HGLOBAL, GlobalFree>;
using Registry_Key = Owner<HKEY, RegCloseKey>;
using Cursor = Owner<HCURSOR, DestroyCursor>;  // one loaded from the program's resources, not a shared one
using Library = Owner<HMODULE, FreeLibrary>;
using Child_Window = Owner<HWND, DestroyWindow>;  // one of the system's own classes, made by the program

}  // namespace toolkit
