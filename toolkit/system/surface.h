#pragma once
// A persistent drawing surface: a 32-bit DIB selected into a memory DC. Whatever is drawn into it stays there, for
// GDI calls through its DC and for its pixels alike. A picture box shows one; the saver keeps others unseen.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <optional>

#include "toolkit/system/gdi.h"

namespace toolkit {

struct Decoded_Picture;

class Surface {
 public:
  // A colour value (red + 256 green + 65536 blue, as a COLORREF holds it) as a pixel, 0x00RRGGBB.
  static constexpr std::uint32_t Pixel_Of(std::uint32_t color) {
    return ((color & 0xFF) << 16) | (color & 0xFF00) | ((color >> 16) & 0xFF);
  }

  // An empty surface in the back colour.
  explicit Surface(COLORREF back_color = RGB(0, 0, 0));
  Surface(const Surface&) = delete;
  Surface& operator=(const Surface&) = delete;

  HDC Hdc() const { return dc_.Get(); }
  HBITMAP Image() const { return bitmap_.Get(); }
  int Width() const { return width_; }
  int Height() const { return height_; }
  // The pixels, 0x00RRGGBB, rows from the top; null for an empty surface.
  std::uint32_t* Bits() const { return bits_; }

  void Set_Back_Color(COLORREF color) { back_color_ = color; }
  // A new size keeps what the surface holds; an added area takes the back colour.
  void Resize(int width, int height);
  // Fills the whole surface with the back colour.
  void Cls();
  // Sets one pixel to a colour value (red + 256 green + 65536 blue); false outside the surface.
  bool Pset(int x, int y, std::uint32_t color) {
    if (static_cast<unsigned>(x) >= static_cast<unsigned>(width_) ||
        static_cast<unsigned>(y) >= static_cast<unsigned>(height_))
      return false;
    bits_[static_cast<std::size_t>(y) * width_ + x] = Pixel_Of(color);
    return true;
  }
  // Takes the pixels of a decoded picture as its own, at their size.
  void Adopt(Decoded_Picture&& picture);
  // Lets the pixels go while they are not needed; the size stays, and Cls or Resize makes them again.
  void Drop_Pixels();
  // The pixels of another surface, at its size.
  void Copy_From(const Surface& other);

 private:
  // A fresh bitmap, which fill paints through a DC on it, takes the old one's place.
  void Replace(int width, int height, const std::function<void(HDC)>& fill);
  void Select(Bitmap owned, std::uint32_t* bits, int width, int height);

  // Declared in this order, so that the bitmap leaves the DC before its owner goes.
  Memory_Dc dc_{CreateCompatibleDC(nullptr)};
  Bitmap bitmap_;
  std::optional<Selection> selected_;
  std::uint32_t* bits_ = nullptr;
  int width_ = 0, height_ = 0;
  COLORREF back_color_;
};

// A bitmap of 32 bits a pixel, rows from the top, and its pixels; none where memory is short.
Bitmap Make_Dib(int width, int height, std::uint32_t*& bits) noexcept;

}  // namespace toolkit
