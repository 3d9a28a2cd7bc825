#include "paint/load_upright.h"

#include "paint/orientation.h"
#include "toolkit/system/surface.h"

namespace Quorvantile_B {

// Only the stored and the upright pixels are held during the turn.
void Stand_Upright(toolkit::Decoded_Picture& picture) noexcept {
  const int orientation = Exif_Orientation(picture.Jpeg_Head);
  picture.Jpeg_Head = {};
  if (orientation == 1) return;
  const int W = picture.Width, H = picture.Height;
  const bool on_side = Lies_On_Its_Side(orientation);
  std::uint32_t* upright = nullptr;
  toolkit::Bitmap turned = toolkit::Make_Dib(on_side ? H : W, on_side ? W : H, upright);
  if (!turned) return;
  GdiFlush();
  Turn_Upright(picture.Bits, W, H, orientation, upright);
  picture.Pixels = std::move(turned);
  picture.Decoder.Reset();
  picture.Handle = picture.Pixels.Get();
  picture.Bits = upright;
  picture.Width = on_side ? H : W;
  picture.Height = on_side ? W : H;
}

}  // namespace Quorvantile_B
