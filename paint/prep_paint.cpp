#include <cmath>
#include <utility>

#include "paint/painting.h"
#include "toolkit/portable/numbers.h"
#include "toolkit/portable/random.h"

namespace Quorvantile_B {

Painting Prep_Paint(Grid<std::int32_t> Src_Bits, int W, int H, std::int16_t Sum_Range,
                    const std::function<double()>& Draw_Next) {
  // Coordinates are 16-bit: a wider or taller picture cannot be painted.
  if (W > 32767 || H > 32767) toolkit::Raise_Overflow();
  if (W < 1 || H < 1) throw toolkit::Run_Error(toolkit::Error_Kind::Invalid_Call, "Nothing to paint");
  Painting p;
  p.Sum_Range = Sum_Range;
  p.Pix_Count = toolkit::To_Int32(static_cast<double>(W) * H);
  p.total_ = W > 2 && H > 2 ? 3LL * (W - 2) * (H - 2) : 0;
  // The raw pixels become the colour values where they lie: one array of the picture's size less is held.
  if (Src_Bits.Stride() != W + 1 || Src_Bits.Rows() != H + 1)
    throw toolkit::Run_Error(toolkit::Error_Kind::Invalid_Call, "Wrong size");
  p.Work_Color = std::move(Src_Bits);
  p.Seed_Order.assign(static_cast<std::size_t>(p.Pix_Count) + 1, Point16{0, 0});

  std::size_t i = 0;
  for (int y = 0; y < H; ++y)
    for (int x = 0; x < W; ++x) {
      const std::int32_t raw = p.Work_Color(x, y);
      const int Byte_R = (raw >> 16) & 0xFF, Byte_G = (raw >> 8) & 0xFF, Byte_B = raw & 0xFF;
      p.Work_Color(x, y) = Byte_R + 256 * Byte_G + 65536 * Byte_B;
      p.Seed_Order[++i] = {static_cast<std::int16_t>(x), static_cast<std::int16_t>(y)};
    }

  // Every position swaps with a partner drawn from the whole range.
  for (std::int32_t k = 1; k <= p.Pix_Count; ++k) {
    const auto r = static_cast<std::int32_t>(std::floor(Draw_Next() * p.Pix_Count + 1));
    std::swap(p.Seed_Order[static_cast<std::size_t>(k)],
              p.Seed_Order[static_cast<std::size_t>(r < p.Pix_Count ? r : p.Pix_Count)]);
  }

  for (int x = 0; x < W; ++x) p.Work_Color(x, 0) = p.Work_Color(x, H - 1) = Done_Mark;
  for (int y = 0; y < H; ++y) p.Work_Color(0, y) = p.Work_Color(W - 1, y) = Done_Mark;
  p.Base_Color = p.Work_Color;
  return p;
}

Painting Prep_Paint(Grid<std::int32_t> Src_Bits, int W, int H, std::int16_t Sum_Range, toolkit::Random_Generator& Rnd) {
  Rnd.Reseed(toolkit::Timer());
  return Prep_Paint(std::move(Src_Bits), W, H, Sum_Range, [&Rnd] { return Rnd.Next(); });
}

}  // namespace Quorvantile_B
