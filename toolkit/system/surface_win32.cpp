#include "toolkit/system/surface.h"

#include <algorithm>

#include "toolkit/portable/run_error.h"
#include "toolkit/system/picture.h"

namespace toolkit {

Bitmap Make_Dib(int width, int height, std::uint32_t*& bits) noexcept {
  BITMAPINFO bi{};
  bi.bmiHeader = {
      sizeof(BITMAPINFOHEADER), width > 0 ? width : 1, -(height > 0 ? height : 1), 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* at = nullptr;
  Bitmap made(CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &at, nullptr, 0));
  bits = made ? static_cast<std::uint32_t*>(at) : nullptr;
  return made;
}

Surface::Surface(COLORREF back_color) : back_color_(back_color) {}

void Surface::Select(Bitmap owned, std::uint32_t* bits, int width, int height) {
  selected_.reset();
  bitmap_ = std::move(owned);
  selected_.emplace(dc_.Get(), bitmap_.Get());
  bits_ = bits;
  width_ = width;
  height_ = height;
}

void Surface::Replace(int width, int height, const std::function<void(HDC)>& fill) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  std::uint32_t* bits = nullptr;
  Bitmap fresh = Make_Dib(width, height, bits);
  if (!fresh) throw Run_Error(Error_Kind::Invalid_Call, "Out of memory");
  {
    const Memory_Dc staging(CreateCompatibleDC(nullptr));
    const Selection into(staging.Get(), fresh.Get());
    fill(staging.Get());
    GdiFlush();
  }
  Select(std::move(fresh), bits, width, height);
}

void Surface::Resize(int width, int height) {
  if (width == width_ && height == height_ && bitmap_) return;
  if (!bitmap_) width_ = height_ = 0;  // nothing to keep
  Replace(width, height, [&](HDC staging) {
    const RECT all{0, 0, std::max(width, 1), std::max(height, 1)};
    const Brush back(CreateSolidBrush(back_color_));
    FillRect(staging, &all, back.Get());
    if (bitmap_) BitBlt(staging, 0, 0, width_, height_, dc_.Get(), 0, 0, SRCCOPY);
  });
}

void Surface::Cls() {
  if (!bitmap_) return Resize(width_, height_);
  GdiFlush();
  std::fill(bits_, bits_ + static_cast<std::size_t>(width_) * height_, Pixel_Of(back_color_));
}

void Surface::Adopt(Decoded_Picture&& picture) {
  GdiFlush();
  Select(std::move(picture.Pixels), picture.Bits, picture.Width, picture.Height);
  picture.Bits = nullptr;
}

void Surface::Drop_Pixels() {
  selected_.reset();
  bitmap_.Reset();
  bits_ = nullptr;
}

void Surface::Copy_From(const Surface& other) {
  Replace(other.Width(), other.Height(),
          [&](HDC staging) { BitBlt(staging, 0, 0, other.Width(), other.Height(), other.Hdc(), 0, 0, SRCCOPY); });
}

}  // namespace toolkit
