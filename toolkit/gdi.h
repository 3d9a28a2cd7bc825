#pragma once
// Owners of GDI handles: each releases its handle once.
#include <windows.h>

#include <utility>

namespace toolkit {

template <class Handle>
class Gdi_Object {
 public:
  Gdi_Object() = default;
  explicit Gdi_Object(Handle h) : h_(h) {}
  ~Gdi_Object() { Reset(); }
  Gdi_Object(const Gdi_Object&) = delete;
  Gdi_Object& operator=(const Gdi_Object&) = delete;
  Gdi_Object(Gdi_Object&& o) noexcept : h_(std::exchange(o.h_, nullptr)) {}
  Gdi_Object& operator=(Gdi_Object&& o) noexcept {
    if (this != &o) {
      Reset();
      h_ = std::exchange(o.h_, nullptr);
    }
    return *this;
  }
  void Reset(Handle h = nullptr) {
    if (h_) DeleteObject(h_);
    h_ = h;
  }
  Handle Get() const { return h_; }
  Handle Release() { return std::exchange(h_, nullptr); }

 private:
  Handle h_ = nullptr;
};

using Bitmap = Gdi_Object<HBITMAP>;
using Brush = Gdi_Object<HBRUSH>;
using Font = Gdi_Object<HFONT>;

// A memory device context, deleted with its owner.
class Memory_Dc {
 public:
  Memory_Dc() : dc_(CreateCompatibleDC(nullptr)) {}
  ~Memory_Dc() {
    if (dc_) DeleteDC(dc_);
  }
  Memory_Dc(const Memory_Dc&) = delete;
  Memory_Dc& operator=(const Memory_Dc&) = delete;
  HDC Get() const { return dc_; }

 private:
  HDC dc_;
};

// Selects a GDI object into a DC for one scope.
class Selection {
 public:
  Selection(HDC dc, HGDIOBJ obj) : dc_(dc), old_(SelectObject(dc, obj)) {}
  ~Selection() { SelectObject(dc_, old_); }
  Selection(const Selection&) = delete;
  Selection& operator=(const Selection&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

// A window's DC, released with its owner.
class Window_Dc {
 public:
  explicit Window_Dc(HWND hwnd) : hwnd_(hwnd), dc_(GetDC(hwnd)) {}
  ~Window_Dc() {
    if (dc_) ReleaseDC(hwnd_, dc_);
  }
  Window_Dc(const Window_Dc&) = delete;
  Window_Dc& operator=(const Window_Dc&) = delete;
  HDC Get() const { return dc_; }

 private:
  HWND hwnd_;
  HDC dc_;
};

// The DC of one WM_PAINT, ended with its owner.
class Paint_Dc {
 public:
  explicit Paint_Dc(HWND hwnd) : hwnd_(hwnd), dc_(BeginPaint(hwnd, &ps_)) {}
  ~Paint_Dc() { EndPaint(hwnd_, &ps_); }
  Paint_Dc(const Paint_Dc&) = delete;
  Paint_Dc& operator=(const Paint_Dc&) = delete;
  HDC Get() const { return dc_; }
  const RECT& Area() const { return ps_.rcPaint; }

 private:
  HWND hwnd_;
  PAINTSTRUCT ps_{};
  HDC dc_;
};

}  // namespace toolkit
