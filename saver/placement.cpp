#include "saver/placement.h"

#include "toolkit/portable/numbers.h"

namespace Quorvantile_B {

using toolkit::Half_Of;
using toolkit::To_Int32;

Placement Place_Picture(double W, double H, int Scr_W, int Scr_H, std::int16_t Size_Mode) {
  Placement p{};
  if (Size_Mode != 0) {
    p.How = Placement::Method::Stretch;
    p.Master_W = Scr_W;
    p.Master_H = Scr_H;
    if (W <= 0 || H <= 0) return p;  // nothing loaded yet: Master stays black
    // The longer side fits the matching side of the screen; sizes stay unrounded until the copy.
    const double new_w = W > H ? Scr_W : Scr_H * W / H;
    const double new_h = W > H ? Scr_W * H / W : Scr_H;
    p.Dest_X = Half_Of(Scr_W - new_w);
    p.Dest_Y = Half_Of(Scr_H - new_h);
    p.Dest_W = To_Int32(new_w);
    p.Dest_H = To_Int32(new_h);
    p.Src_W = To_Int32(W);
    p.Src_H = To_Int32(H);
    return p;
  }
  if (W <= Scr_W && H <= Scr_H) {
    p.How = Placement::Method::Load_Direct;
    p.Master_W = To_Int32(W);
    p.Master_H = To_Int32(H);
    return p;
  }
  p.How = Placement::Method::Crop;
  p.Master_W = W > Scr_W ? Scr_W : To_Int32(W);
  p.Master_H = H > Scr_H ? Scr_H : To_Int32(H);
  p.Src_X = W > Scr_W ? Half_Of(W - Scr_W) : 0;
  p.Src_Y = H > Scr_H ? Half_Of(H - Scr_H) : 0;
  p.Src_W = p.Dest_W = p.Master_W;
  p.Src_H = p.Dest_H = p.Master_H;
  return p;
}

toolkit::Decode_Part Shown_Part(int W, int H, int Scr_W, int Scr_H, std::int16_t Size_Mode) {
  const Placement p = Place_Picture(W, H, Scr_W, Scr_H, Size_Mode);
  if (p.How == Placement::Method::Stretch) return {0, 0, 0, 0, p.Dest_W, p.Dest_H};
  if (p.How == Placement::Method::Crop) return {p.Src_X, p.Src_Y, p.Master_W, p.Master_H};
  return {};
}

}  // namespace Quorvantile_B
