#include "paint/prep_paint.h"

#include <cmath>
#include <utility>

#include "paint/paint_arrays.h"
#include "toolkit/numbers.h"
#include "toolkit/random.h"

namespace Quorvantile_B {

void Prep_Paint(int W, int H, const std::function<double()>& Draw_Next) {
  // Coordinates are 16-bit: a wider or taller picture cannot be painted.
  toolkit::To_Int16(W);
  toolkit::To_Int16(H);
  if (W < 1 || H < 1) throw toolkit::Run_Error(toolkit::Error_Kind::Invalid_Call, "Nothing to paint");
  Next_Pts.clear();
  Cur_Pts.clear();
  Pix_Count = toolkit::To_Int32(static_cast<double>(W) * H);
  Work_Color = Grid<std::int32_t>(W, H);
  Seed_Order.assign(static_cast<std::size_t>(Pix_Count) + 1, Point16{0, 0});

  std::size_t i = 0;
  for (int y = 0; y < H; ++y)
    for (int x = 0; x < W; ++x) {
      const std::int32_t raw = Src_Bits(x, y);
      const int Byte_R = (raw >> 16) & 0xFF, Byte_G = (raw >> 8) & 0xFF, Byte_B = raw & 0xFF;
      Work_Color(x, y) = Byte_R + 256 * Byte_G + 65536 * Byte_B;
      Seed_Order[++i] = {static_cast<std::int16_t>(x), static_cast<std::int16_t>(y)};
    }

  // Every position swaps with a partner drawn from the whole range.
  for (std::int32_t k = 1; k <= Pix_Count; ++k) {
    const auto r = static_cast<std::int32_t>(std::floor(Draw_Next() * Pix_Count + 1));
    std::swap(Seed_Order[static_cast<std::size_t>(k)],
              Seed_Order[static_cast<std::size_t>(r < Pix_Count ? r : Pix_Count)]);
  }

  for (int x = 0; x < W; ++x) Work_Color(x, 0) = Work_Color(x, H - 1) = Done_Mark;
  for (int y = 0; y < H; ++y) Work_Color(0, y) = Work_Color(W - 1, y) = Done_Mark;
  Base_Color = Work_Color;
}

void Prep_Paint(int W, int H) {
  toolkit::Rnd().Reseed(toolkit::Timer());
  Prep_Paint(W, H, [] { return toolkit::Rnd().Next(); });
}

}  // namespace Quorvantile_B
