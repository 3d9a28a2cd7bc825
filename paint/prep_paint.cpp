#include <cmath>
#include <utility>

#include "paint/painting.h"
#include "toolkit/portable/random.h"

namespace Quorvantile_B {

namespace {

// The colour values where the raw pixels lay, the seed order shuffled with partners from Draw_Index (0 .. Pix_Count
// - 1), the border marked.
template <class Draw_Index>
std::optional<Prepared_Painting> Prepare(Grid<std::int32_t> Src_Bits, int W, int H, std::int16_t Sum_Range,
                                         Draw_Index&& draw_index) noexcept {
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
  Point16* const order = p.Seed_Order.data();
  for (std::int32_t k = 1; k <= p.Pix_Count; ++k) std::swap(order[k], order[draw_index() + 1]);

  for (int x = 0; x < W; ++x) p.Base_Color(x, 0) = p.Base_Color(x, H - 1) = Done_Mark;
  for (int y = 0; y < H; ++y) p.Base_Color(0, y) = p.Base_Color(W - 1, y) = Done_Mark;
  return made;
}

}  // namespace

// r = floor(u × Pix_Count + 1) for each draw u.
std::optional<Prepared_Painting> Prep_Paint(Grid<std::int32_t> Src_Bits, int W, int H, std::int16_t Sum_Range,
                                            const std::function<double()>& Draw_Next) noexcept {
  const std::int32_t n = W * H;
  return Prepare(std::move(Src_Bits), W, H, Sum_Range, [&] {
    const auto r = static_cast<std::int32_t>(Draw_Next() * n);
    return r < n ? r : n - 1;
  });
}

// The same with draws of 32 bits in whole numbers: r - 1 = floor(u × Pix_Count) for u = Next() / 2^32.
std::optional<Prepared_Painting> Prep_Paint(Grid<std::int32_t> Src_Bits, int W, int H, std::int16_t Sum_Range,
                                            toolkit::Random_Generator& Rnd) noexcept {
  Rnd.Reseed(toolkit::Timer());
  toolkit::Random_32 draws(Rnd);
  const auto n = static_cast<std::uint32_t>(W) * static_cast<std::uint32_t>(H);
  return Prepare(std::move(Src_Bits), W, H, Sum_Range, [&] { return static_cast<std::int32_t>(draws.Below(n)); });
}

}  // namespace Quorvantile_B
