#include "toolkit/controls/picture_box.h"

#include <algorithm>
#include <climits>

#include "toolkit/portable/run_error.h"

namespace toolkit {

void Picture_Box::Create(HWND parent, int left, int top, int width, int height, bool visible, COLORREF back_color) {
  surface_.Set_Back_Color(back_color);
  Window::Create(L"Quorvantile_PictureBox", WS_EX_CONTROLPARENT, L"",
                 WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | (visible ? WS_VISIBLE : 0), left, top, width, height,
                 parent);
  surface_.Resize(width, height);
  Sized();
}

void Picture_Box::Sized() {
  const int width = Width(), height = Height();
  tiles_across_ = (width + (1 << Tile_Shift) - 1) >> Tile_Shift;
  tile_dirty_.assign(static_cast<std::size_t>(tiles_across_) * ((height + (1 << Tile_Shift) - 1) >> Tile_Shift), 0);
  dirty_tiles_.clear();
  Surface_Changed();
  SetWindowPos(Hwnd(), nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Picture_Box::Set_Visible(bool visible) { ShowWindow(Hwnd(), visible ? SW_SHOWNA : SW_HIDE); }

void Picture_Box::Move(int left, int top) {
  SetWindowPos(Hwnd(), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Picture_Box::Resize(int width, int height) {
  if (width == Width() && height == Height()) return;
  surface_.Resize(width, height);
  Sized();
}

void Picture_Box::Cls() {
  surface_.Cls();
  Surface_Changed();
}

void Picture_Box::Paint_Behind(HDC dc, HWND child) const {
  RECT r;
  GetClientRect(child, &r);
  MapWindowPoints(child, Hwnd(), reinterpret_cast<POINT*>(&r), 2);
  BitBlt(dc, 0, 0, r.right - r.left, r.bottom - r.top, Hdc(), r.left, r.top, SRCCOPY);
}

void Picture_Box::Adopt(Decoded_Picture&& picture) {
  surface_.Adopt(std::move(picture));
  Sized();
}

void Picture_Box::Draw_Picture(const Picture& picture) {
  picture.Render(Hdc(), 0, 0, Width(), Height());
  GdiFlush();
  Surface_Changed();
}

// The changed tiles as one region, neighbours in a row joined into one rectangle.
HRGN Picture_Box::Dirty_Region() {
  std::sort(dirty_tiles_.begin(), dirty_tiles_.end());
  const int tile = 1 << Tile_Shift;
  const int width = Width(), height = Height();
  std::vector<char> data(sizeof(RGNDATAHEADER) + dirty_tiles_.size() * sizeof(RECT));
  auto* region = reinterpret_cast<RGNDATA*>(data.data());
  auto* rects = reinterpret_cast<RECT*>(region->Buffer);
  DWORD count = 0;
  for (std::size_t i = 0; i < dirty_tiles_.size();) {
    std::size_t j = i + 1;
    while (j < dirty_tiles_.size() && dirty_tiles_[j] == dirty_tiles_[j - 1] + 1 &&
           dirty_tiles_[j] % tiles_across_ != 0)
      ++j;
    const int row = static_cast<int>(dirty_tiles_[i] / tiles_across_);
    const int first = static_cast<int>(dirty_tiles_[i] % tiles_across_), last = first + static_cast<int>(j - i);
    rects[count++] = {first * tile, row * tile, std::min(last * tile, width), std::min((row + 1) * tile, height)};
    i = j;
  }
  region->rdh = {
      sizeof(RGNDATAHEADER), RDH_RECTANGLES, count, count * static_cast<DWORD>(sizeof(RECT)), {0, 0, width, height}};
  return ExtCreateRegion(nullptr, static_cast<DWORD>(sizeof(RGNDATAHEADER) + count * sizeof(RECT)), region);
}

void Picture_Box::Refresh() {
  GdiFlush();
  if (all_dirty_) {
    // The controls that draw themselves over the surface are drawn again with it.
    RedrawWindow(Hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  } else if (!dirty_tiles_.empty()) {
    // Straight to the window's DC: cheaper than a paint message at every yield of a painting.
    const Window_Dc window(Hwnd());
    const Gdi_Object<HRGN> changed(Dirty_Region());
    RECT box{};
    GetRgnBox(changed.Get(), &box);
    SelectClipRgn(window.Get(), changed.Get());
    BitBlt(window.Get(), box.left, box.top, box.right - box.left, box.bottom - box.top, Hdc(), box.left, box.top,
           SRCCOPY);
  }
  for (const std::uint32_t t : dirty_tiles_) tile_dirty_[t] = 0;
  dirty_tiles_.clear();
  all_dirty_ = false;
}

void Picture_Box::Paint_Content(HDC dc, const RECT& area) {
  BitBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, Hdc(), area.left, area.top, SRCCOPY);
}

LRESULT Picture_Box::Handle_Message(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_ERASEBKGND) return 1;  // the surface covers everything
  return Holder::Handle_Message(msg, wp, lp);
}

}  // namespace toolkit
