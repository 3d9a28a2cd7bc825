#include <cmath>
#include <utility>

#include "paint/painting.h"
#include "toolkit/portable/random.h"

namespace Quorvantile_B {

std::optional<Prepared_Painting> Prep_Paint(Grid<std::int32_t> Src_Bits, int W, int H, std::int16_t Sum_Range,
                                            const std::function<double()>& Draw_Next) noexcept {
  // Coordinates are 16-bit: a wider or taller picture cannot be painted.
  if (W > 32767 || H > 32767 || W < 1 || H < 1) return std::nullopt;
  if (Src_Bits.Stride() != W + 1 || Src_Bits.Rows() != H + 1) return std::nullopt;
  std::optional<Prepared_Painting> made(std::in_place);
  Prepared_Painting& p = *made;
  p.W = W;
  p.H = H;
  p.Sum_Range = Sum_Range;
  p.Pix_Count = W * H;
  p.Seed_Order = toolkit::Buffer<Point16>::Zeroed(static_cast<std::size_t>(p.Pix_Count) + 1);
  if (p.Seed_Order.empty()) return std::nullopt;
  // The raw pixels become the colour values where they lie: no array of the picture's size more is held.
  p.Base_Color = std::move(Src_Bits);

  std::size_t i = 0;
  for (int y = 0; y < H; ++y)
    for (int x = 0; x < W; ++x) {
      const std::int32_t raw = p.Base_Color(x, y);
      const int Byte_R = (raw >> 16) & 0xFF, Byte_G = (raw >> 8) & 0xFF, Byte_B = raw & 0xFF;
      p.Base_Color(x, y) = Byte_R + 256 * Byte_G + 65536 * Byte_B;
      p.Seed_Order[++i] = {static_cast<std::int16_t>(x), static_cast<std::int16_t>(y)};
    }

  // Every position swaps with a partner drawn from the whole range.
  for (std::int32_t k = 1; k <= p.Pix_Count; ++k) {
    const auto r = static_cast<std::int32_t>(std::floor(Draw_Next() * p.Pix_Count + 1));
    std::swap(p.Seed_Order[static_cast<std::size_t>(k)],
              p.Seed_Order[static_cast<std::size_t>(r < p.Pix_Count ? r : p.Pix_Count)]);
  }

  for (int x = 0; x < W; ++x) p.Base_Color(x, 0) = p.Base_Color(x, H - 1) = Done_Mark;
  for (int y = 0; y < H; ++y) p.Base_Color(0, y) = p.Base_Color(W - 1, y) = Done_Mark;
  return made;
}

std::optional<Prepared_Painting> Prep_Paint(Grid<std::int32_t> Src_Bits, int W, int H, std::int16_t Sum_Range,
                                            toolkit::Random_Generator& Rnd) noexcept {
  Rnd.Reseed(toolkit::Timer());
  return Prep_Paint(std::move(Src_Bits), W, H, Sum_Range, [&Rnd] { return Rnd.Next(); });
}

}  // namespace Quorvantile_B
