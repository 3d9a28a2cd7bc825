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

void Surface::Select(HBITMAP handle, Bitmap owned, std::shared_ptr<void> keeper, std::uint32_t* bits, int width,
                     int height) {
  selected_.reset();
  bitmap_ = std::move(owned);
  keeper_ = std::move(keeper);
  handle_ = handle;
  selected_.emplace(dc_.Get(), handle_);
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
  const HBITMAP handle = fresh.Get();
  Select(handle, std::move(fresh), nullptr, bits, width, height);
}

void Surface::Resize(int width, int height) {
  if (width == width_ && height == height_ && handle_) return;
  if (!handle_) width_ = height_ = 0;  // nothing to keep
  Replace(width, height, [&](HDC staging) {
    const RECT all{0, 0, std::max(width, 1), std::max(height, 1)};
    const Brush back(CreateSolidBrush(back_color_));
    FillRect(staging, &all, back.Get());
    if (handle_) BitBlt(staging, 0, 0, width_, height_, dc_.Get(), 0, 0, SRCCOPY);
  });
}

void Surface::Cls() {
  if (!handle_) return Resize(width_, height_);
  GdiFlush();
  std::fill(bits_, bits_ + static_cast<std::size_t>(width_) * height_, Pixel_Of(back_color_));
}

void Surface::Adopt(Decoded_Picture&& picture) {
  GdiFlush();
  const HBITMAP handle = picture.Handle();
  Select(handle, std::move(picture.Pixels), std::move(picture.Keeper), picture.Bits, picture.Width, picture.Height);
  picture.Bits = nullptr;
  picture.Lent = nullptr;
}

void Surface::Drop_Pixels() {
  selected_.reset();
  handle_ = nullptr;
  keeper_.reset();
  bitmap_.Reset();
  bits_ = nullptr;
}

void Surface::Copy_From(const Surface& other) {
  Replace(other.Width(), other.Height(),
          [&](HDC staging) { BitBlt(staging, 0, 0, other.Width(), other.Height(), other.Hdc(), 0, 0, SRCCOPY); });
}

}  // namespace toolkit
