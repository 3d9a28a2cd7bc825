#include "paint/get_bits.h"

#include "toolkit/system/gdi.h"
#include "toolkit/system/surface.h"

namespace Quorvantile_B {

bool Get_Bits(HDC hdc, HBITMAP own, Grid<std::int32_t>& bits) noexcept {
  BITMAP bm{};
  GetObjectA(own, sizeof bm, &bm);
  const int w = bm.bmWidth, h = bm.bmHeight;
  BITMAPINFO header{};
  header.bmiHeader = {sizeof(BITMAPINFOHEADER), w, h, 1, 32, BI_RGB, static_cast<DWORD>(w) * h * 4, 0, 0, 0, 0};
  // The bitmap must not be selected into a DC while it is read: a placeholder takes its place meanwhile, and the
  // owners put the bitmap back and delete the placeholder whatever fails. One pixel of a DIB section: a
  // device-dependent bitmap of the picture's size may not be had on the 95 family, whose limit is 16 MB.
  std::uint32_t* unused = nullptr;
  const toolkit::Bitmap placeholder(toolkit::Make_Dib(1, 1, unused));
  const toolkit::Selection stand_in(hdc, placeholder.Get());
  auto staging = toolkit::Buffer<std::int32_t>::Zeroed(static_cast<std::size_t>(w) * h);  // bottom row first
  const int rows =
      staging.empty() ? 0 : GetDIBits(hdc, own, 0, static_cast<UINT>(h), staging.data(), &header, DIB_RGB_COLORS);
  if (rows != 0)
    for (int s = 0; s < h; ++s)
      for (int x = 0; x < w; ++x) bits(x, h - 1 - s) = staging[static_cast<std::size_t>(s) * w + x];
  return rows == 0;
}

}  // namespace Quorvantile_B
