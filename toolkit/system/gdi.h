#pragma once
// Owners of GDI handles: each releases its handle once.
#include <windows.h>

#include <utility>

#include "toolkit/system/handles.h"

namespace toolkit {

template <class Handle>
using Gdi_Object = Owner<Handle, DeleteObject>;
using Bitmap = Gdi_Object<HBITMAP>;
using Brush = Gdi_Object<HBRUSH>;
using Font = Gdi_Object<HFONT>;
using Memory_Dc = Owner<HDC, DeleteDC>;  // from CreateCompatibleDC

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
