#include "toolkit/controls/picture_box.h"

#include <algorithm>
#include <climits>

#include "toolkit/portable/run_error.h"

namespace toolkit {

void Picture_Box::Create(HWND parent, int left, int top, int width, int height, bool visible, COLORREF back_color) {
  back_color_ = back_color;
  Window::Create(L"Quorvantile_PictureBox", WS_EX_CONTROLPARENT, L"",
                 WS_CHILD | WS_CLIPSIBLINGS | (visible ? WS_VISIBLE : 0), left, top, width, height, parent);
  Bind_Windowless();
  New_Surface(width, height, false);
}

void Picture_Box::New_Surface(int width, int height, bool keep) {
  New_Surface(width, height, [&](HDC staging, std::uint32_t*) {
    const RECT all{0, 0, width, height};
    const Brush back(CreateSolidBrush(back_color_));
    FillRect(staging, &all, back.Get());
    if (keep && bitmap_.Get()) BitBlt(staging, 0, 0, width_, height_, dc_.Get(), 0, 0, SRCCOPY);
  });
}

void Picture_Box::Remake_Surface(int width, int height,
                                 const std::function<void(const std::uint32_t*, std::uint32_t*)>& fill) {
  GdiFlush();
  New_Surface(width, height, [&](HDC, std::uint32_t* fresh) { fill(bits_, fresh); });
  SetWindowPos(Hwnd(), nullptr, 0, 0, width_, height_, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Picture_Box::New_Surface(int width, int height, const std::function<void(HDC, std::uint32_t*)>& fill) {
  width = width > 0 ? width : 0;
  height = height > 0 ? height : 0;
  BITMAPINFO bi{};
  bi.bmiHeader = {
      sizeof(BITMAPINFOHEADER), width > 0 ? width : 1, -(height > 0 ? height : 1), 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  Bitmap fresh(CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!fresh.Get()) throw Run_Error(Error_Kind::Invalid_Call, "Out of memory");
  {
    const Memory_Dc staging(CreateCompatibleDC(nullptr));
    const Selection into(staging.Get(), fresh.Get());
    fill(staging.Get(), static_cast<std::uint32_t*>(bits));
    GdiFlush();
  }
  selected_.reset();
  bitmap_ = std::move(fresh);
  selected_.emplace(dc_.Get(), bitmap_.Get());
  bits_ = static_cast<std::uint32_t*>(bits);
  width_ = width;
  height_ = height;
  tiles_across_ = (width + (1 << Tile_Shift) - 1) >> Tile_Shift;
  tile_dirty_.assign(static_cast<std::size_t>(tiles_across_) * ((height + (1 << Tile_Shift) - 1) >> Tile_Shift), 0);
  dirty_tiles_.clear();
  Surface_Changed();
}

void Picture_Box::Set_Visible(bool visible) { ShowWindow(Hwnd(), visible ? SW_SHOWNA : SW_HIDE); }

void Picture_Box::Move(int left, int top) {
  SetWindowPos(Hwnd(), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Picture_Box::Resize(int width, int height) {
  if (width == width_ && height == height_) return;
  New_Surface(width, height, true);
  SetWindowPos(Hwnd(), nullptr, 0, 0, width_, height_, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Picture_Box::Cls() {
  GdiFlush();
  const std::uint32_t back = ((back_color_ & 0xFF) << 16) | (back_color_ & 0xFF00) | ((back_color_ >> 16) & 0xFF);
  std::fill(bits_, bits_ + static_cast<std::size_t>(width_) * height_, back);
  Surface_Changed();
}

// The changed tiles as one region, neighbours in a row joined into one rectangle.
HRGN Picture_Box::Dirty_Region() {
  std::sort(dirty_tiles_.begin(), dirty_tiles_.end());
  const int tile = 1 << Tile_Shift;
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
    rects[count++] = {first * tile, row * tile, std::min(last * tile, width_), std::min((row + 1) * tile, height_)};
    i = j;
  }
  region->rdh = {
      sizeof(RGNDATAHEADER), RDH_RECTANGLES, count, count * static_cast<DWORD>(sizeof(RECT)), {0, 0, width_, height_}};
  return ExtCreateRegion(nullptr, static_cast<DWORD>(sizeof(RGNDATAHEADER) + count * sizeof(RECT)), region);
}

void Picture_Box::Refresh() {
  GdiFlush();
  if ((all_dirty_ || !dirty_tiles_.empty()) && Has_Windowless()) {
    // Held controls are drawn over the surface by the paint message.
    InvalidateRect(Hwnd(), nullptr, FALSE);
    UpdateWindow(Hwnd());
  } else if (all_dirty_ || !dirty_tiles_.empty()) {
    // Straight to the window's DC: cheaper than a paint message at every yield of a painting.
    const Window_Dc window(Hwnd());
    if (all_dirty_) {
      BitBlt(window.Get(), 0, 0, width_, height_, dc_.Get(), 0, 0, SRCCOPY);
    } else {
      const Gdi_Object<HRGN> changed(Dirty_Region());
      RECT box{};
      GetRgnBox(changed.Get(), &box);
      SelectClipRgn(window.Get(), changed.Get());
      BitBlt(window.Get(), box.left, box.top, box.right - box.left, box.bottom - box.top, dc_.Get(), box.left, box.top,
             SRCCOPY);
    }
  }
  for (const std::uint32_t t : dirty_tiles_) tile_dirty_[t] = 0;
  dirty_tiles_.clear();
  all_dirty_ = false;
}

void Picture_Box::Load_Picture(const Picture& picture) {
  New_Surface(picture.Width(), picture.Height(), false);
  picture.Render(dc_.Get(), 0, 0, width_, height_);
  GdiFlush();
  SetWindowPos(Hwnd(), nullptr, 0, 0, width_, height_, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Picture_Box::Draw_Picture(const Picture& picture) {
  picture.Render(dc_.Get(), 0, 0, width_, height_);
  GdiFlush();
  Surface_Changed();
}

void Picture_Box::Paint_Background(HDC dc, const RECT& area) {
  BitBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, dc_.Get(), area.left, area.top,
         SRCCOPY);
}

LRESULT Picture_Box::Handle_Message(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_ERASEBKGND) return 1;  // the surface covers everything
  return Holder::Handle_Message(msg, wp, lp);
}

}  // namespace toolkit
